#pragma once
// Byte-level helpers for CP932 text.

namespace zorva {

// True for a byte that starts a two-byte CP932 character.
constexpr bool IsCp932LeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

}  // namespace zorva
