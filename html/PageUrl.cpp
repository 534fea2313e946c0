#include "html/PageUrl.h"

#include <cstdint>
#include <cstring>

#include "html/ByteScanner.h"
#include "html/CharacterReference.h"
#include "platform/Charset.h"

namespace zorva::html {

namespace {

// What a browser would not take as it stands in a URL path, or would take
// for something else; "%" so that the name's own "%" stays a character.
bool IsEncodedInPath(unsigned char c) {
  if (c <= 0x20 || c == 0x7F) return true;
  return std::strchr("\"#%<>?`{}|^[]'", c) != nullptr;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The character reference at text[i] ("&"): its length and what it stands
// for, or 0 when none starts there. The references a name needs: the five
// of XML and numeric ones.
size_t ReferenceAt(std::string_view text, size_t i, std::string& out) {
  static constexpr struct {
    std::string_view name;
    char c;
  } kNamed[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  const std::string_view rest = text.substr(i);
  for (const auto& n : kNamed)
    if (rest.substr(0, n.name.size()) == n.name) {
      out += n.c;
      return n.name.size();
    }
  const auto numeric = NumericReferenceAt(rest, 0);
  if (!numeric) return 0;
  AppendUtf8(out, numeric->codePoint);
  return numeric->length;
}

}  // namespace

std::string SourceValueForPath(std::string_view path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(path.size());
  for (size_t i = 0; i < path.size(); ++i) {
    const char ch = path[i];
    const unsigned char c = static_cast<unsigned char>(ch);
    // The second byte of a Shift_JIS character may look like "|" or "^".
    if (((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) && i + 1 < path.size()) {
      out += ch;
      out += path[++i];
    } else if (c == '&') {
      out += "&amp;";
    } else if (IsEncodedInPath(c)) {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    } else {
      out += ch;
    }
  }
  return out;
}

bool SourceNeedsDecoding(std::string_view source) {
  return source.find_first_of("&%?#") != std::string_view::npos;
}

bool PathOfSourceValue(std::string_view source, std::string& path) {
  std::string unescaped;
  for (size_t i = 0; i < source.size(); ++i) {
    if (source[i] == '&') {
      if (const size_t n = ReferenceAt(source, i, unescaped)) {
        i += n - 1;
        continue;
      }
    }
    unescaped += source[i];
  }
  // The query and the fragment name no part of the file.
  const std::string_view url = std::string_view(unescaped).substr(0, unescaped.find_first_of("?#"));
  path.clear();
  for (size_t i = 0; i < url.size(); ++i) {
    if (url[i] == '%' && i + 2 < url.size() && HexValue(url[i + 1]) >= 0 && HexValue(url[i + 2]) >= 0) {
      path += char(HexValue(url[i + 1]) * 16 + HexValue(url[i + 2]));
      i += 2;
    } else {
      path += url[i];
    }
  }
  return IsValidUtf8(path);
}

std::string_view MapNameOfUseMap(std::string_view useMap) {
  const size_t hash = useMap.find('#');
  return hash == std::string_view::npos ? useMap : useMap.substr(hash + 1);
}

std::string MapNameOfFileName(std::string_view name) {
  std::string out(name);
  for (char& c : out)
    if (IsHtmlSpace(c) || c == '"' || c == '\'' || c == '#' ||
        c == '&' || c == '<' || c == '>')
      c = '_';
  return out;
}

}  // namespace zorva::html
