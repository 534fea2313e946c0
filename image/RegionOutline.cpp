#include "image/RegionOutline.h"

namespace zorva {

namespace {

// Headings east, south, west, north; a right turn is the next one.
constexpr int kDx[4] = {1, 0, -1, 0};
constexpr int kDy[4] = {0, 1, 0, -1};
// The pixels ahead of a corner, to the left and to the right of the heading,
// as offsets from the corner (the pixel whose top-left corner it is).
constexpr int kLeftX[4] = {0, 0, -1, -1}, kLeftY[4] = {-1, 0, 0, -1};
constexpr int kRightX[4] = {0, -1, -1, 0}, kRightY[4] = {0, 0, -1, -1};

}  // namespace

// The region stays on the right. At each corner the two pixels ahead decide:
// region ahead-left turns left; else no region ahead-right turns right; else
// straight on. Where two of the region's pixels touch only at a corner (they
// are joined elsewhere, the region being one), the walk goes over the gap,
// so a pocket of other colour that opens only through such a corner is
// enclosed as a hole is, and the outline never touches itself.
std::vector<CPoint> RegionOutline(const CRegionMask& mask) {
  std::vector<CPoint> corners;
  if (mask.Count() == 0) return corners;
  // The top-left corner of the first pixel: nothing above it or to its left
  // belongs to the region, so the walk arrives there heading north and turns
  // east, and passes it only once.
  const CPoint start = mask.First();
  corners.push_back(start);
  int heading = 0;
  int32_t x = start.x + 1, y = start.y;
  // Each edge of the pixel grid is walked once at most; a mask that broke
  // that could not hold the walk forever.
  uint64_t steps = 2 * (uint64_t(mask.Width()) + 1) * (uint64_t(mask.Height()) + 1);
  while ((x != start.x || y != start.y) && steps-- > 0) {
    int next;
    if (mask.In(x + kLeftX[heading], y + kLeftY[heading]))
      next = (heading + 3) & 3;
    else if (!mask.In(x + kRightX[heading], y + kRightY[heading]))
      next = (heading + 1) & 3;
    else
      next = heading;
    if (next != heading) corners.emplace_back(x, y);
    heading = next;
    x += kDx[heading];
    y += kDy[heading];
  }
  return corners;
}

}  // namespace zorva
