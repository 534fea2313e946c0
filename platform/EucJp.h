#pragma once
// EUC-JP as browsers read and write it. Its two-byte characters are the rows
// of the Shift_JIS (CP932) table, NEC and IBM extensions included, so an
// IBM-extension kanji such as U+9AD9 takes a lead byte 0xF9-0xFC. Texts once
// written in the Microsoft layout (those kanji as 0x8F 0xF3/0xF4 xx, user-
// defined characters, JIS X 0212) still read as before; nothing is written
// that a browser would read back as another character or as U+FFFD.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace zorva {

// EUC-JP bytes to UTF-8. With `replaceInvalid`, each undecodable sequence
// becomes one U+FFFD, split where a browser splits it (an ASCII byte after a
// broken lead stays itself); without, it makes the conversion fail.
std::optional<std::string> EucJpToUtf8(std::string_view bytes, bool replaceInvalid);

// UTF-8 to EUC-JP, or nothing when the UTF-8 is invalid or a character has no
// form that reads back as itself: the yen sign, the overline, the minus sign
// (read back as the full-width hyphen-minus) and JIS X 0212 characters
// included.
std::optional<CString> Utf8ToEucJp(std::string_view utf8);

// How many characters have a two-byte form; 0 when the Shift_JIS table the
// forms come from could not be read from the system, and then only ASCII and
// half-width katakana convert.
size_t EucJpTwoByteCount();

}  // namespace zorva
