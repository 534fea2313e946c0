#pragma once
// A line or an open outline as a polygon a classic map can hold: the band
// around it, as wide as the responsive map's clickable stroke.
#include <vector>

#include "platform/Types.h"

namespace zorva::html {

// The outline of the band `width` pixels wide around the polyline through
// `points` (in order), its ends squared off half the width beyond the first
// and last points. Repeated points are passed over; a single point gives a
// square. Each side runs along the segments' offset edges, mitred where they
// meet (bevelled at turns sharper than 120 degrees), so no corner lies further
// than the width from the line. Browsers test a map's polygon even-odd: where
// a line crosses itself or turns back sharply, the band overlaps itself and
// the overlap is not clickable. Empty for no points.
std::vector<CPoint> LineBand(const std::vector<CPoint>& points, int width);

}  // namespace zorva::html
