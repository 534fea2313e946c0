#include "app/RecentFileList.h"

#include <filesystem>
#include <system_error>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/PathSplit.h"

namespace {
const char kSection[] = "Recent File List";
std::string ValueName(size_t index) { return "File" + std::to_string(index + 1); }
}  // namespace

bool IsSameFilePath(const CString& a, const CString& b) {
  if (a == b) return true;
  if (a.empty() || b.empty() || zorva::ToUpperAscii(a) != zorva::ToUpperAscii(b)) return false;
  std::error_code ec;
  const bool same = std::filesystem::equivalent(std::filesystem::path(zorva::ToFsPath(a)),
                                                std::filesystem::path(zorva::ToFsPath(b)), ec);
  return !ec && same;
}

CRecentFileList::CRecentFileList(zorva::ISettingsStore* store) : m_store(store) {}

void CRecentFileList::Load() {
  m_paths.clear();
  if (!m_store) return;
  for (size_t i = 0; i < kSize; ++i) {
    const std::string text = m_store->GetString(kSection, ValueName(i), std::string());
    if (text.empty()) continue;
    auto path = zorva::Utf8ToCp932(text);
    if (!path) continue;
    bool known = false;
    for (const CString& p : m_paths) known = known || IsSameFilePath(p, *path);
    if (!known) m_paths.push_back(*path);
  }
}

void CRecentFileList::Add(const CString& path) {
  if (path.empty()) return;
  for (auto it = m_paths.begin(); it != m_paths.end(); ++it) {
    if (IsSameFilePath(*it, path)) {
      m_paths.erase(it);
      break;
    }
  }
  m_paths.insert(m_paths.begin(), path);
  if (m_paths.size() > kSize) m_paths.resize(kSize);
  Save();
}

void CRecentFileList::Remove(size_t index) {
  if (index >= m_paths.size()) return;
  m_paths.erase(m_paths.begin() + std::ptrdiff_t(index));
  Save();
}

void CRecentFileList::Save() {
  if (!m_store) return;
  // Unused places are written empty, so an entry taken off does not come back.
  for (size_t i = 0; i < kSize; ++i)
    m_store->WriteString(kSection, ValueName(i),
                         i < m_paths.size() ? zorva::Cp932ToUtf8(m_paths[i]) : std::string());
}
