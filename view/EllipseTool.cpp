// The ellipse tool.
#include "model/Area.h"
#include "view/ShapeTool.h"

namespace {

class CEllipseTool : public CShapeTool {
 public:
  explicit CEllipseTool(CZorvaView& view) : CShapeTool(view, {AREA_ELLIPSE, true, false}) {}
  ViewCursor Cursor(bool alt, int) const override { return alt ? ViewCursor::CrossCentre : ViewCursor::Cross; }
};

}  // namespace

std::unique_ptr<CTool> MakeEllipseTool(CZorvaView& view) { return std::make_unique<CEllipseTool>(view); }
