#pragma once
// The region of a picture a press picks: every pixel reachable from the
// pressed one through its four neighbours whose colour lies within the
// tolerance of the pressed pixel's colour (the largest difference of red,
// green and blue).
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/Bitmap.h"
#include "platform/Types.h"

namespace zorva {

// One byte a pixel with a blank frame one pixel wide around the picture, so a
// walk along the region's edge reads outside the picture without a test.
class CRegionMask {
 public:
  CRegionMask() = default;
  // False when the memory cannot be had.
  bool Reset(int32_t width, int32_t height);

  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  // (x, y) may lie one pixel beyond any side of the picture.
  bool In(int32_t x, int32_t y) const { return m_bits.get()[Index(x, y)] == 1; }
  // The row's bytes from x = 0: 1 for the region's pixels (others are the
  // fill's own marks).
  uint8_t* Row(int32_t y) { return m_bits.get() + Index(0, y); }
  const uint8_t* Row(int32_t y) const { return m_bits.get() + Index(0, y); }

  // The region's pixel count and its first pixel in reading order (the
  // leftmost of its top row); Count() 0 for no region.
  uint64_t Count() const { return m_count; }
  CPoint First() const { return m_first; }

 private:
  friend bool FillRegion(const CBitmap&, CPoint, int, CRegionMask&);
  size_t Index(int32_t x, int32_t y) const { return size_t(y + 1) * m_stride + size_t(x + 1); }
  struct Free {
    void operator()(uint8_t* p) const { std::free(p); }
  };
  // calloc: a large block comes from the system already zero, page by page
  // as the fill touches it.
  std::unique_ptr<uint8_t, Free> m_bits;
  int32_t m_width = 0, m_height = 0;
  size_t m_stride = 0;
  uint64_t m_count = 0;
  CPoint m_first;
};

// Fills `mask` with the region of `seed`; false (and an empty mask) when the
// seed lies outside the picture or the memory cannot be had. `tolerance` is
// clamped to 0-255.
bool FillRegion(const CBitmap& picture, CPoint seed, int tolerance, CRegionMask& mask);

}  // namespace zorva
