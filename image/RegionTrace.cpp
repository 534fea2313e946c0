#include "image/RegionTrace.h"

#include "image/PolygonSimplify.h"
#include "image/RegionFill.h"
#include "image/RegionOutline.h"

namespace zorva {

TraceResult TraceRegion(const CBitmap& picture, CPoint seed, int tolerance, double epsilon) {
  TraceResult result;
  CRegionMask mask;
  if (!FillRegion(picture, seed, tolerance, mask)) return result;
  result.pixels = mask.Count();
  result.polygon = SimplifyClosedOutline(RegionOutline(mask), epsilon, CSize{picture.Width(), picture.Height()});
  return result;
}

}  // namespace zorva
