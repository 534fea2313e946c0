#include "platform/StringTable.h"

#include <unordered_map>

#include "platform/CodePage.h"
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
}  // namespace

const std::string& LoadStringUtf8(unsigned id) {
  static const std::string empty;
  auto it = Table().find(id);
  return it == Table().end() ? empty : it->second;
}

bool HasString(unsigned id) { return Table().count(id) != 0; }

CString LoadStringCp932(unsigned id) {
  // Every table text is representable in CP932 (a test checks it).
  return Utf8ToCp932(LoadStringUtf8(id)).value_or(CString());
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
