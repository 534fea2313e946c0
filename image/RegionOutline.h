#pragma once
// The outer edge of a filled region, walked along the pixels' edges: the
// corners where the edge turns, in picture coordinates (a pixel (x, y) spans
// x..x+1, y..y+1), clockwise on the screen. Holes inside the region are not
// walked, so the outline encloses them: an area has no holes. A pocket that
// opens to the outside only where two of the region's pixels touch at a
// corner counts as a hole.
#include <vector>

#include "image/RegionFill.h"
#include "platform/Types.h"

namespace zorva {

// Empty for an empty mask; else at least four corners.
std::vector<CPoint> RegionOutline(const CRegionMask& mask);

}  // namespace zorva
