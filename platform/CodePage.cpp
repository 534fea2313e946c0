#include "platform/CodePage.h"

#include "platform/Charset.h"

namespace zorva {

// The code page is the Shift_JIS charset of document texts; paths and the
// program's own texts cross with it.

std::string Cp932ToUtf8(std::string_view bytes) { return CharsetToUtf8(ECharset::ShiftJis, bytes); }

std::optional<CString> Utf8ToCp932(std::string_view utf8) { return Utf8ToCharset(ECharset::ShiftJis, utf8); }

std::optional<CString> Utf16ToCp932(std::u16string_view utf16) {
  return Utf16ToCharset(ECharset::ShiftJis, utf16);
}

std::u16string Cp932ToUtf16(std::string_view bytes) { return CharsetToUtf16(ECharset::ShiftJis, bytes); }

std::optional<std::string> FirstUnmappableChar(std::string_view utf8) {
  return FirstUnmappableChar(ECharset::ShiftJis, utf8);
}

}  // namespace zorva
