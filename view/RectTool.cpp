// The rectangle tool.
#include "model/Area.h"
#include "view/ShapeTool.h"

std::unique_ptr<CTool> MakeRectTool(CViewCore& view) {
  return std::make_unique<CShapeTool>(view, CShapeTool::Shape{AREA_RECT, true, false});
}
