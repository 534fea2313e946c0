// The bounds grid answers as a pass over every rectangle would, whatever the
// rectangles: many small ones, a few huge ones, some far beyond the rest.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "model/BoundsGrid.h"

namespace {

std::vector<uint32_t> BruteForce(const std::vector<BoundsRect>& rects, const BoundsRect& q) {
  std::vector<uint32_t> out;
  for (size_t i = 0; i < rects.size(); ++i) {
    const BoundsRect& b = rects[i];
    if (b.left <= q.right && q.left <= b.right && b.top <= q.bottom && q.top <= b.bottom) out.push_back(uint32_t(i));
  }
  return out;
}

}  // namespace

TEST(BoundsGrid, FindsWhatAPassOverEveryRectangleFinds) {
  std::mt19937 rng(31);
  auto in = [&](int64_t lo, int64_t hi) { return std::uniform_int_distribution<int64_t>(lo, hi)(rng); };
  for (const size_t count : {0, 1, 7, 300, 3000}) {
    SCOPED_TRACE(count);
    std::vector<BoundsRect> rects;
    for (size_t i = 0; i < count; ++i) {
      const int64_t x = in(-100, 4000), y = in(-100, 3000);
      switch (in(0, 19)) {
        case 0: rects.push_back({x, y, x + in(500, 5000), y + in(500, 4000)}); break;  // huge
        case 1: rects.push_back({INT32_MIN + x, y, INT32_MAX - x, y + 1}); break;    // far beyond
        case 2: rects.push_back({x, y, x, y}); break;                                // one point
        case 3: rects.push_back({1, 1, 0, 0}); break;                                // empty
        default: rects.push_back({x, y, x + in(0, 80), y + in(0, 60)}); break;
      }
    }
    const CBoundsGrid grid(rects);
    ASSERT_EQ(grid.size(), count);
    std::vector<uint32_t> found;
    for (int q = 0; q < 400; ++q) {
      const int64_t x = q % 10 == 0 ? in(INT32_MIN, INT32_MAX) : in(-200, 4200), y = in(-200, 3200);
      grid.Containing(x, y, found);
      ASSERT_EQ(found, BruteForce(rects, {x, y, x, y})) << x << "," << y;
      const BoundsRect r{x, y, x + in(0, q % 7 == 0 ? 3000 : 100), y + in(0, 100)};
      grid.Overlapping(r, found);
      ASSERT_EQ(found, BruteForce(rects, r)) << x << "," << y;
    }
  }
}
