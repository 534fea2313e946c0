#include "platform/Charset.h"

#include <algorithm>
#include <cstring>

#include "platform/ByteScan.h"
#include "platform/EucJp.h"
#include "platform/IconvConvert.h"

namespace zorva {

namespace {

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// The iconv name of a charset iconv converts; EUC-JP goes through EucJp.h,
// since no iconv flavour of it writes what browsers read.
const char* IconvName(ECharset charset) {
  return charset == ECharset::Utf8 ? "UTF-8" : "CP932";
}

// Bytes in `charset` to UTF-8, or nothing when a byte does not decode.
std::optional<std::string> ToUtf8Strict(ECharset charset, std::string_view bytes) {
  if (charset == ECharset::EucJp) return EucJpToUtf8(bytes, false);
  return IconvConvert("UTF-8", IconvName(charset), bytes, false, {}, 1);
}

// The length of the UTF-8 sequence starting with `c` (1 for a stray byte).
size_t Utf8SequenceLength(unsigned char c) {
  return c < 0xC0 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : c < 0xF8 ? 4 : 1;
}

std::string Utf8CodePointReference(std::string_view ch) {
  const auto b = [&](size_t i) { return uint32_t(static_cast<unsigned char>(ch[i])); };
  uint32_t cp = b(0);
  if (ch.size() == 2) cp = ((cp & 0x1F) << 6) | (b(1) & 0x3F);
  if (ch.size() == 3) cp = ((cp & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
  if (ch.size() == 4) cp = ((cp & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F);
  return "&#" + std::to_string(cp) + ";";
}

// Converts valid UTF-8 to `to` character by character where the whole text
// does not go at once; `fallback` gives what stands for a character that has
// no form there.
template <typename Fallback>
CString FromUtf8Each(ECharset to, std::string_view utf8, Fallback fallback) {
  if (auto whole = Utf8ToCharsetExactly(to, utf8)) return *whole;
  CString out;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const size_t len = std::min(Utf8SequenceLength(c), utf8.size() - i);
    const std::string_view ch = utf8.substr(i, len);
    if (c < 0x80) {
      out += char(c);
    } else if (auto one = Utf8ToCharsetExactly(to, ch)) {
      out += *one;
    } else {
      out += fallback(ch);
    }
    i += len;
  }
  return out;
}

}  // namespace

const char* CharsetName(ECharset charset) {
  switch (charset) {
    case ECharset::Utf8: return "utf-8";
    case ECharset::EucJp: return "euc-jp";
    default: return "shift_jis";
  }
}

bool IsAscii(std::string_view s) {
  const char* p = s.data();
  size_t n = s.size();
  constexpr uint64_t kHigh = 0x8080808080808080ull;
  for (; n >= 64; p += 64, n -= 64) {
    uint64_t any = 0;
    for (int i = 0; i < 8; ++i) {
      uint64_t w;
      std::memcpy(&w, p + 8 * i, 8);
      any |= w;
    }
    if (any & kHigh) return false;
  }
  for (; n; ++p, --n)
    if (static_cast<unsigned char>(*p) >= 0x80) return false;
  return true;
}

size_t Utf8SequenceAt(std::string_view s, size_t i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  size_t n;
  uint32_t min;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) n = 2, min = 0x80;
  else if (c >= 0xE0 && c <= 0xEF) n = 3, min = 0x800;
  else if (c >= 0xF0 && c <= 0xF4) n = 4, min = 0x10000;
  else return 0;
  if (i + n > s.size()) return 0;
  uint32_t v = c & (0x7F >> n);
  for (size_t k = 1; k < n; ++k) {
    const unsigned char t = static_cast<unsigned char>(s[i + k]);
    if ((t & 0xC0) != 0x80) return 0;
    v = v << 6 | (t & 0x3F);
  }
  // Overlong forms, surrogates and code points beyond Unicode.
  if (v < min || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return 0;
  return n;
}

bool IsValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const size_t n = Utf8SequenceAt(s, i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::string CharsetToUtf8(ECharset charset, std::string_view bytes) {
  if (charset == ECharset::Utf8 && IsValidUtf8(bytes)) return std::string(bytes);
  if (charset == ECharset::EucJp) return EucJpToUtf8(bytes, true).value_or(std::string());
  auto r = IconvConvert("UTF-8", IconvName(charset), bytes, true, kReplacementUtf8, 1);
  return r ? *r : std::string();
}

std::optional<CString> Utf8ToCharset(ECharset charset, std::string_view utf8) {
  if (charset == ECharset::Utf8) {
    if (!IsValidUtf8(utf8)) return std::nullopt;
    return CString(utf8);
  }
  if (charset == ECharset::EucJp) return Utf8ToEucJp(utf8);
  return IconvConvert(IconvName(charset), "UTF-8", utf8, false, {}, 1);
}

std::optional<CString> Utf8ToCharsetExactly(ECharset charset, std::string_view utf8) {
  auto bytes = Utf8ToCharset(charset, utf8);
  // Only Shift_JIS takes characters one way; UTF-8 and EUC-JP are exact.
  if (!bytes || charset != ECharset::ShiftJis || IsAscii(utf8)) return bytes;
  if (CharsetToUtf8(charset, *bytes) != utf8) return std::nullopt;
  return bytes;
}

std::optional<CString> ConvertCharset(ECharset from, ECharset to, std::string_view bytes) {
  if (from == to) return CString(bytes);
  if (from == ECharset::Utf8) return Utf8ToCharset(to, bytes);  // it checks the bytes itself
  auto utf8 = ToUtf8Strict(from, bytes);
  if (!utf8) return std::nullopt;
  return Utf8ToCharset(to, *utf8);
}

CString ConvertCharsetForPage(ECharset from, ECharset to, std::string_view bytes) {
  if (from == to) return CString(bytes);
  return FromUtf8Each(to, CharsetToUtf8(from, bytes), Utf8CodePointReference);
}

CString ConvertCharsetLossy(ECharset from, ECharset to, std::string_view bytes) {
  if (from == to) return CString(bytes);
  return FromUtf8Each(to, CharsetToUtf8(from, bytes), [](std::string_view) { return CString("?"); });
}

std::optional<CString> Utf16LeToCharset(ECharset charset, std::string_view utf16le) {
  if (charset == ECharset::EucJp) {
    auto utf8 = IconvConvert("UTF-8", "UTF-16LE", utf16le, false, {}, 2);
    if (!utf8) return std::nullopt;
    return Utf8ToEucJp(*utf8);
  }
  return IconvConvert(IconvName(charset), "UTF-16LE", utf16le, false, {}, 2);
}

std::string CharsetToUtf16Le(ECharset charset, std::string_view bytes) {
  if (charset == ECharset::EucJp)
    return IconvConvert("UTF-16LE", "UTF-8", CharsetToUtf8(charset, bytes), false, {}, 1).value_or(std::string());
  return IconvConvert("UTF-16LE", IconvName(charset), bytes, true, std::string_view("\xFD\xFF", 2), 1)
      .value_or(std::string());
}

std::optional<CString> Utf16ToCharset(ECharset charset, std::u16string_view utf16) {
  std::string le;
  le.reserve(utf16.size() * 2);
  for (char16_t u : utf16) {
    le += char(u & 0xFF);
    le += char(u >> 8);
  }
  return Utf16LeToCharset(charset, le);
}

std::u16string CharsetToUtf16(ECharset charset, std::string_view bytes) {
  const std::string le = CharsetToUtf16Le(charset, bytes);
  std::u16string out(le.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i)
    out[i] = char16_t(uint8_t(le[2 * i]) | (uint8_t(le[2 * i + 1]) << 8));
  return out;
}

std::optional<std::string> FirstUnmappableChar(ECharset charset, std::string_view utf8) {
  for (size_t i = 0; i < utf8.size();) {
    const size_t len = std::min(Utf8SequenceLength(static_cast<unsigned char>(utf8[i])), utf8.size() - i);
    const std::string_view ch = utf8.substr(i, len);
    if (!Utf8ToCharsetExactly(charset, ch)) return std::string(ch);
    i += len;
  }
  return std::nullopt;
}

size_t CharsetPrefixLength(ECharset charset, std::string_view s, size_t maxBytes) {
  if (charset == ECharset::ShiftJis) return Cp932PrefixLength(s, maxBytes);
  size_t keep = 0;
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t step = 1;
    if (charset == ECharset::Utf8)
      step = Utf8SequenceLength(c);
    else if (c == 0x8F)
      step = 3;  // JIS X 0212
    else if (c == 0x8E || c >= 0xA1)
      step = 2;
    step = std::min(step, s.size() - i);
    if (i + step > maxBytes) break;
    i += step;
    keep = i;
  }
  return keep;
}

}  // namespace zorva
