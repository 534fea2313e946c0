#include "image/RegionFill.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zorva {

bool CRegionMask::Reset(int32_t width, int32_t height) {
  m_bits.reset();
  m_width = m_height = 0;
  m_stride = 0;
  m_count = 0;
  m_first = CPoint();
  if (width <= 0 || height <= 0) return false;
  const size_t stride = size_t(width) + 2, rows = size_t(height) + 2;
  m_bits.reset(static_cast<uint8_t*>(std::calloc(stride, rows)));
  if (!m_bits) return false;
  m_width = width;
  m_height = height;
  m_stride = stride;
  return true;
}

namespace {

// Whether a pixel's colour is near enough: each channel within [lo, hi],
// tested as one unsigned comparison per channel.
struct NearColour {
  uint32_t lo[3];
  uint32_t span[3];
  NearColour(COLORREF c, int tolerance) {
    for (int i = 0; i < 3; ++i) {
      const int v = int((c >> (16 - 8 * i)) & 0xFF);
      const int l = std::max(0, v - tolerance), h = std::min(255, v + tolerance);
      lo[i] = uint32_t(l);
      span[i] = uint32_t(h - l);
    }
  }
  bool operator()(COLORREF c) const {
    return ((c >> 16 & 0xFF) - lo[0]) <= span[0] && ((c >> 8 & 0xFF) - lo[1]) <= span[1] &&
           ((c & 0xFF) - lo[2]) <= span[2];
  }
};

// Near or not, for 32-bit pixels and for palette indices (each palette
// entry judged once).
struct TrueColourTest {
  const CBitmap& picture;
  NearColour near;
  bool operator()(int32_t x, int32_t y) const { return near(picture.Row32(y)[x]); }
};
struct PaletteTest {
  const CBitmap& picture;
  std::array<uint8_t, 256> entry;
  bool operator()(int32_t x, int32_t y) const { return entry[picture.Row(y)[x]] != 0; }
};

// Mask values: a pixel of the region, or one whose colour was judged not
// near (so no pixel is judged twice); 0 is not yet judged.
constexpr uint8_t kRegion = 1, kRejected = 2;

struct Run {
  int32_t y, left, right;
};

// A span fill. A judged-near pixel beside the region is the region's, so the
// rows above and below a run are marked as they are scanned, and each run of
// new pixels goes on the stack once, to grow sideways beyond the run and
// scan its own neighbours. Every pixel's colour is judged once.
template <class Near>
void Fill(const Near& near, int32_t w, int32_t h, CPoint seed, CRegionMask& mask, uint64_t& count, int32_t& top) {
  std::vector<Run> stack;
  mask.Row(seed.y)[seed.x] = kRegion;
  count = 1;
  top = seed.y;
  stack.push_back({seed.y, seed.x, seed.x});
  while (!stack.empty()) {
    const Run r = stack.back();
    stack.pop_back();
    uint8_t* row = mask.Row(r.y);
    int32_t left = r.left, right = r.right;
    while (left > 0 && !row[left - 1] && near(left - 1, r.y)) row[--left] = kRegion;
    if (left > 0 && !row[left - 1]) row[left - 1] = kRejected;
    while (right + 1 < w && !row[right + 1] && near(right + 1, r.y)) row[++right] = kRegion;
    if (right + 1 < w && !row[right + 1]) row[right + 1] = kRejected;
    count += uint64_t(r.left - left) + uint64_t(right - r.right);
    for (int32_t ny : {r.y - 1, r.y + 1}) {
      if (ny < 0 || ny >= h) continue;
      uint8_t* next = mask.Row(ny);
      for (int32_t x = left; x <= right; ++x) {
        if (next[x]) continue;
        if (!near(x, ny)) {
          next[x] = kRejected;
          continue;
        }
        const int32_t from = x;
        do next[x++] = kRegion;
        while (x <= right && !next[x] && near(x, ny));
        if (x <= right && !next[x]) next[x] = kRejected;
        count += uint64_t(x - from);
        stack.push_back({ny, from, x - 1});
        if (ny < top) top = ny;
      }
    }
  }
}

}  // namespace

bool FillRegion(const CBitmap& picture, CPoint seed, int tolerance, CRegionMask& mask) {
  const int32_t w = picture.Width(), h = picture.Height();
  if (seed.x < 0 || seed.y < 0 || seed.x >= w || seed.y >= h) {
    mask.Reset(0, 0);
    return false;
  }
  if (!mask.Reset(w, h)) return false;
  const NearColour near(picture.GetPixel(seed.x, seed.y), std::clamp(tolerance, 0, 255));
  uint64_t count = 0;
  int32_t top = seed.y;
  if (picture.BitsPerPixel() == 32) {
    Fill(TrueColourTest{picture, near}, w, h, seed, mask, count, top);
  } else {
    PaletteTest test{picture, {}};
    for (size_t i = 0; i < test.entry.size(); ++i) test.entry[i] = near(picture.Palette()[i]);
    Fill(test, w, h, seed, mask, count, top);
  }
  const uint8_t* row = mask.Row(top);
  int32_t x = 0;
  while (row[x] != kRegion) ++x;
  mask.m_count = count;
  mask.m_first = CPoint(x, top);
  return true;
}

}  // namespace zorva
