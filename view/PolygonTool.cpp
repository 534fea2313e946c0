// The polygon tool: one vertex per click, each its own undo step. A press
// starts a polygon, continues an open one from its selected end point, or
// inserts a vertex into an edge of the selected polygon; a release on the
// first point closes it.
#include "model/ZorvaDoc.h"
#include "view/CreationHelpers.h"
#include "view/Tool.h"
#include "view/ToolHelpers.h"
#include "view/ViewCore.h"

namespace {

bool IsOpenPolygon(const CArea* area) {
  return area && area->m_nType == AREA_POLYGON && !area->m_bClosed;
}

// The vertex under the pointer: the pending one while inserting, else the
// growing end.
CPoint* MovingPoint(const CViewCore& view, const CArea& poly) {
  return view.m_toolState.Is(GestureKind::PolygonInsert) ? poly.m_pPending : poly.GetEndPoint();
}

// Shift bends the placed vertex to 45 degrees about the vertex drawn before it.
void ConstrainToPrevious(const CViewCore& view, unsigned flags, const CArea& poly,
                         const CPoint* moving, CPoint& p) {
  if (!(flags & MK_SHIFT) || view.m_toolState.Idle()) return;
  if (const CPoint* prev = create::PrevVertex(poly, moving))
    Constrain45(prev->x, prev->y, p);
}

bool ClosesOnStart(const CViewCore& view, const CArea& poly, const CPoint& p) {
  if (!view.m_toolState.Is(GestureKind::PolygonDraw) || poly.m_listPoint.size() <= 2) return false;
  const CPoint* start = poly.GetStartPoint();
  return IsNearPoint(start->x, start->y, p.x, p.y);
}

// The gesture in progress is this tool's: its first vertex on a new polygon,
// or a later vertex (with the step's backup) on a polygon of the document.
bool OwnGesture(const CViewCore& view) {
  const CArea* poly = view.m_doc.m_pSelArea;
  if (!poly || poly->m_nType != AREA_POLYGON) return false;
  if (view.m_toolState.Idle()) return poly == view.m_pNewArea.get();
  return view.m_toolState.PolygonStep() && !view.m_pNewArea && view.m_pStepBackup &&
         MovingPoint(view, *poly);
}

void Press(CViewCore& view, unsigned flags, CPoint p) {
  CZorvaDoc& doc = view.m_doc;
  create::DropUnfinished(view);
  view.m_pStepBackup.reset();
  view.m_pPrevSel = nullptr;
  CArea* poly = doc.m_pSelArea;
  // Drawing goes on only while the selection is still an open polygon: a
  // selection changed in between (Tab, the area list, undo, clearing all)
  // starts afresh instead of growing some other shape.
  if (!view.m_toolState.PolygonStep() || !IsOpenPolygon(poly)) view.m_toolState.Reset();

  CPoint* edgeA = nullptr;
  CPoint* edgeB = nullptr;
  if (view.m_toolState.Idle()) {
    CPoint* only = doc.m_listSelPoint.size() == 1 ? doc.m_listSelPoint.front() : nullptr;
    if (IsOpenPolygon(poly) && only &&
        (only == poly->GetHeadPoint() || only == poly->GetTailPoint())) {
      poly->m_bTailEnd = only == poly->GetTailPoint();
      view.m_toolState.Start(GestureKind::PolygonDraw);
    } else if (poly && poly->m_nType == AREA_POLYGON &&
               poly->HitOutline(p.x, p.y, true, &edgeA, &edgeB)) {
      view.m_toolState.Start(GestureKind::PolygonInsert);
    } else {
      create::ReleaseSelection(view);
      poly = create::BeginNew(view, std::make_unique<CArea>());
      poly->m_nType = AREA_POLYGON;
      poly->m_bClosed = false;
    }
  }
  if (view.m_toolState.PolygonStep()) {
    // Shown as not selected under the gesture's image, so the polygon keeps
    // the selection colour while the vertex is placed.
    view.m_canvas.DrawSelection(*poly, false);
    view.m_pStepBackup = std::make_unique<CArea>();
    view.m_pStepBackup->CopyFrom(*poly);
  }

  doc.m_listSelPoint.clear();
  CPoint* added = view.m_toolState.Is(GestureKind::PolygonInsert) ? poly->InsertPoint(p.x, p.y, edgeA, edgeB)
                                                     : poly->AddPoint(p.x, p.y);
  ConstrainToPrevious(view, flags, *poly, added, p);
  *added = p;
  doc.m_listSelPoint.push_back(added);
  view.m_canvas.DrawXor(*poly);
}

void Move(CViewCore& view, unsigned flags, CPoint p) {
  CArea* poly = view.m_doc.m_pSelArea;
  CPoint* moving = MovingPoint(view, *poly);
  view.m_canvas.DrawXor(*poly);
  ConstrainToPrevious(view, flags, *poly, moving, p);
  if (ClosesOnStart(view, *poly, p)) {
    const CPoint* start = poly->GetStartPoint();
    if (p != *start) {
      p = *start;
      view.m_host.MovePointer(view.m_coords.ToWindow(p));
    }
  }
  *moving = p;
  view.m_canvas.DrawXor(*poly);
}

void Release(CViewCore& view, unsigned flags, CPoint p) {
  CZorvaDoc& doc = view.m_doc;
  CArea* poly = doc.m_pSelArea;
  CPoint* moving = MovingPoint(view, *poly);
  view.m_canvas.DrawXor(*poly);
  ConstrainToPrevious(view, flags, *poly, moving, p);
  std::unique_ptr<CArea> backup = std::move(view.m_pStepBackup);

  if (ClosesOnStart(view, *poly, p)) {
    // The start point is the vertex already there: the one just placed goes.
    doc.ForgetPoint(moving);
    poly->RemoveEndPoint();
    poly->m_bClosed = true;
    doc.m_listSelPoint.clear();
    view.m_toolState.Reset();
    doc.PushAreaChanged(poly, std::move(backup));
  } else if (view.m_toolState.Is(GestureKind::PolygonInsert)) {
    // The vertex ends where the pointer was released, which the bounds take in.
    *moving = p;
    poly->EndPending(false);
    doc.m_listSelPoint.clear();
    poly->ExtendBound(p.x, p.y);
    view.m_toolState.Reset();
    doc.PushAreaChanged(poly, std::move(backup));
  } else {
    poly->SetEndPoint(p.x, p.y);
    if (!view.m_toolState.Idle()) {
      poly->ExtendBound(p.x, p.y);
      doc.PushAreaChanged(poly, std::move(backup));
    } else {
      poly->SetBoundPoint(p.x, p.y);
      create::CommitNew(view);
      view.m_toolState.Start(GestureKind::PolygonDraw);
    }
  }
  // A repaint rather than the selection pair: the placed vertex stays selected
  // and is marked as such, and the bounds only grow, so they cover everything
  // the press drew.
  view.m_canvas.RepaintArea(*poly);
}

void Cancel(CViewCore& view) {
  CZorvaDoc& doc = view.m_doc;
  CArea* poly = doc.m_pSelArea;
  view.m_canvas.DrawXor(*poly);
  std::unique_ptr<CArea> backup = std::move(view.m_pStepBackup);  // of a step that did not happen
  if (view.m_toolState.Idle()) {
    // The first vertex: the polygon never reached the document.
    create::DiscardNew(view);
    return;
  }
  if (view.m_toolState.Is(GestureKind::PolygonInsert)) {
    doc.ForgetPoint(poly->m_pPending);
    poly->EndPending(true);
    view.m_toolState.Reset();
  } else {
    doc.ForgetPoint(poly->GetEndPoint());
    poly->RemoveEndPoint();
  }
  doc.m_listSelPoint.clear();
  view.m_canvas.RepaintArea(*poly);
}

}  // namespace

namespace {

class CPolygonTool : public CTool {
 public:
  using CTool::CTool;
  void Press(unsigned flags, CPoint p) override { ::Press(m_view, flags, Snapped(p)); }
  void Move(unsigned flags, CPoint p) override {
    if (Owned()) ::Move(m_view, flags, Snapped(p));
  }
  void Release(unsigned flags, CPoint p) override {
    if (Owned()) ::Release(m_view, flags, Snapped(p));
  }
  void Cancel(CPoint) override {
    if (Owned()) ::Cancel(m_view);
  }
  // Between clicks the polygon waits in the drawing state; a right press
  // then ends it without taking a vertex back.
  void RightPressIdle() override {
    if (m_view.m_toolState.Is(GestureKind::PolygonDraw)) m_view.m_toolState.Reset();
  }
  ViewCursor Cursor(bool, const CToolState&) const override { return ViewCursor::Cross; }

 private:
  CPoint Snapped(CPoint p) const { return create::Snapped(m_view, p.x, p.y); }
  bool Owned() {
    if (OwnGesture(m_view)) return true;
    create::DropUnfinished(m_view);
    return false;
  }
};

}  // namespace

std::unique_ptr<CTool> MakePolygonTool(CViewCore& view) { return std::make_unique<CPolygonTool>(view); }
