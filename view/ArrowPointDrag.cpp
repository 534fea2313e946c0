#include "view/ArrowPointDrag.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "model/ZorvaDoc.h"
#include "view/ToolHelpers.h"
#include "view/ViewCore.h"

namespace arrow {
namespace {

std::vector<CPoint*> PointsOf(CArea& area) {
  std::vector<CPoint*> points;
  points.reserve(area.m_listPoint.size());
  for (CPoint& p : area.m_listPoint) points.push_back(&p);
  return points;
}

}  // namespace

// Snapping and the modifier constraints of a point drag, applied to `pt`; for
// a rectangle or ellipse also places the corner opposite the grabbed one.
// The working copy's image must be off: the opposite corner may move.
void ConstrainPointDrag(CViewCore& view, ArrowGesture& g, unsigned flags, CPoint& pt) {
  CZorvaDoc& doc = view.m_doc;
  CArea& sel = *doc.m_pSelArea;
  CArea& work = *g.work;
  CPoint* grab = doc.m_pGrabPoint;
  if (!IsBoxType(work)) {
    if (flags & MK_SHIFT)
      if (const CPoint* origin = sel.HitPoint(doc.m_ptPress.x, doc.m_ptPress.y))
        Constrain45(origin->x, origin->y, pt);
    SetCopyBit(view, flags);
    return;
  }
  if (!grab || work.m_listPoint.size() < 2 || sel.m_listPoint.size() < 2) return;
  const bool grabFront = grab == &work.m_listPoint.front();
  CPoint& opposite = grabFront ? work.m_listPoint.back() : work.m_listPoint.front();
  const CPoint oppositeAtPress = grabFront ? sel.m_listPoint.back() : sel.m_listPoint.front();
  const CPoint centre = doc.m_ptAnchor;
  if (flags & MK_ALT) {
    if (flags & MK_SHIFT) MakeSquare(centre.x, centre.y, pt);
    opposite = CPoint(int32_t(2 * int64_t(centre.x) - pt.x), int32_t(2 * int64_t(centre.y) - pt.y));
  } else {
    if (flags & MK_SHIFT) MakeSquare(oppositeAtPress.x, oppositeAtPress.y, pt);
    opposite = oppositeAtPress;
  }
}

// The end of an open outline that the grabbed point would close onto, if any.
static CPoint* OtherEnd(const CArea& work, const CPoint* grab) {
  if (!grab || !IsOpenPolygon(work)) return nullptr;
  CPoint* start = work.GetStartPoint();
  CPoint* end = work.GetEndPoint();
  if (start == end) return nullptr;
  if (grab == start) return end;
  if (grab == end) return start;
  return nullptr;
}

void MovePoints(CViewCore& view, ArrowGesture& g, unsigned flags, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  CArea& work = *g.work;
  CPoint pt(x, y);
  if (view.m_canvas.m_bShowGuides) SnapPointToGuides(doc.m_listGuide, pt);
  view.m_canvas.DrawXor(work);
  ConstrainPointDrag(view, g, flags, pt);
  CPoint* grab = doc.m_pGrabPoint;
  if (const CPoint* other = OtherEnd(work, grab);
      other && pt != *other && IsNearPoint(pt.x, pt.y, other->x, other->y)) {
    pt = *other;
    view.m_host.MovePointer(view.m_coords.ToWindow(pt));
  }
  if (grab) doc.OffsetPointSel(pt.x - grab->x, pt.y - grab->y);
  work.RecalcBound();
  view.m_canvas.DrawXor(work);
}

bool IsBoxType(const CArea& a) { return a.m_nType == AREA_RECT || a.m_nType == AREA_ELLIPSE; }

bool IsOpenPolygon(const CArea& a) { return a.m_nType == AREA_POLYGON && !a.m_bClosed; }

CArea* NewWorkArea(const CZorvaDoc& doc, ArrowGesture& g) {
  // A copy left over from a lost gesture goes with the new one.
  g.work = std::make_unique<CArea>();
  g.work->CopyFrom(*doc.m_pSelArea);
  return g.work.get();
}

void SetCopyBit(CViewCore& view, unsigned flags) {
  view.m_toolState.copy = (flags & MK_ALT) != 0;
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

void BeginPointDrag(CViewCore& view, ArrowGesture& g, unsigned flags, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  CArea& sel = *doc.m_pSelArea;
  CArea* work = NewWorkArea(doc, g);
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
  view.m_toolState.Begin(GestureKind::PointDrag);
  doc.m_ptPress = CPoint(x, y);
  if (IsBoxType(sel)) {
    const CRect& b = sel.m_rcBound;
    doc.m_ptAnchor = CPoint(int32_t((int64_t(b.left) + b.right) / 2),
                            int32_t((int64_t(b.top) + b.bottom) / 2));
  }
  view.m_canvas.DrawXor(*work);
  view.Capture();
}

// An open outline whose dragged end was dropped on its other end is closed,
// without the duplicate vertex. True when it was.
bool CloseOnOtherEnd(CZorvaDoc& doc, CArea& work) {
  CPoint* grab = doc.m_pGrabPoint;
  CPoint* other = OtherEnd(work, grab);
  if (!other || !IsNearPoint(grab->x, grab->y, other->x, other->y)) return false;
  const bool wasStart = grab == work.GetStartPoint();
  doc.ForgetPoint(grab, &work);
  if (wasStart) work.RemoveStartPoint();
  else work.RemoveEndPoint();
  work.m_bClosed = true;
  work.RecalcBound();
  return true;
}

}  // namespace arrow
