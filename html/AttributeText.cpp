#include "html/AttributeText.h"

#include <vector>

#include "html/ByteScanner.h"
#include "model/AreaTexts.h"

namespace zorva::html {

namespace {

bool IsNameByte(char c) {
  return !IsHtmlSpace(c) && c != '"' && c != '\'' && c != '>' && c != '<' && c != '/' && c != '=' &&
         static_cast<unsigned char>(c) >= 0x20 && c != 0x7F;
}

bool IsUnquotedValueByte(char c) {
  return !IsHtmlSpace(c) && c != '"' && c != '\'' && c != '=' && c != '<' && c != '>' && c != '`';
}

std::string LowerCopy(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

AttributeTextFault Fault(AttributeTextFault::Kind kind, std::string_view where) {
  constexpr size_t kShown = 20;
  // Cut between characters of any of the charsets: never before a byte that
  // continues a character.
  size_t n = where.size() < kShown ? where.size() : kShown;
  while (n < where.size() && static_cast<unsigned char>(where[n]) >= 0x80) ++n;
  return {kind, std::string(where.substr(0, n))};
}

}  // namespace

unsigned AreaOwnedAttributeBit(std::string_view name) {
  static constexpr struct {
    std::string_view name;
    unsigned bit;
  } kOwned[] = {{"shape", kOwnedShape}, {"coords", kOwnedCoords}, {"nohref", kOwnedNoHref}};
  for (const auto& o : kOwned)
    if (IsWordIgnoringCase(name, o.name)) return o.bit;
  for (const CAreaText& t : kAreaTexts)
    if (!t.attribute.empty() && IsWordIgnoringCase(name, t.attribute)) return t.OwnedBit();
  return 0;
}

std::vector<KeptAttribute> SplitKeptAttributes(std::string_view text) {
  std::vector<KeptAttribute> out;
  size_t i = 0;
  auto skipSpace = [&] {
    while (i < text.size() && IsHtmlSpace(text[i])) ++i;
  };
  for (skipSpace(); i < text.size(); skipSpace()) {
    const size_t start = i++;
    while (i < text.size() && !IsHtmlSpace(text[i]) && text[i] != '/' && text[i] != '>' && text[i] != '=') ++i;
    const size_t nameEnd = i;
    skipSpace();
    if (i < text.size() && text[i] == '=') {
      ++i;
      skipSpace();
      if (i < text.size() && (text[i] == '"' || text[i] == '\'')) {
        const size_t close = text.find(text[i], i + 1);
        i = close == std::string_view::npos ? text.size() : close + 1;
      } else {
        while (i < text.size() && !IsHtmlSpace(text[i]) && text[i] != '>') ++i;
      }
    } else {
      i = nameEnd;
    }
    out.push_back({text.substr(start, nameEnd - start), text.substr(start, i - start)});
  }
  return out;
}

AttributeTextFault CheckAreaOtherAttributes(std::string_view text) {
  using Kind = AttributeTextFault::Kind;
  std::vector<std::string> seen;
  size_t i = 0;
  auto skipSpace = [&] {
    while (i < text.size() && IsHtmlSpace(text[i])) ++i;
  };
  skipSpace();
  while (i < text.size()) {
    const size_t start = i;
    while (i < text.size() && IsNameByte(text[i])) ++i;
    if (i == start) return Fault(Kind::Malformed, text.substr(start));
    const std::string name = LowerCopy(text.substr(start, i - start));
    if (AreaOwnedAttributeBit(name)) return Fault(Kind::Owned, text.substr(start, i - start));
    for (const std::string& other : seen)
      if (other == name) return Fault(Kind::Repeated, text.substr(start, i - start));
    seen.push_back(name);
    const size_t afterName = i;
    skipSpace();
    if (i < text.size() && text[i] == '=') {
      ++i;
      skipSpace();
      if (i >= text.size()) return Fault(Kind::Malformed, text.substr(start));
      const char mark = text[i];
      if (mark == '"' || mark == '\'') {
        const size_t close = text.find(mark, i + 1);
        if (close == std::string_view::npos) return Fault(Kind::Malformed, text.substr(start));
        i = close + 1;
      } else {
        const size_t valueStart = i;
        while (i < text.size() && IsUnquotedValueByte(text[i])) ++i;
        if (i == valueStart) return Fault(Kind::Malformed, text.substr(start));
      }
    } else {
      i = afterName;
    }
    // The next attribute needs a blank before it.
    if (i < text.size() && !IsHtmlSpace(text[i])) return Fault(Kind::Malformed, text.substr(i));
    skipSpace();
  }
  return {};
}

}  // namespace zorva::html
