#pragma once
// Fewer vertices for a closed outline along pixels' edges: Douglas-Peucker,
// where an edge may replace a stretch of the outline when every edge of the
// stretch, pulled in by half a pixel at both ends, lies within `epsilon`
// pixels of it (so a staircase's corners may stand off a little farther).
#include <vector>

#include "platform/Types.h"

namespace zorva {

// The kept vertices in their order. An outline of three vertices or fewer
// comes back as it is; a longer one keeps at least three (two far apart and
// the farthest of each side between them, of which a last pass that drops
// every vertex its neighbours can do without may take one), so a tiny
// region still gives an area. Stretches along the frame of a
// picture `frame` in size are kept exactly. `epsilon` <= 0 keeps every
// vertex.
std::vector<CPoint> SimplifyClosedOutline(const std::vector<CPoint>& ring, double epsilon, CSize frame = {-1, -1});

}  // namespace zorva
