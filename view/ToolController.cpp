// The tool controller: the view's pointer tools, and each gesture's pointer
// events routed to whoever owns it (OwnerOfGesture): the hand, a ruler's new
// guide, a selected guide, or the current tool.
#include "view/ToolController.h"

#include <cstdio>

#include "model/ZorvaDoc.h"
#include "view/GuideTool.h"
#include "view/Ruler.h"
#include "view/Tool.h"
#include "view/ViewKeys.h"
#include "view/ViewCore.h"

namespace {

void EndRulerPresses(CRuler* top, CRuler* left) {
  for (CRuler* r : {top, left})
    if (r) r->m_bPressed = false;
}

}  // namespace

CToolController::CToolController(CViewCore& view) : m_view(view) {
  for (auto& [id, tool] : MakeTools(view)) m_tools.emplace(id, std::move(tool));
}

CToolController::~CToolController() = default;

CTool* CToolController::Tool(ToolId id) const {
  const auto it = m_tools.find(id);
  return it == m_tools.end() ? nullptr : it->second.get();
}

CToolController::GestureOwner CToolController::OwnerOfGesture(bool buttonHeld) {
  if (m_view.m_bHandTool) return GestureOwner::Hand;
  if (m_view.PressedRuler() && buttonHeld && m_view.m_canvas.m_bShowGuides) return GestureOwner::Ruler;
  if (m_view.m_doc.m_pSelGuide && m_view.m_canvas.m_bShowGuides) return GestureOwner::Guide;
  if (m_view.m_doc.m_pSelArea) return GestureOwner::AreaTool;
  return GestureOwner::None;
}

void CToolController::OnLButtonDown(unsigned flags, const CPoint& client) {
  // A second press inside a gesture (a lost release) must not start another
  // working copy over the first.
  CancelGesture();
  // The press draws the edge itself; the segment that stood for it goes.
  m_view.m_canvas.SetRubberBand(false);
  // A window given back without its focus (a closed dialog, no window
  // manager to activate it) has its first press before its focus event.
  m_view.m_keys->EndReleasedTemporaryTool();
  m_view.m_clipboard.m_ptPasteOffset = CPoint(20, 20);
  EndRulerPresses(m_view.RulerOf(false), m_view.RulerOf(true));
  const CPoint p = m_view.m_coords.ToPicture(client);
  if (m_view.m_bHandTool) {
    m_view.OnToolHand(client.x, client.y, ToolPhase::Press);
    return;
  }
  if (CTool* tool = Tool(m_view.CurrentTool())) {
    tool->Press(flags, p);
    if (tool->CapturesOnPress()) m_view.Capture();
  }
}

void CToolController::OnMouseMove(unsigned flags, const CPoint& client) {
  if (m_view.m_host.IsKeyDown(VK_MENU)) flags |= MK_ALT;
  const CPoint p = m_view.m_coords.ToPicture(client);
  const ToolId toolId = m_view.CurrentTool();
  const bool holding = m_view.HasCapture();
  switch (OwnerOfGesture((flags & MK_LBUTTON) != 0)) {
    case GestureOwner::Hand:
      if (holding) m_view.OnToolHand(client.x, client.y, ToolPhase::Move);
      break;
    case GestureOwner::Ruler:
      // The top ruler pulls a horizontal guide.
      m_view.m_guideTool->OnRulerGuide(m_view.PressedRuler() == m_view.RulerOf(false), p.x, p.y, ToolPhase::Move);
      break;
    case GestureOwner::Guide:
      if (toolId == ID_TOOL_ARROW && holding) {
        m_view.OnSetCursor();
        m_view.m_guideTool->OnToolGuide(flags, p.x, p.y, ToolPhase::Move);
      }
      break;
    case GestureOwner::AreaTool:
      if (holding) {
        if (toolId == ID_TOOL_ARROW) m_view.OnSetCursor();
        if (CTool* tool = Tool(toolId)) tool->Move(flags, p);
      }
      break;
    case GestureOwner::None: break;
  }
  FollowRubberBand(holding, p);
  char text[40];
  std::snprintf(text, sizeof text, "X:%d Y:%d", p.x, p.y);
  m_view.m_frame.SetStatusPane(1, text);
}

void CToolController::FollowRubberBand(bool holding, CPoint p) {
  // Between the clicks that place a polygon's vertices, the next edge
  // follows the pointer from the vertex placed last.
  const CArea* poly = m_view.m_doc.m_pSelArea;
  const bool placing = !holding && m_view.CurrentTool() == ID_TOOL_POLYGON &&
                       m_view.m_toolState.Is(GestureKind::PolygonDraw) && poly && poly->m_nType == AREA_POLYGON &&
                       !poly->m_bClosed && !poly->m_listPoint.empty();
  if (placing) m_view.m_canvas.SetRubberBand(true, *poly->GetEndPoint(), p);
  else m_view.m_canvas.SetRubberBand(false);
}

void CToolController::OnLButtonUp(unsigned flags, const CPoint& client) {
  if (m_view.m_host.IsKeyDown(VK_MENU)) flags |= MK_ALT;
  const CPoint p = m_view.m_coords.ToPicture(client);
  const bool holding = m_view.HasCapture();
  switch (OwnerOfGesture(true)) {
    case GestureOwner::Hand:
      if (holding) {
        m_view.OnToolHand(client.x, client.y, ToolPhase::Release);
        m_view.ReleaseCapture();
      }
      break;
    case GestureOwner::Ruler:
      m_view.m_guideTool->OnRulerGuide(m_view.PressedRuler() == m_view.RulerOf(false), p.x, p.y, ToolPhase::Release);
      break;
    case GestureOwner::Guide:
      if (holding) {
        m_view.m_guideTool->OnToolGuide(flags, p.x, p.y, ToolPhase::Release);
        m_view.ReleaseCapture();
      }
      break;
    case GestureOwner::AreaTool:
      if (holding) {
        if (CTool* tool = Tool(m_view.CurrentTool())) tool->Release(flags, p);
        m_view.ReleaseCapture();
      }
      // Ctrl let go during the drag ends its arrow now (asked only when a
      // temporary tool is current).
      if (m_view.CurrentTool() != m_view.Tools().GetBaseTool() && !m_view.m_host.IsKeyDown(VK_CONTROL))
        m_view.SetCurrentTool(ID_TOOL_NONE);
      if (m_view.m_doc.m_pSelArea) m_view.m_doc.m_pSelArea->UpdateHtmlShape(true);
      break;
    case GestureOwner::None: break;
  }
  if (CTool* tool = Tool(m_view.CurrentTool())) tool->Click(flags, p);
  m_view.m_doc.m_pSelGuide = nullptr;
  // A release ends every ruler press, also one the hand tool took over: a
  // press left standing would make the next synthetic move (they carry the
  // left-button flag) pull a guide out of nowhere.
  EndRulerPresses(m_view.RulerOf(false), m_view.RulerOf(true));
}

void CToolController::OnRButtonDown(unsigned, const CPoint& client) {
  m_view.m_canvas.SetRubberBand(false);
  if (!m_view.m_doc.m_pSelArea) return;
  if (CTool* tool = Tool(m_view.CurrentTool())) {
    const bool holding = m_view.HasCapture();
    if (tool->RightPressCancels(holding, m_view.m_toolState)) {
      tool->Cancel(m_view.m_coords.ToPicture(client));
      m_view.ReleaseCapture();
    } else if (!holding) {
      tool->RightPressIdle();
    }
  }
}

void CToolController::CancelGesture() {
  if (!m_view.HasCapture()) return;
  CRuler* pressed = m_view.PressedRuler();
  switch (OwnerOfGesture(true)) {
    case GestureOwner::Hand: break;  // nothing to undo: the scrolling stays where it got to
    case GestureOwner::Ruler: m_view.m_guideTool->Cancel(pressed); break;
    case GestureOwner::Guide: m_view.m_guideTool->Cancel(nullptr); break;
    case GestureOwner::AreaTool:
      // The rectangle, ellipse and line tools hold the capture only in state
      // 1, so a right press cancels every gesture that holds it.
      if (CTool* tool = Tool(m_view.CurrentTool())) tool->Cancel(m_view.m_coords.ToPicture(m_view.m_host.GetPointerPos()));
      break;
    case GestureOwner::None: break;
  }
  m_view.m_bDragStarted = false;
  if (m_view.HasCapture()) m_view.ReleaseCapture();
}
