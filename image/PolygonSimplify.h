#pragma once
// Fewer vertices for a closed outline: Douglas-Peucker, every dropped vertex
// within `epsilon` pixels of the edge that replaces it.
#include <vector>

#include "platform/Types.h"

namespace zorva {

// The kept vertices in their order. An outline of three vertices or fewer
// comes back as it is; a longer one keeps at least four (the outline's first
// vertex, the one farthest from it, and the farthest of each side between),
// so a tiny region still gives an area. `epsilon` <= 0 keeps every vertex.
std::vector<CPoint> SimplifyClosedOutline(const std::vector<CPoint>& ring, double epsilon);

}  // namespace zorva
