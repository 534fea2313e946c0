#pragma once
// The largest picture the editor takes on. A picture is held as one 32-bit
// bitmap, and the loaders need up to one more byte per pixel while they work,
// so the limit keeps a load below about 640 MiB. Each side is also capped so
// that view coordinates at twice the zoom stay far inside 32 bits.
#include <cstdint>

namespace zorva {

constexpr int64_t kMaxPictureSide = 65535;
constexpr int64_t kMaxPicturePixels = int64_t(1) << 27;  // 134,217,728 pixels

inline bool PictureSizeAllowed(int64_t width, int64_t height, int64_t maxPixels = kMaxPicturePixels) {
  return width >= 0 && height >= 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= maxPixels;
}

}  // namespace zorva
