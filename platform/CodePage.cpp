#include "platform/CodePage.h"

#include "platform/IconvConvert.h"

namespace zorva {

std::string Cp932ToUtf8(std::string_view bytes) {
  auto r = IconvConvert("UTF-8", "CP932", bytes, true, "\xEF\xBF\xBD", 1);
  return r ? *r : std::string();
}

std::optional<CString> Utf8ToCp932(std::string_view utf8) {
  return IconvConvert("CP932", "UTF-8", utf8, false, {}, 1);
}

std::optional<CString> Utf16ToCp932(std::u16string_view utf16) {
  std::string_view raw(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2);
  return IconvConvert("CP932", "UTF-16LE", raw, false, {}, 2);
}

std::u16string Cp932ToUtf16(std::string_view bytes) {
  auto r = IconvConvert("UTF-16LE", "CP932", bytes, true, std::string_view("\xFD\xFF", 2), 1);
  std::u16string out;
  if (!r) return out;
  out.resize(r->size() / 2);
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = char16_t(uint8_t((*r)[2 * i]) | (uint8_t((*r)[2 * i + 1]) << 8));
  return out;
}

std::optional<std::string> FirstUnmappableChar(std::string_view utf8) {
  size_t i = 0;
  while (i < utf8.size()) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    if (i + len > utf8.size()) len = utf8.size() - i;
    std::string_view ch = utf8.substr(i, len);
    if (!Utf8ToCp932(ch)) return std::string(ch);
    i += len;
  }
  return std::nullopt;
}

}  // namespace zorva
