// The ellipse tool.
#include "model/Area.h"
#include "view/ShapeTool.h"

std::unique_ptr<CTool> MakeEllipseTool(CViewCore& view) {
  return std::make_unique<CShapeTool>(view, CShapeTool::Shape{AREA_ELLIPSE, true, false});
}
