// The zoom tool: a click zooms in one step at the pointer, with Alt out.
#include "view/Tool.h"
#include "view/ViewCore.h"

namespace {

class CZoomTool : public CTool {
 public:
  using CTool::CTool;
  void Press(unsigned, CPoint) override {}
  void Move(unsigned, CPoint) override {}
  void Release(unsigned, CPoint) override {}
  void Cancel(CPoint) override {}
  bool CapturesOnPress() const override { return false; }
  void Click(unsigned flags, CPoint p) override { m_view.ZoomToolStep(p, (flags & MK_ALT) != 0); }
  ViewCursor Cursor(bool alt, const CToolState&) const override { return alt ? ViewCursor::ZoomOut : ViewCursor::ZoomIn; }
};

}  // namespace

std::unique_ptr<CTool> MakeZoomTool(CViewCore& view) { return std::make_unique<CZoomTool>(view); }
