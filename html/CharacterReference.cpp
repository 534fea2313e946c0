#include "html/CharacterReference.h"

namespace zorva::html {

namespace {
int DigitValue(char c, bool hex) {
  if (c >= '0' && c <= '9') return c - '0';
  if (!hex) return -1;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

std::optional<NumericReference> NumericReferenceAt(std::string_view text, size_t i) {
  const std::string_view rest = text.substr(i);
  if (rest.size() < 4 || rest[0] != '&' || rest[1] != '#') return std::nullopt;
  const bool hex = rest[2] == 'x' || rest[2] == 'X';
  size_t j = hex ? 3 : 2;
  uint32_t cp = 0;
  const size_t digits = j;
  for (; j < rest.size() && j < digits + 8; ++j) {
    const int v = DigitValue(rest[j], hex);
    if (v < 0) break;
    cp = cp * (hex ? 16 : 10) + uint32_t(v);
  }
  if (j == digits || j >= rest.size() || rest[j] != ';') return std::nullopt;
  return NumericReference{cp, j + 1};
}

bool IsReferableCodePoint(uint32_t cp) { return cp != 0 && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF); }

void AppendUtf8(std::string& out, uint32_t cp) {
  if (!IsReferableCodePoint(cp)) cp = 0xFFFD;
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

}  // namespace zorva::html
