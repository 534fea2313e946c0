// The view's own keys: Tab cycles the selection, digits choose tools, Ctrl+T
// cycles the picture display, and the modifiers give temporary tools or
// change a running gesture through a synthetic mouse move.
#include <algorithm>
#include <iterator>

#include "view/ViewKeys.h"

#include "model/ZorvaDoc.h"
#include "view/AreaArrange.h"
#include "view/EditSelection.h"
#include "view/Ruler.h"
#include "view/ViewCore.h"
#include "view/ToolTable.h"

namespace {

void PostMoveAtPointer(CViewCore& view, unsigned flags) {
  view.m_host.PostMouseMove(view.m_host.GetPointerPos(), flags);
}

// Tab walks towards the top, Shift+Tab towards the bottom; past either end
// nothing is selected, and from nothing the walk starts at the far end.
void CycleSelection(CViewCore& view, bool backwards) {
  CZorvaDoc& doc = view.m_doc;
  const COwnedList<CArea>& list = doc.m_listArea;
  if (list.empty()) return;
  const size_t at = list.IndexOf(doc.m_pSelArea);
  CArea* next = nullptr;
  if (at == list.npos)
    next = backwards ? list.back() : list.front();
  else if (backwards)
    next = at == 0 ? nullptr : list.At(at - 1);
  else
    next = at + 1 == list.size() ? nullptr : list.At(at + 1);
  ShowSelectionCleared(view);
  ShowSelected(view, next);
}

void CycleImageMode(CViewCore& view) {
  switch (view.m_canvas.m_imageMode) {
    case ImageMode::Show: view.m_canvas.m_imageMode = ImageMode::Light; break;
    case ImageMode::Light: view.m_canvas.m_imageMode = ImageMode::Hidden; break;
    case ImageMode::Hidden: view.m_canvas.m_imageMode = ImageMode::Show; break;
  }
  view.m_canvas.Invalidate(true);
}

// Alt turns an arrow drag that can copy (a move, a vertex drag of a polygon,
// a guide drag) into a copying one.
bool DragCanCopy(CViewCore& view) {
  const CZorvaDoc& doc = view.m_doc;
  if (view.m_toolState.Is(GestureKind::AreaMove) || view.m_toolState.Is(GestureKind::GuideDrag)) return true;
  if (view.m_toolState.Is(GestureKind::PointDrag) && doc.m_pSelArea &&
      doc.m_pSelArea->m_nType != AREA_RECT && doc.m_pSelArea->m_nType != AREA_ELLIPSE)
    return true;
  return doc.m_pSelGuide && !view.PressedRuler();
}

// A key that acts on the selection or the tool would pull the ground from
// under a running gesture: the gesture ends first, as for a command.
void EndGestureFirst(CViewCore& view) {
  if (view.HasCapture()) view.CancelGesture();
}

// An arrow key's step in picture pixels: one, or ten with Shift.
bool ArrowStep(const CViewCore& view, unsigned vk, int& dx, int& dy) {
  const int step = view.m_host.IsKeyDown(VK_SHIFT) ? 10 : 1;
  dx = dy = 0;
  switch (vk) {
    case VK_LEFT: dx = -step; return true;
    case VK_RIGHT: dx = step; return true;
    case VK_UP: dy = -step; return true;
    case VK_DOWN: dy = step; return true;
    default: return false;
  }
}

}  // namespace

void CViewKeys::OnKeyDown(unsigned vk, bool repeat) {
  const CViewCore::CEventScope event(m_view, false);
  int dx = 0, dy = 0;
  if (ArrowStep(m_view, vk, dx, dy)) {
    // Held down, the key repeats; the whole run is one step to undo.
    if (m_view.HasCapture()) return;
    NudgeSelected(m_view, dx, dy, repeat && m_nudgeKey == vk);
    m_nudgeKey = vk;
    return;
  }
  if (repeat) return;
  const ToolId tool = m_view.CurrentTool();
  switch (vk) {
    case VK_ESCAPE:
      // A drag ends as if never begun (the trace tool's press too, as a
      // right press takes it back); between the clicks of a polygon the
      // polygon ends as a right click ends it.
      if (m_view.HasCapture() || m_view.m_toolState.Is(GestureKind::RegionTrace)) {
        m_view.CancelGesture();
      } else if (m_view.m_toolState.Is(GestureKind::PolygonDraw)) {
        // Its end no longer selected, the next click starts a new polygon.
        m_view.m_toolState.Reset();
        m_view.m_doc.m_listSelPoint.clear();
        if (CArea* poly = m_view.m_doc.m_pSelArea) m_view.m_canvas.RepaintArea(*poly);
      }
      m_view.m_canvas.SetRubberBand(false);
      break;
    case VK_TAB:
      EndGestureFirst(m_view);
      m_view.m_canvas.SetRubberBand(false);
      CycleSelection(m_view, m_view.m_host.IsKeyDown(VK_SHIFT));
      break;
    case VK_SHIFT: PostMoveAtPointer(m_view, MK_LBUTTON | MK_SHIFT); break;
    case VK_CONTROL:
      if (!m_view.HasCapture()) FollowTemporaryToolKeys(true, m_view.m_host.IsKeyDown(VK_SPACE));
      break;
    case VK_MENU:
      if (tool == ID_TOOL_ARROW) {
        if (DragCanCopy(m_view)) {
          m_view.m_toolState.copy = true;
          m_view.SetToolCursor(ID_TOOL_ARROW, m_view.m_toolState);
        }
      } else {
        // Alt changes what some tools' drags do, which their cursors show.
        m_view.SetToolCursor(tool, CToolState{});
      }
      PostMoveAtPointer(m_view, MK_LBUTTON | MK_ALT);
      break;
    case VK_SPACE:
      if (!m_view.HasCapture()) FollowTemporaryToolKeys(m_view.m_host.IsKeyDown(VK_CONTROL), true);
      break;
    case 'T':
      if (!m_view.m_host.IsKeyDown(VK_CONTROL)) break;
      EndGestureFirst(m_view);
      CycleImageMode(m_view);
      break;
    default:
      // A tool's digit (the tool table's keys); one that cannot be chosen has none.
      if (const CToolDescriptor* t = FindToolByKey(vk); t && t->CanBeChosen()) {
        EndGestureFirst(m_view);
        m_view.SelectTool(t->id);
      }
      break;
  }
}

void CViewKeys::OnKeyUp(unsigned vk) {
  const CViewCore::CEventScope event(m_view, false);
  if (vk == m_nudgeKey) m_nudgeKey = 0;
  const ToolId tool = m_view.CurrentTool();
  switch (vk) {
    case VK_CONTROL:
      if (!m_view.HasCapture()) FollowTemporaryToolKeys(false, m_view.m_host.IsKeyDown(VK_SPACE));
      break;
    case VK_MENU:
      if (tool == ID_TOOL_ARROW) {
        if (m_view.m_toolState.copy) {
          m_view.m_toolState.copy = false;
          m_view.SetToolCursor(ID_TOOL_ARROW, m_view.m_toolState);
        }
      } else {
        m_view.SetToolCursor(tool, CToolState{});
      }
      PostMoveAtPointer(m_view, MK_LBUTTON);
      break;
    case VK_SHIFT: PostMoveAtPointer(m_view, MK_LBUTTON); break;
    case VK_SPACE:
      if (!m_view.HasCapture()) FollowTemporaryToolKeys(m_view.m_host.IsKeyDown(VK_CONTROL), false);
      break;
    default: break;
  }
}

void CViewKeys::EndReleasedTemporaryTool() {
  // The keys were let go where the view could not see it; their state now
  // is what counts. A gesture still holding the mouse ends its own way.
  if (m_view.HasCapture()) return;
  // Nothing temporary is in force: no key can have been let go unseen; the
  // cursor still shows the tool, as ending a temporary tool would.
  const bool temporary = m_view.CurrentTool() != m_view.Tools().GetBaseTool() || m_view.m_bHandTool;
  if (!temporary && !m_view.m_toolState.copy) {
    const ToolId tool = m_view.CurrentTool();
    m_view.SetToolCursor(tool, tool == ID_TOOL_ARROW ? m_view.m_toolState : CToolState{});
    return;
  }
  if (!m_view.m_host.IsKeyDown(VK_MENU)) m_view.m_toolState.copy = false;
  if (m_view.m_host.IsKeyDown(VK_CONTROL) || m_view.m_host.IsKeyDown(VK_SPACE)) return;
  FollowTemporaryToolKeys(false, false);
}

void CViewKeys::FollowTemporaryToolKeys(bool ctrl, bool space) {
  // Ctrl gives the arrow, Space the hand, both the zoom; neither the tool
  // chosen in the tool box.
  const ToolId temporary = ctrl && space ? ID_TOOL_ZOOM : ctrl ? ID_TOOL_ARROW : space ? ID_TOOL_HAND : ID_TOOL_NONE;
  m_view.m_bHandTool = temporary == ID_TOOL_HAND;
  m_view.SetCurrentTool(temporary);
  const ToolId tool = m_view.CurrentTool();
  // Only the arrow's cursor shows a state (a drag that copies).
  m_view.SetToolCursor(tool, tool == ID_TOOL_ARROW ? m_view.m_toolState : CToolState{});
}
