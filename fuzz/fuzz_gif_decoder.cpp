// libFuzzer target: the GIF decoder and the row copy the loader does after it
// must survive any byte string.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image/GifDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CGifDecoder decoder;
  // A smaller limit than the editor's keeps each run fast; the checks are the same.
  CGifDecoder::Result r = decoder.Decode(std::vector<uint8_t>(data, data + size), int64_t(1) << 22);
  if (r != CGifDecoder::Result::Ok || decoder.Width() == 0 || decoder.Height() == 0) return 0;
  std::vector<uint32_t> row(size_t(decoder.Width()));
  uint32_t mix = 0;
  for (int32_t n = 0; n < decoder.Height(); ++n) {
    int32_t y = CGifDecoder::PictureRow(n, decoder.Height(), decoder.Interlaced());
    if (y < 0 || y >= decoder.Height()) __builtin_trap();
    decoder.CopyStreamRow(n, row.data());
    mix ^= row[size_t(n) % row.size()];
  }
  return int(mix & 0);
}
