// The arrow tool: picks an area by its outline, moves it, drags its points,
// and with Alt drops a copy instead. While the button is down only a working
// copy changes, shown as its exclusive-or image; the document changes at the
// release, with one undo record.
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "html/MapCheck.h"
#include "model/ZorvaDoc.h"
#include "view/EditCommands.h"
#include "view/ArrowPointDrag.h"
#include "view/EditSelection.h"
#include "view/GuideTool.h"
#include "view/Tool.h"
#include "view/ToolHelpers.h"
#include "view/ViewCore.h"

using namespace arrow;

namespace {

// A drag starts once the pointer is further than this from the press point.
constexpr int32_t kDragThreshold = 5;


bool IsPastThreshold(int32_t x, int32_t y, const CPoint& press) {
  const double dx = double(int64_t(x) - press.x), dy = double(int64_t(y) - press.y);
  return int64_t(std::sqrt(dx * dx + dy * dy)) > kDragThreshold;
}


// Ends the gesture's working copy; the selection must no longer refer to it.
void DropWorkArea(CZorvaDoc& doc, ArrowGesture& g) {
  doc.m_pGrabPoint = nullptr;
  g.work.reset();
}

void Deselect(CViewCore& view) {
  ShowSelectionCleared(view);
  view.m_doc.m_pGrabPoint = nullptr;
}

void BeginMove(CViewCore& view, ArrowGesture& g, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  CArea* work = NewWorkArea(doc, g);
  doc.m_listSelPoint.clear();
  doc.m_pGrabPoint = nullptr;
  doc.m_ptPress = g.last = CPoint(x, y);
  view.m_canvas.DrawXor(*work);
  view.Capture();
}

// The pointer of a move with snapping to guides applied.
CPoint SnapMove(CViewCore& view, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  CPoint pt(x, y);
  if (!view.m_canvas.m_bShowGuides) return pt;
  CRect moved = doc.m_pSelArea->m_rcBound;
  const int32_t dx = x - doc.m_ptPress.x, dy = y - doc.m_ptPress.y;
  moved = CRect(moved.left + dx, moved.top + dy, moved.right + dx, moved.bottom + dy);
  CRect snapped = moved;
  if (SnapRectToGuides(doc.m_listGuide, snapped)) {
    pt.x += snapped.left - moved.left;
    pt.y += snapped.top - moved.top;
  }
  return pt;
}

void MoveArea(CViewCore& view, ArrowGesture& g, unsigned flags, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  CArea& work = *g.work;
  CPoint pt = SnapMove(view, x, y);
  SetCopyBit(view, flags);
  view.m_canvas.DrawXor(work);
  if (flags & MK_SHIFT) Constrain45(doc.m_ptPress.x, doc.m_ptPress.y, pt);
  work.Offset(pt.x - g.last.x, pt.y - g.last.y);
  view.m_canvas.DrawXor(work);
  g.last = pt;
}

void OnPress(CViewCore& view, ArrowGesture& g, unsigned flags, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  view.m_bDragStarted = false;
  if (CArea* sel = doc.m_pSelArea) {
    // The selected area first: its points and outline win over areas above it.
    if (sel->HitPoint(x, y)) {
      BeginPointDrag(view, g, flags, x, y);
      return;
    }
    if (sel->HitOutline(x, y)) {
      view.m_toolState.Begin(GestureKind::AreaMove);
      BeginMove(view, g, x, y);
      return;
    }
    view.m_toolState.Reset();
    Deselect(view);
  }
  for (auto it = doc.m_listArea.rbegin(); it != doc.m_listArea.rend(); ++it) {
    if (!(*it)->HitOutline(x, y)) continue;
    doc.SetSelArea(*it);
    view.m_toolState.Start(GestureKind::AreaMove);
    BeginMove(view, g, x, y);
    return;
  }
  // On no outline: the area a visitor's click there would follow, the
  // topmost that takes the pixel.
  for (auto it = doc.m_listArea.rbegin(); it != doc.m_listArea.rend(); ++it) {
    if (!zorva::html::AreaTakesPixel(**it, x, y)) continue;
    doc.m_pSelArea = *it;
    view.m_toolState.Start(GestureKind::AreaMove);
    BeginMove(view, g, x, y);
    return;
  }
}

void OnMove(CViewCore& view, ArrowGesture& g, unsigned flags, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  if (!g.work || !doc.m_pSelArea) return;
  if (!view.m_bDragStarted && IsPastThreshold(x, y, doc.m_ptPress)) view.m_bDragStarted = true;
  if (!view.m_bDragStarted) return;
  if (view.m_toolState.Is(GestureKind::PointDrag)) MovePoints(view, g, flags, x, y);
  else if (view.m_toolState.Is(GestureKind::AreaMove)) MoveArea(view, g, flags, x, y);
}

void OnRelease(CViewCore& view, ArrowGesture& g, unsigned flags, int32_t x, int32_t y) {
  CZorvaDoc& doc = view.m_doc;
  CArea* sel = doc.m_pSelArea;
  CArea* work = g.work.get();
  if (!work || !sel) {
    view.m_toolState.Reset();
    view.m_bDragStarted = false;
    return;
  }
  // The image has been up since the press, whether or not the drag started.
  view.m_canvas.DrawXor(*work);
  if (!view.m_bDragStarted && IsPastThreshold(x, y, doc.m_ptPress)) view.m_bDragStarted = true;
  const bool pointDrag = view.m_toolState.Is(GestureKind::PointDrag);
  CPoint pt(x, y);
  if (view.m_bDragStarted) {
    if (pointDrag) {
      if (view.m_canvas.m_bShowGuides) SnapPointToGuides(doc.m_listGuide, pt);
      ConstrainPointDrag(view, g, flags, pt);
    } else {
      pt = SnapMove(view, x, y);
      SetCopyBit(view, flags);
    }
  }
  const bool changed = view.m_bDragStarted && pt != doc.m_ptPress;
  view.m_bDragStarted = false;

  if (!changed) {
    if (pointDrag) RebindSelection(doc, *work, *sel);
    DropWorkArea(doc, g);
    view.m_toolState.Reset();
    view.m_canvas.RepaintArea(*sel);
    return;
  }

  if (pointDrag) {
    if (IsOpenPolygon(*work)) {
      if (CloseOnOtherEnd(doc, *work)) view.m_toolState.Reset();
    } else if (CPoint* grab = doc.m_pGrabPoint) {
      *grab = pt;
      work->RecalcBound();
    }
  } else {
    if (flags & MK_SHIFT) Constrain45(doc.m_ptPress.x, doc.m_ptPress.y, pt);
    work->Offset(pt.x - g.last.x, pt.y - g.last.y);
    g.last = pt;
  }
  view.m_canvas.DrawSelection(*work, true);

  if (view.m_toolState.copy) {
    // The copy becomes the topmost area; the dragged one stays as it was.
    view.m_clipboard.m_ptPasteOffset = CPoint(pt.x - doc.m_ptPress.x, pt.y - doc.m_ptPress.y);
    DropTakenIdentifiers(doc, *g.work);
    doc.m_listArea.push_back(std::move(g.work));
    doc.PushAreaAdded(work, sel);
    doc.SetSelArea(work);  // the selected points already refer to it
    doc.m_pGrabPoint = nullptr;
    view.m_toolState.Reset();
    view.m_canvas.RepaintArea(*sel);
    view.m_canvas.RepaintArea(*work);
    return;
  }

  const CRect oldRect = view.m_coords.AreaRectToWindow(sel->m_rcBound);
  auto backup = std::make_unique<CArea>();
  backup->CopyFrom(*sel);
  doc.PushAreaChanged(sel, std::move(backup));
  sel->CopyFrom(*work);
  RebindSelection(doc, *work, *sel);
  DropWorkArea(doc, g);
  view.m_toolState.Reset();
  view.m_canvas.RepaintRect(oldRect);
  // The new place too: the selected vertices have marks of their own.
  view.m_canvas.RepaintArea(*sel);
}

void OnCancel(CViewCore& view, ArrowGesture& g) {
  CZorvaDoc& doc = view.m_doc;
  if (g.work) view.m_canvas.DrawXor(*g.work);
  doc.m_listSelPoint.clear();
  DropWorkArea(doc, g);
  view.m_toolState.Reset();
  view.m_bDragStarted = false;
  if (doc.m_pSelArea) view.m_canvas.RepaintArea(*doc.m_pSelArea);
}

}  // namespace

namespace {

class CArrowTool : public CTool {
 public:
  using CTool::CTool;
  void Press(unsigned flags, CPoint p) override {
    OnPress(m_view, m_gesture, flags, p.x, p.y);
    // The arrow also takes the guides, when they are shown.
    if (m_view.m_canvas.m_bShowGuides) m_view.m_guideTool->OnToolGuide(flags, p.x, p.y, ToolPhase::Press);
  }
  void Move(unsigned flags, CPoint p) override { OnMove(m_view, m_gesture, flags, p.x, p.y); }
  void Release(unsigned flags, CPoint p) override { OnRelease(m_view, m_gesture, flags, p.x, p.y); }
  void Cancel(CPoint) override { OnCancel(m_view, m_gesture); }
  // The press takes the mouse itself, only when it grabs something.
  bool CapturesOnPress() const override { return false; }
  ViewCursor Cursor(bool, const CToolState& state) const override {
    return state.copy ? ViewCursor::ArrowCopy : ViewCursor::Arrow;
  }

 private:
  ArrowGesture m_gesture;
};

}  // namespace

std::unique_ptr<CTool> MakeArrowTool(CViewCore& view) { return std::make_unique<CArrowTool>(view); }
