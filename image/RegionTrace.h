#pragma once
// A region of the picture as a polygon: the pressed pixel's region
// (RegionFill), its outer edge along the pixels' edges (RegionOutline),
// simplified to within epsilon (PolygonSimplify). Needs no display; the
// trace tool and zorva-cli trace share it.
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Types.h"

namespace zorva {

constexpr int kDefaultTraceTolerance = 32;
constexpr int kMaxTraceTolerance = 255;
constexpr double kDefaultTraceEpsilon = 1.0;
constexpr double kMaxTraceEpsilon = 100.0;

// What a press of the trace tool starts from; kept in the settings.
struct TraceSettings {
  int tolerance = kDefaultTraceTolerance;
  double epsilon = kDefaultTraceEpsilon;
};

struct TraceResult {
  // Picture coordinates, clockwise on the screen; empty when the seed lies
  // outside the picture or the memory for the region could not be had.
  std::vector<CPoint> polygon;
  uint64_t pixels = 0;  // the region's pixel count
};

TraceResult TraceRegion(const CBitmap& picture, CPoint seed, int tolerance, double epsilon);

}  // namespace zorva
