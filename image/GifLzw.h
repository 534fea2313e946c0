#pragma once
// The variable-length LZW code of GIF image data.
#include <cstddef>
#include <cstdint>

namespace zorva {

// Bytes the output buffer must have beyond `capacity`: strings are copied in
// eight-byte steps and may write that far past their end.
constexpr size_t kGifLzwSlack = 16;

// Decodes the concatenated data sub-blocks `codes` of one image with the
// given minimum code size (1..8) into at most `capacity` colour indices at
// `out`, which must hold capacity + kGifLzwSlack bytes. Stops at the end
// code, at the end of the data, when `capacity` indices are written, or at
// the first code that is not in the dictionary. Returns the number of
// indices written; it never reads or writes outside the given buffers.
size_t DecodeGifLzw(const uint8_t* codes, size_t size, int minCodeSize, uint8_t* out, size_t capacity);

}  // namespace zorva
