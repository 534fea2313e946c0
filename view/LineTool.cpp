// The line (an open two-point outline) tool.
#include "model/Area.h"
#include "view/ShapeTool.h"

std::unique_ptr<CTool> MakeLineTool(CViewCore& view) {
  return std::make_unique<CShapeTool>(view, CShapeTool::Shape{AREA_POLYGON, false, true});
}
