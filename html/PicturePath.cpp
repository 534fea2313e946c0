#include "html/PicturePath.h"

#include <string_view>

#include "platform/ByteScan.h"
#include "platform/PathSplit.h"

namespace zorva::html {

namespace {
bool IsAbsolute(std::string_view path) {
  return HasDriveLetter(path) || (!path.empty() && path[0] == '/');
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Calls f(index) for every separator byte of `s`, stepping over the second
// byte of CP932 characters (which may equal '\').
template <typename F>
void ForEachSeparator(std::string_view s, F f) {
  for (size_t i = 0; i < s.size(); ++i) {
    if (IsCp932LeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) {
      ++i;
      continue;
    }
    if (IsSeparator(s[i])) f(i);
  }
}
}  // namespace

CString RelativePicturePath(const CString& page, const CString& picture) {
  if (!IsAbsolute(picture)) return picture;
  PathParts h = SplitPath(page);
  PathParts p = SplitPath(picture);
  if (h.folder == p.folder) return p.name + p.ext;

  size_t same = 0;
  while (same < h.folder.size() && same < p.folder.size() && h.folder[same] == p.folder[same]) ++same;
  // The common part ends after the last whole folder name both share.
  size_t k = 0;
  ForEachSeparator(std::string_view(h.folder).substr(0, same), [&](size_t i) { k = i + 1; });

  CString out;
  ForEachSeparator(std::string_view(h.folder).substr(k), [&](size_t) { out += "../"; });
  CString rest = p.folder.substr(k);
  ForEachSeparator(rest, [&](size_t i) { rest[i] = '/'; });
  return out + rest + p.name + p.ext;
}

CString AbsolutePicturePath(const CString& page, const CString& source) {
  if (IsAbsolute(source)) return source;
  std::string_view rest = source;
  int up = 0;
  while (rest.substr(0, 3) == "../") {
    rest.remove_prefix(3);
    ++up;
  }
  PathParts b = SplitPath(page);
  CString folder = b.folder;
  // Cut `up` folder levels, never above the root.
  for (; up > 0; --up) {
    size_t cut = 0;
    bool found = false;
    std::string_view inner = std::string_view(folder).substr(0, folder.empty() ? 0 : folder.size() - 1);
    ForEachSeparator(inner, [&](size_t i) {
      cut = i;
      found = true;
    });
    if (!found) break;
    folder.resize(cut + 1);
  }
  CString out = b.drive + folder + CString(rest);
  if (HasDriveLetter(page)) {
    for (size_t i = 0; i < out.size(); ++i) {
      if (IsCp932LeadByte(static_cast<unsigned char>(out[i])) && i + 1 < out.size()) {
        ++i;
        continue;
      }
      if (out[i] == '/') out[i] = '\\';
    }
  }
  return out;
}

}  // namespace zorva::html
