// The rectangle tool.
#include "model/Area.h"
#include "view/ShapeTool.h"

namespace {

class CRectTool : public CShapeTool {
 public:
  explicit CRectTool(CZorvaView& view) : CShapeTool(view, {AREA_RECT, true, false}) {}
  ViewCursor Cursor(bool alt, int) const override { return alt ? ViewCursor::CrossCentre : ViewCursor::Cross; }
};

}  // namespace

std::unique_ptr<CTool> MakeRectTool(CZorvaView& view) { return std::make_unique<CRectTool>(view); }
