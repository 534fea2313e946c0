#pragma once
// Byte-level helpers for CP932 text.
#include <cstddef>
#include <string_view>

namespace zorva {

// True for a byte that starts a two-byte CP932 character.
constexpr bool IsCp932LeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The length of the longest prefix of `s` of at most `maxBytes` bytes that
// does not end inside a two-byte character.
constexpr size_t Cp932PrefixLength(std::string_view s, size_t maxBytes) {
  size_t keep = 0;
  for (size_t i = 0; i < s.size();) {
    const size_t step = IsCp932LeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
    if (i + step > maxBytes) break;
    i += step;
    keep = i;
  }
  return keep;
}

}  // namespace zorva
