#pragma once
// Conversion between the model's CP932 byte strings and the UTF-8 / UTF-16
// text of the user interface and the file system.
#include <optional>
#include <string>

#include <string_view>

#include "platform/Types.h"

namespace zorva {

// CP932 bytes to UTF-8. Bytes that are not valid Shift_JIS become U+FFFD, so
// the result is always valid UTF-8.
std::string Cp932ToUtf8(std::string_view bytes);

// UTF-8 to CP932. Returns nothing when a character has no CP932 form or the
// input is not valid UTF-8: the caller refuses the text instead of losing it.
std::optional<CString> Utf8ToCp932(std::string_view utf8);

// UTF-16LE code units to CP932 (the wide form of a stored string).
std::optional<CString> Utf16ToCp932(std::u16string_view utf16);

// CP932 to UTF-16 code units; invalid bytes become U+FFFD.
std::u16string Cp932ToUtf16(std::string_view bytes);

// The first character of `utf8` that CP932 cannot hold, for messages.
std::optional<std::string> FirstUnmappableChar(std::string_view utf8);

}  // namespace zorva
