#include "platform/StringTable.h"

#include <cstdlib>
#include <unordered_map>

#include "platform/CodePage.h"
#include "platform/QmCatalogue.h"
#include "platform/StringTableData.h"

namespace zorva {

namespace {
const std::unordered_map<unsigned, std::string>& Table() {
  static const std::unordered_map<unsigned, std::string> table = [] {
    std::unordered_map<unsigned, std::string> t;
    for (size_t i = 0; i < kStringTableSize; ++i) t.emplace(kStringTable[i].id, kStringTable[i].text);
    return t;
  }();
  return table;
}

std::unordered_map<unsigned, std::string>& Translations() {
  static std::unordered_map<unsigned, std::string> translations;
  return translations;
}
}  // namespace

const std::string& LoadSourceStringUtf8(unsigned id) {
  static const std::string empty;
  auto it = Table().find(id);
  return it == Table().end() ? empty : it->second;
}

const std::string& LoadStringUtf8(unsigned id) {
  const auto& translations = Translations();
  if (!translations.empty()) {
    auto it = translations.find(id);
    if (it != translations.end()) return it->second;
  }
  return LoadSourceStringUtf8(id);
}

size_t InstallStringTranslations(const std::vector<QmMessage>& messages) {
  auto& translations = Translations();
  translations.clear();
  // A message names its entry by number; one whose comment lrelease left out
  // (its text is unique in the catalogue) applies by its text alone.
  std::unordered_map<std::string, const QmMessage*> byText;
  std::unordered_map<unsigned, const QmMessage*> byId;
  for (const QmMessage& m : messages) {
    if (m.context != kStringTableContext || m.translation.empty()) continue;
    if (m.comment.empty()) {
      byText.emplace(m.source, &m);
      continue;
    }
    char* end = nullptr;
    unsigned long id = std::strtoul(m.comment.c_str(), &end, 10);
    if (end && *end == '\0') byId.emplace(unsigned(id), &m);
  }
  for (size_t i = 0; i < kStringTableSize; ++i) {
    const StringEntry& e = kStringTable[i];
    const QmMessage* m = nullptr;
    if (auto it = byId.find(e.id); it != byId.end() && it->second->source == e.text) m = it->second;
    else if (auto t = byText.find(e.text); t != byText.end()) m = t->second;
    if (m) translations.emplace(e.id, m->translation);
  }
  return translations.size();
}

bool HasString(unsigned id) { return Table().count(id) != 0; }

CString LoadStringCp932(unsigned id) {
  // Every table text is representable in CP932 (a test checks it).
  return Utf8ToCp932(LoadSourceStringUtf8(id)).value_or(CString());
}

std::string FormatText(const std::string& pattern, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(pattern.size() + 32);
  size_t next = 0;
  for (size_t i = 0; i < pattern.size(); ++i) {
    char c = pattern[i];
    if (c != '%' || i + 1 >= pattern.size()) {
      out += c;
      continue;
    }
    char d = pattern[i + 1];
    if (d >= '1' && d <= '9') {
      size_t k = size_t(d - '1');
      if (k < args.size()) out += args[k];
      ++i;
    } else if (d == 's') {
      if (next < args.size()) out += args[next];
      ++next;
      ++i;
    } else if (d == '%') {
      out += '%';
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::string FormatString(unsigned id, const std::vector<std::string>& args) {
  return FormatText(LoadStringUtf8(id), args);
}

std::vector<unsigned> AllStringIds() {
  std::vector<unsigned> ids;
  for (size_t i = 0; i < kStringTableSize; ++i) ids.push_back(kStringTable[i].id);
  return ids;
}

}  // namespace zorva
