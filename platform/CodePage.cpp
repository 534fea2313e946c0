#include "platform/CodePage.h"

#include <iconv.h>

#include <cerrno>
#include <algorithm>

namespace zorva {
namespace {

// One iconv conversion. With `replaceInvalid`, undecodable input becomes the
// replacement character of the target (only used towards Unicode); otherwise
// any invalid or unmappable input makes the whole conversion fail.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view in,
                                   bool replaceInvalid, std::string_view replacement,
                                   size_t inStep) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out;
  out.resize(in.size() * 4 + 16);
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  std::optional<std::string> result;
  for (;;) {
    size_t r = iconv(cd, inLeft ? &inPtr : nullptr, &inLeft, &outPtr, &outLeft);
    if (r != static_cast<size_t>(-1)) {
      if (inLeft == 0) {
        // Flush any shift state.
        iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
        out.resize(out.size() - outLeft);
        result = std::move(out);
        break;
      }
      continue;
    }
    if (errno == E2BIG) {
      size_t used = out.size() - outLeft;
      out.resize(out.size() * 2);
      outPtr = out.data() + used;
      outLeft = out.size() - used;
      continue;
    }
    if ((errno == EILSEQ || errno == EINVAL) && replaceInvalid) {
      // Skip one unit of input and emit the replacement.
      size_t skip = std::min(inStep, inLeft);
      inPtr += skip;
      inLeft -= skip;
      if (outLeft < replacement.size()) {
        size_t used = out.size() - outLeft;
        out.resize(out.size() * 2 + replacement.size());
        outPtr = out.data() + used;
        outLeft = out.size() - used;
      }
      for (char c : replacement) {
        *outPtr++ = c;
        --outLeft;
      }
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      continue;
    }
    break;
  }
  iconv_close(cd);
  return result;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
  auto r = Convert("UTF-8", "CP932", bytes, true, "\xEF\xBF\xBD", 1);
  return r ? *r : std::string();
}

std::optional<CString> Utf8ToCp932(std::string_view utf8) {
  return Convert("CP932", "UTF-8", utf8, false, {}, 1);
}

std::optional<CString> Utf16ToCp932(std::u16string_view utf16) {
  std::string_view raw(reinterpret_cast<const char*>(utf16.data()), utf16.size() * 2);
  return Convert("CP932", "UTF-16LE", raw, false, {}, 2);
}

std::u16string Cp932ToUtf16(std::string_view bytes) {
  auto r = Convert("UTF-16LE", "CP932", bytes, true, std::string_view("\xFD\xFF", 2), 1);
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
