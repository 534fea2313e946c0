#pragma once
// The variable-length LZW code of GIF image data.
#include <cstddef>
#include <cstdint>

namespace zorva {

// Bytes the output buffer must have beyond `capacity`: strings are copied in
// eight-byte steps and may write that far past their end.
constexpr size_t kGifLzwSlack = 16;

// The minimum code sizes a stream may have. Codes start one bit wider and
// never grow past 12 bits, so 11 is the largest; encoders that write sizes
// above 8 still use only the 256 colour indices as literals.
constexpr int kGifMinCodeSizeLow = 1;
constexpr int kGifMinCodeSizeHigh = 11;

// Decodes the concatenated data sub-blocks `codes` of one image with the
// given minimum code size (kGifMinCodeSize*) into at most `capacity` colour
// indices at `out`, which must hold capacity + kGifLzwSlack bytes. Stops at
// the end code, at the end of the data, when `capacity` indices are written,
// at the first code that is not in the dictionary, or at a literal that is
// no colour index (256 and above). Returns the number of indices written
// (none for a code size out of range); it never reads or writes outside the
// given buffers.
size_t DecodeGifLzw(const uint8_t* codes, size_t size, int minCodeSize, uint8_t* out, size_t capacity);

}  // namespace zorva
