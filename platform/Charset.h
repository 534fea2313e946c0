#pragma once
// The charsets a document's texts can be in, and conversions between them and
// the UTF-8 of the user interface. Texts stay bytes in their own charset; only
// what the user sees or types crosses over.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace zorva {

enum class ECharset : uint8_t { ShiftJis, Utf8, EucJp };

// "shift_jis", "utf-8" or "euc-jp".
const char* CharsetName(ECharset charset);

bool IsValidUtf8(std::string_view bytes);

// The length of the valid UTF-8 sequence at `bytes[i]` (1 for ASCII), or 0 for
// a byte that starts none: overlong forms, surrogates and code points beyond
// Unicode count as invalid.
size_t Utf8SequenceAt(std::string_view bytes, size_t i);

// Whether every byte is below 0x80: such bytes read the same in every charset
// here. Pages are checked whole, so this goes a word at a time.
bool IsAscii(std::string_view bytes);

// Bytes in `charset` to UTF-8; bytes it cannot decode become U+FFFD, so the
// result is always valid UTF-8.
std::string CharsetToUtf8(ECharset charset, std::string_view bytes);

// UTF-8 to `charset`, or nothing when a character has no form there or the
// input is not valid UTF-8: the caller refuses the text instead of losing it.
// Shift_JIS takes a few characters one way only (the yen sign as the
// backslash, the wave dash as the full-width tilde), as it always has here;
// a caller that must get the same text back converts back and compares.
// EUC-JP takes nothing one way: it is written only with what a browser reads
// back as the same character (EucJp.h), so the yen sign, the overline, the
// minus sign and JIS X 0212 characters have no form there, though the older
// bytes for them still read.
std::optional<CString> Utf8ToCharset(ECharset charset, std::string_view utf8);

// The same, but nothing also when a character would come back as another one
// (the one-way characters of Shift_JIS).
std::optional<CString> Utf8ToCharsetExactly(ECharset charset, std::string_view utf8);

// Bytes from one charset to another, or nothing when a character has no form
// in `to` or a byte does not decode (the one-way characters as above).
std::optional<CString> ConvertCharset(ECharset from, ECharset to, std::string_view bytes);

// The same for a page being written: characters `to` cannot hold exactly
// (Shift_JIS's one-way characters included) become numeric character
// references ("&#128512;", "&#165;"), which every browser reads back as the
// character. Undecodable bytes become U+FFFD first.
CString ConvertCharsetForPage(ECharset from, ECharset to, std::string_view bytes);

// The same for a text that must go over whatever happens: characters `to`
// cannot hold exactly become "?".
CString ConvertCharsetLossy(ECharset from, ECharset to, std::string_view bytes);

// UTF-16 to bytes in `charset` and back, as little-endian byte pairs (the
// wide form of a stored string) or as code units. Unpaired surrogates make the
// way there fail; bytes `charset` cannot decode become U+FFFD on the way back.
std::optional<CString> Utf16LeToCharset(ECharset charset, std::string_view utf16le);
std::string CharsetToUtf16Le(ECharset charset, std::string_view bytes);
std::optional<CString> Utf16ToCharset(ECharset charset, std::u16string_view utf16);
std::u16string CharsetToUtf16(ECharset charset, std::string_view bytes);

// The first character of `utf8` that `charset` cannot hold exactly, for
// messages.
std::optional<std::string> FirstUnmappableChar(ECharset charset, std::string_view utf8);

// The length of the longest prefix of `bytes` of at most `maxBytes` bytes that
// does not end inside a character of `charset`.
size_t CharsetPrefixLength(ECharset charset, std::string_view bytes, size_t maxBytes);

}  // namespace zorva
