// The line (an open two-point outline) tool.
#include "model/Area.h"
#include "view/ShapeTool.h"

namespace {

class CLineTool : public CShapeTool {
 public:
  explicit CLineTool(CZorvaView& view) : CShapeTool(view, {AREA_POLYGON, false, true}) {}
  ViewCursor Cursor(bool, int) const override { return ViewCursor::Cross; }
};

}  // namespace

std::unique_ptr<CTool> MakeLineTool(CZorvaView& view) { return std::make_unique<CLineTool>(view); }
