// The freehand tool: the pointer's trace, thinned to points at least 10
// pixels apart in x or in y, drawn segment by segment in exclusive-or and
// added as an open outline at the release.
#include <cstdlib>
#include <iterator>

#include "model/ZorvaDoc.h"
#include "view/CreationHelpers.h"
#include "view/Tool.h"
#include "view/ToolHelpers.h"
#include "view/ViewCore.h"

namespace {

// A traced point is kept only this far from the last kept one, in x or in y.
constexpr int64_t kThinning = 10;

// Each segment is drawn from its newer point back to the older one, as the
// outline itself is drawn, so both light the same pixels and the selected
// outline drawn at the release covers the trace exactly.
void XorSegmentBefore(CViewCore& view, CPointList::const_iterator it) {
  view.m_canvas.DrawXorSegment(*it, *std::prev(it));
}

void Press(CViewCore& view, const CPoint& p) {
  create::DropUnfinished(view);
  create::ReleaseSelection(view);
  CArea* trace = create::BeginNew(view, std::make_unique<CArea>());
  trace->m_nType = AREA_POLYGON;
  trace->m_bClosed = false;
  trace->AddPoint(p.x, p.y);
  trace->SetBoundPoint(p.x, p.y);
  view.m_toolState.Start(GestureKind::Trace);
}

void Move(CViewCore& view, CArea& trace, const CPoint& p) {
  const CPoint end = *trace.GetEndPoint();
  if (std::llabs(int64_t(p.x) - end.x) < kThinning && std::llabs(int64_t(p.y) - end.y) < kThinning)
    return;
  trace.AddPoint(p.x, p.y);
  XorSegmentBefore(view, std::prev(trace.m_listPoint.cend()));
}

void Release(CViewCore& view, CArea& trace, const CPoint& p) {
  CZorvaDoc& doc = view.m_doc;
  CPoint* end = trace.GetEndPoint();
  if (trace.m_listPoint.size() > 1 && IsNearPoint(end->x, end->y, p.x, p.y)) {
    XorSegmentBefore(view, std::prev(trace.m_listPoint.cend()));
    doc.ForgetPoint(end);
    trace.RemoveEndPoint();
  }
  trace.AddPoint(p.x, p.y);
  view.m_canvas.DrawSelection(trace, true);
  trace.RecalcBound();
  create::CommitNew(view);
}

void Cancel(CViewCore& view, CArea* trace) {
  const CPointList& list = trace->m_listPoint;
  if (!list.empty())
    for (auto it = std::next(list.begin()); it != list.end(); ++it) XorSegmentBefore(view, it);
  create::DiscardNew(view);
}

}  // namespace

namespace {

class CFreehandTool : public CTool {
 public:
  using CTool::CTool;
  void Press(unsigned, CPoint p) override { ::Press(m_view, p); }
  void Move(unsigned, CPoint p) override {
    if (CArea* trace = Stroke()) ::Move(m_view, *trace, p);
  }
  void Release(unsigned, CPoint p) override {
    if (CArea* trace = Stroke()) ::Release(m_view, *trace, p);
  }
  void Cancel(CPoint) override {
    if (CArea* trace = Stroke()) ::Cancel(m_view, trace);
  }
  ViewCursor Cursor(bool, const CToolState&) const override { return ViewCursor::Cross; }

 private:
  // Only a stroke in progress: the traced outline is selected, not yet in
  // the document, and the state is the tracing one. Anything else is some
  // other gesture this tool must not adopt.
  CArea* Stroke() {
    CArea* trace = m_view.m_doc.m_pSelArea;
    if (!m_view.m_toolState.Is(GestureKind::Trace) || !trace || trace != m_view.m_pNewArea.get() || trace->m_listPoint.empty()) {
      create::DropUnfinished(m_view);
      return nullptr;
    }
    return trace;
  }
};

}  // namespace

std::unique_ptr<CTool> MakeFreehandTool(CViewCore& view) { return std::make_unique<CFreehandTool>(view); }
