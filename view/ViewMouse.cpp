// Mouse input: client points become picture points and go to whoever owns
// the gesture (OwnerOfGesture): the hand, a ruler's new guide, a selected
// guide, or the current tool.
#include <cstdio>

#include "model/ZorvaDoc.h"
#include "view/Ruler.h"
#include "view/Tool.h"
#include "view/ZorvaView.h"

namespace {

void EndRulerPresses(CRuler* top, CRuler* left) {
  for (CRuler* r : {top, left})
    if (r) r->m_bPressed = false;
}

}  // namespace

CZorvaView::GestureOwner CZorvaView::OwnerOfGesture(bool buttonHeld) {
  if (m_bHandTool) return GestureOwner::Hand;
  if (PressedRuler() && buttonHeld && m_bShowGuides) return GestureOwner::Ruler;
  if (m_doc.m_pSelGuide && m_bShowGuides) return GestureOwner::Guide;
  if (m_doc.m_pSelArea) return GestureOwner::AreaTool;
  return GestureOwner::None;
}

void CZorvaView::OnLButtonDown(unsigned flags, const CPoint& client) {
  // A second press inside a gesture (a lost release) must not start another
  // working copy over the first.
  CancelGesture();
  // A window given back without its focus (a closed dialog, no window
  // manager to activate it) has its first press before its focus event.
  EndReleasedTemporaryTool();
  m_clipboard.m_ptPasteOffset = CPoint(20, 20);
  EndRulerPresses(Ruler(false), Ruler(true));
  const CPoint p = ToPicture(client);
  if (m_bHandTool) {
    OnToolHand(client.x, client.y, ToolPhase::Press);
    return;
  }
  if (CTool* tool = Tool(m_frame.GetCurrentTool())) {
    tool->Press(flags, p);
    if (tool->CapturesOnPress()) m_host.SetCapture();
  }
  UpdatePanel(-1, true);
}

void CZorvaView::OnMouseMove(unsigned flags, const CPoint& client) {
  if (m_host.IsKeyDown(VK_MENU)) flags |= MK_ALT;
  const CPoint p = ToPicture(client);
  const int toolId = m_frame.GetCurrentTool();
  const bool holding = m_host.HasCapture();
  switch (OwnerOfGesture((flags & MK_LBUTTON) != 0)) {
    case GestureOwner::Hand:
      if (holding) OnToolHand(client.x, client.y, ToolPhase::Move);
      break;
    case GestureOwner::Ruler:
      // The top ruler pulls a horizontal guide.
      OnRulerGuide(PressedRuler() == Ruler(false), p.x, p.y, ToolPhase::Move);
      break;
    case GestureOwner::Guide:
      if (toolId == ID_TOOL_ARROW && holding) {
        OnSetCursor();
        OnToolGuide(flags, p.x, p.y, ToolPhase::Move);
      }
      break;
    case GestureOwner::AreaTool:
      if (holding) {
        if (toolId == ID_TOOL_ARROW) OnSetCursor();
        if (CTool* tool = Tool(toolId)) tool->Move(flags, p);
      }
      break;
    case GestureOwner::None: break;
  }
  char text[40];
  std::snprintf(text, sizeof text, "X:%d Y:%d", p.x, p.y);
  m_frame.SetStatusPane(1, text);
}

void CZorvaView::OnLButtonUp(unsigned flags, const CPoint& client) {
  if (m_host.IsKeyDown(VK_MENU)) flags |= MK_ALT;
  const CPoint p = ToPicture(client);
  const bool holding = m_host.HasCapture();
  switch (OwnerOfGesture(true)) {
    case GestureOwner::Hand:
      if (holding) {
        OnToolHand(client.x, client.y, ToolPhase::Release);
        m_host.ReleaseCapture();
      }
      break;
    case GestureOwner::Ruler:
      OnRulerGuide(PressedRuler() == Ruler(false), p.x, p.y, ToolPhase::Release);
      break;
    case GestureOwner::Guide:
      if (holding) {
        OnToolGuide(flags, p.x, p.y, ToolPhase::Release);
        m_host.ReleaseCapture();
      }
      break;
    case GestureOwner::AreaTool:
      if (holding) {
        if (CTool* tool = Tool(m_frame.GetCurrentTool())) tool->Release(flags, p);
        m_host.ReleaseCapture();
      }
      UpdatePanel(-1, true);
      if (!m_host.IsKeyDown(VK_CONTROL)) m_frame.SetCurrentTool(0);
      if (m_doc.m_pSelArea) m_doc.m_pSelArea->UpdateHtmlShape(true);
      break;
    case GestureOwner::None: break;
  }
  if (CTool* tool = Tool(m_frame.GetCurrentTool())) tool->Click(flags, p);
  m_doc.m_pSelGuide = nullptr;
  // A release ends every ruler press, also one the hand tool took over: a
  // press left standing would make the next synthetic move (they carry the
  // left-button flag) pull a guide out of nowhere.
  EndRulerPresses(Ruler(false), Ruler(true));
}

void CZorvaView::OnRButtonDown(unsigned flags, const CPoint& client) {
  if (!m_doc.m_pSelArea) return;
  if (CTool* tool = Tool(m_frame.GetCurrentTool())) {
    const bool holding = m_host.HasCapture();
    if (tool->RightPressCancels(holding, m_nToolState)) {
      tool->Cancel(ToPicture(client));
      m_host.ReleaseCapture();
    } else if (!holding) {
      tool->RightPressIdle();
    }
  }
  (void)flags;
  UpdatePanel(-1, true);
}

void CZorvaView::OnRulerPress(bool vertical) {
  if (CRuler* r = Ruler(vertical)) r->m_bPressed = true;
}

CRuler* CZorvaView::PressedRuler() {
  for (bool vertical : {false, true})
    if (CRuler* r = Ruler(vertical); r && r->m_bPressed) return r;
  return nullptr;
}

void CZorvaView::CancelGesture() {
  if (!m_host.HasCapture()) return;
  CRuler* pressed = PressedRuler();
  switch (OwnerOfGesture(true)) {
    case GestureOwner::Hand: break;  // nothing to undo: the scrolling stays where it got to
    case GestureOwner::Ruler:
      if (CGuide* guide = m_doc.m_pSelGuide) {
        // A guide on its way out of a ruler: it was never recorded.
        DrawGuide(*guide, R2_XORPEN);
        m_doc.m_listGuide.remove(guide);
        delete guide;
        m_doc.m_pSelGuide = nullptr;
        pressed->m_bPressed = false;
        break;
      }
      [[fallthrough]];
    case GestureOwner::Guide:
      if (!m_doc.m_pSelGuide) break;
      if (m_pWorkGuide) {
        DrawGuide(*m_pWorkGuide, R2_XORPEN);  // its image is up from the press on
        delete m_pWorkGuide;
        m_pWorkGuide = nullptr;
      }
      m_doc.m_pSelGuide = nullptr;
      m_nToolState = 0;
      break;
    case GestureOwner::AreaTool:
      // The rectangle, ellipse and line tools hold the capture only in state
      // 1, so a right press cancels every gesture that holds it.
      if (CTool* tool = Tool(m_frame.GetCurrentTool())) tool->Cancel(ToPicture(m_host.GetPointerPos()));
      break;
    case GestureOwner::None: break;
  }
  m_bDragStarted = false;
  if (m_host.HasCapture()) m_host.ReleaseCapture();
}
