// The arrow tool: picks an area by its outline, moves it, drags its points,
// and with Alt drops a copy instead. While the button is down only a working
// copy changes, shown as its exclusive-or image; the document changes at the
// release, with one undo record.
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "model/ZorvaDoc.h"
#include "view/EditSelection.h"
#include "view/Tool.h"
#include "view/ZorvaView.h"

namespace {

// A drag starts once the pointer is further than this from the press point.
constexpr int32_t kDragThreshold = 5;

bool IsBoxType(const CArea& a) { return a.m_nType == AREA_RECT || a.m_nType == AREA_ELLIPSE; }

bool IsOpenPolygon(const CArea& a) { return a.m_nType == AREA_POLYGON && !a.m_bClosed; }

bool IsPastThreshold(int32_t x, int32_t y, const CPoint& press) {
  const double dx = double(int64_t(x) - press.x), dy = double(int64_t(y) - press.y);
  return int64_t(std::sqrt(dx * dx + dy * dy)) > kDragThreshold;
}

std::vector<CPoint*> PointsOf(CArea& area) {
  std::vector<CPoint*> points;
  points.reserve(area.m_listPoint.size());
  for (CPoint& p : area.m_listPoint) points.push_back(&p);
  return points;
}

// Points the selected-points list at `to`, which holds its points in the same
// order as `from` (one is a copy of the other). Entries follow their position
// rather than their coordinates, so points that moved on the way, or twins at
// one place, keep their identity; an entry of neither area is dropped, since
// nothing may be read through it.
void RebindSelection(CZorvaDoc& doc, CArea& from, CArea& to) {
  if (doc.m_listSelPoint.empty()) return;
  std::unordered_map<const CPoint*, size_t> indexInFrom;
  size_t i = 0;
  for (CPoint& p : from.m_listPoint) indexInFrom.emplace(&p, i++);
  const std::vector<CPoint*> target = PointsOf(to);
  CPointRefList rebound;
  for (CPoint* p : doc.m_listSelPoint) {
    CPoint* q = nullptr;
    if (auto it = indexInFrom.find(p); it != indexInFrom.end()) {
      if (it->second < target.size()) q = target[it->second];
    } else if (std::find(target.begin(), target.end(), p) != target.end()) {
      q = p;
    }
    if (q && std::find(rebound.begin(), rebound.end(), q) == rebound.end()) rebound.push_back(q);
  }
  doc.m_listSelPoint = std::move(rebound);
}


// Ends the gesture's working copy; the selection must no longer refer to it.
void DropWorkArea(CZorvaDoc& doc) {
  doc.m_pGrabPoint = nullptr;
  delete doc.m_pWorkArea;
  doc.m_pWorkArea = nullptr;
}

void Deselect(CZorvaView& view) {
  ShowSelectionCleared(view);
  view.m_doc.m_pGrabPoint = nullptr;
}

CArea* NewWorkArea(CZorvaDoc& doc) {
  delete doc.m_pWorkArea;  // a copy left over from a lost gesture
  auto* work = new CArea;
  work->CopyFrom(*doc.m_pSelArea);
  doc.m_pWorkArea = work;
  return work;
}

void BeginMove(CZorvaView& view, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  CArea* work = NewWorkArea(doc);
  doc.m_listSelPoint.clear();
  doc.m_pGrabPoint = nullptr;
  doc.m_ptPress = doc.m_ptLast = CPoint(x, y);
  view.DrawXor(*work);
  view.m_host.SetCapture();
}

void BeginPointDrag(CZorvaView& view, unsigned flags, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  CArea& sel = *doc.m_pSelArea;
  CArea* work = NewWorkArea(doc);
  CPoint* grab = work->HitPoint(x, y);
  doc.m_pGrabPoint = grab;
  if (doc.m_listSelPoint.empty() || IsBoxType(sel)) {
    doc.m_listSelPoint = {grab};
  } else {
    RebindSelection(doc, sel, *work);
    if (flags & MK_SHIFT) {
      if (!doc.TogglePointSel(grab)) doc.m_listSelPoint = {grab};
    } else if (doc.IsPointSel(grab)) {
      // A twin at the same place may be the listed one; the grabbed point
      // itself must move with the pointer.
      if (std::find(doc.m_listSelPoint.begin(), doc.m_listSelPoint.end(), grab) ==
          doc.m_listSelPoint.end())
        doc.RebindPointSel(grab);
    } else {
      doc.m_listSelPoint = {grab};
    }
  }
  view.m_nToolState |= DRAG_POINT;
  doc.m_ptPress = CPoint(x, y);
  if (IsBoxType(sel)) {
    const CRect& b = sel.m_rcBound;
    doc.m_ptAnchor = CPoint(int32_t((int64_t(b.left) + b.right) / 2),
                            int32_t((int64_t(b.top) + b.bottom) / 2));
  }
  view.DrawXor(*work);
  view.m_host.SetCapture();
}

void SetCopyBit(CZorvaView& view, unsigned flags) {
  if (flags & MK_ALT) view.m_nToolState |= DRAG_COPY;
  else view.m_nToolState &= ~DRAG_COPY;
}

// Snapping and the modifier constraints of a point drag, applied to `pt`; for
// a rectangle or ellipse also places the corner opposite the grabbed one.
// The working copy's image must be off: the opposite corner may move.
void ConstrainPointDrag(CZorvaView& view, unsigned flags, CPoint& pt) {
  CZorvaDoc& doc = view.m_doc;
  CArea& sel = *doc.m_pSelArea;
  CArea& work = *doc.m_pWorkArea;
  CPoint* grab = doc.m_pGrabPoint;
  if (!IsBoxType(work)) {
    if (flags & MK_SHIFT)
      if (const CPoint* origin = sel.HitPoint(doc.m_ptPress.x, doc.m_ptPress.y))
        CZorvaView::Constrain45(origin->x, origin->y, pt);
    SetCopyBit(view, flags);
    return;
  }
  if (!grab || work.m_listPoint.size() < 2 || sel.m_listPoint.size() < 2) return;
  const bool grabFront = grab == &work.m_listPoint.front();
  CPoint& opposite = grabFront ? work.m_listPoint.back() : work.m_listPoint.front();
  const CPoint oppositeAtPress = grabFront ? sel.m_listPoint.back() : sel.m_listPoint.front();
  const CPoint centre = doc.m_ptAnchor;
  if (flags & MK_ALT) {
    if (flags & MK_SHIFT) CZorvaView::MakeSquare(centre.x, centre.y, pt);
    opposite = CPoint(int32_t(2 * int64_t(centre.x) - pt.x), int32_t(2 * int64_t(centre.y) - pt.y));
  } else {
    if (flags & MK_SHIFT) CZorvaView::MakeSquare(oppositeAtPress.x, oppositeAtPress.y, pt);
    opposite = oppositeAtPress;
  }
}

// The end of an open outline that the grabbed point would close onto, if any.
CPoint* OtherEnd(const CArea& work, const CPoint* grab) {
  if (!grab || !IsOpenPolygon(work)) return nullptr;
  CPoint* start = work.GetStartPoint();
  CPoint* end = work.GetEndPoint();
  if (start == end) return nullptr;
  if (grab == start) return end;
  if (grab == end) return start;
  return nullptr;
}

void MovePoints(CZorvaView& view, unsigned flags, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  CArea& work = *doc.m_pWorkArea;
  CPoint pt(x, y);
  if (view.m_bShowGuides) CZorvaView::SnapPointToGuides(doc.m_listGuide, pt);
  view.DrawXor(work);
  ConstrainPointDrag(view, flags, pt);
  CPoint* grab = doc.m_pGrabPoint;
  if (const CPoint* other = OtherEnd(work, grab);
      other && pt != *other && CZorvaView::IsNearPoint(pt.x, pt.y, other->x, other->y)) {
    pt = *other;
    view.m_host.MovePointer(view.ToWindow(pt));
  }
  if (grab) doc.OffsetPointSel(pt.x - grab->x, pt.y - grab->y);
  work.RecalcBound();
  view.DrawXor(work);
}

// The pointer of a move with snapping to guides applied.
CPoint SnapMove(CZorvaView& view, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  CPoint pt(x, y);
  if (!view.m_bShowGuides) return pt;
  CRect moved = doc.m_pSelArea->m_rcBound;
  const int32_t dx = x - doc.m_ptPress.x, dy = y - doc.m_ptPress.y;
  moved = CRect(moved.left + dx, moved.top + dy, moved.right + dx, moved.bottom + dy);
  CRect snapped = moved;
  if (CZorvaView::SnapRectToGuides(doc.m_listGuide, snapped)) {
    pt.x += snapped.left - moved.left;
    pt.y += snapped.top - moved.top;
  }
  return pt;
}

void MoveArea(CZorvaView& view, unsigned flags, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  CArea& work = *doc.m_pWorkArea;
  CPoint pt = SnapMove(view, x, y);
  SetCopyBit(view, flags);
  view.DrawXor(work);
  if (flags & MK_SHIFT) CZorvaView::Constrain45(doc.m_ptPress.x, doc.m_ptPress.y, pt);
  work.Offset(pt.x - doc.m_ptLast.x, pt.y - doc.m_ptLast.y);
  view.DrawXor(work);
  doc.m_ptLast = pt;
}

void OnPress(CZorvaView& view, unsigned flags, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  view.m_bDragStarted = false;
  if (CArea* sel = doc.m_pSelArea) {
    // The selected area first: its points and outline win over areas above it.
    if (sel->HitPoint(x, y)) {
      BeginPointDrag(view, flags, x, y);
      return;
    }
    if (sel->HitOutline(x, y)) {
      view.m_nToolState |= DRAG_MOVE;
      BeginMove(view, x, y);
      return;
    }
    view.m_nToolState = 0;
    Deselect(view);
  }
  for (auto it = doc.m_listArea.rbegin(); it != doc.m_listArea.rend(); ++it) {
    if (!(*it)->HitOutline(x, y)) continue;
    doc.m_pSelArea = *it;
    view.m_nToolState = DRAG_MOVE;
    BeginMove(view, x, y);
    return;
  }
}

void OnMove(CZorvaView& view, unsigned flags, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  if (!doc.m_pWorkArea || !doc.m_pSelArea) return;
  if (!view.m_bDragStarted && IsPastThreshold(x, y, doc.m_ptPress)) view.m_bDragStarted = true;
  if (!view.m_bDragStarted) return;
  if (view.m_nToolState & DRAG_POINT) MovePoints(view, flags, x, y);
  else if (view.m_nToolState & DRAG_MOVE) MoveArea(view, flags, x, y);
}

// An open outline whose dragged end was dropped on its other end is closed,
// without the duplicate vertex. True when it was.
bool CloseOnOtherEnd(CZorvaDoc& doc, CArea& work) {
  CPoint* grab = doc.m_pGrabPoint;
  CPoint* other = OtherEnd(work, grab);
  if (!other || !CZorvaView::IsNearPoint(grab->x, grab->y, other->x, other->y)) return false;
  const bool wasStart = grab == work.GetStartPoint();
  doc.ForgetPoint(grab, &work);
  if (wasStart) work.RemoveStartPoint();
  else work.RemoveEndPoint();
  work.m_bClosed = true;
  work.RecalcBound();
  return true;
}

void OnRelease(CZorvaView& view, unsigned flags, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  CArea* sel = doc.m_pSelArea;
  CArea* work = doc.m_pWorkArea;
  if (!work || !sel) {
    view.m_nToolState = 0;
    view.m_bDragStarted = false;
    return;
  }
  // The image has been up since the press, whether or not the drag started.
  view.DrawXor(*work);
  if (!view.m_bDragStarted && IsPastThreshold(x, y, doc.m_ptPress)) view.m_bDragStarted = true;
  const bool pointDrag = (view.m_nToolState & DRAG_POINT) != 0;
  CPoint pt(x, y);
  if (view.m_bDragStarted) {
    if (pointDrag) {
      if (view.m_bShowGuides) CZorvaView::SnapPointToGuides(doc.m_listGuide, pt);
      ConstrainPointDrag(view, flags, pt);
    } else {
      pt = SnapMove(view, x, y);
      SetCopyBit(view, flags);
    }
  }
  const bool changed = view.m_bDragStarted && pt != doc.m_ptPress;
  view.m_bDragStarted = false;

  if (!changed) {
    if (pointDrag) RebindSelection(doc, *work, *sel);
    DropWorkArea(doc);
    view.m_nToolState = 0;
    view.RepaintArea(*sel);
    return;
  }

  if (pointDrag) {
    if (IsOpenPolygon(*work)) {
      if (CloseOnOtherEnd(doc, *work)) view.m_nToolState = 0;
    } else if (CPoint* grab = doc.m_pGrabPoint) {
      *grab = pt;
      work->RecalcBound();
    }
  } else {
    if (flags & MK_SHIFT) CZorvaView::Constrain45(doc.m_ptPress.x, doc.m_ptPress.y, pt);
    work->Offset(pt.x - doc.m_ptLast.x, pt.y - doc.m_ptLast.y);
    doc.m_ptLast = pt;
  }
  view.DrawSelection(*work, true);

  if (view.m_nToolState & DRAG_COPY) {
    // The copy becomes the topmost area; the dragged one stays as it was.
    view.m_ptPasteOffset = CPoint(pt.x - doc.m_ptPress.x, pt.y - doc.m_ptPress.y);
    doc.m_listArea.push_back(work);
    doc.PushAreaAdded(work, sel);
    doc.m_pSelArea = work;  // the selected points already refer to it
    doc.m_pWorkArea = nullptr;
    doc.m_pGrabPoint = nullptr;
    view.m_nToolState = 0;
    view.RepaintArea(*sel);
    view.RepaintArea(*work);
    return;
  }

  const CRect oldRect = view.AreaRectToWindow(sel->m_rcBound);
  auto* backup = new CArea;
  backup->CopyFrom(*sel);
  doc.PushAreaChanged(sel, std::unique_ptr<CArea>(backup));
  sel->CopyFrom(*work);
  RebindSelection(doc, *work, *sel);
  DropWorkArea(doc);
  view.m_nToolState = 0;
  view.RepaintRect(oldRect);
  // The new place too: the selected vertices have marks of their own.
  view.RepaintArea(*sel);
}

void OnCancel(CZorvaView& view) {
  CZorvaDoc& doc = view.m_doc;
  if (doc.m_pWorkArea) view.DrawXor(*doc.m_pWorkArea);
  doc.m_listSelPoint.clear();
  DropWorkArea(doc);
  view.m_nToolState = 0;
  view.m_bDragStarted = false;
  if (doc.m_pSelArea) view.RepaintArea(*doc.m_pSelArea);
}

}  // namespace

namespace {

class CArrowTool : public CTool {
 public:
  using CTool::CTool;
  void Press(unsigned flags, CPoint p) override {
    OnPress(m_view, flags, p.x, p.y);
    // The arrow also takes the guides, when they are shown.
    if (m_view.m_bShowGuides) m_view.OnToolGuide(flags, p.x, p.y, 0, 0, TOOL_PRESS);
  }
  void Move(unsigned flags, CPoint p) override { OnMove(m_view, flags, p.x, p.y); }
  void Release(unsigned flags, CPoint p) override { OnRelease(m_view, flags, p.x, p.y); }
  void Cancel(CPoint) override { OnCancel(m_view); }
  // The press takes the mouse itself, only when it grabs something.
  bool CapturesOnPress() const override { return false; }
  ViewCursor Cursor(bool, int toolState) const override {
    return (toolState & DRAG_COPY) ? ViewCursor::ArrowCopy : ViewCursor::Arrow;
  }
};

}  // namespace

std::unique_ptr<CTool> MakeArrowTool(CZorvaView& view) { return std::make_unique<CArrowTool>(view); }
