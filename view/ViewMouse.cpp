// Mouse input: client points become picture points and go to the handler of
// the frame's current tool with a phase; rulers and guides come first.
#include <cstdio>

#include "model/ZorvaDoc.h"
#include "view/Ruler.h"
#include "view/ZorvaView.h"

namespace {

void EndRulerPresses(CRuler* top, CRuler* left) {
  for (CRuler* r : {top, left})
    if (r) r->m_bPressed = false;
}

}  // namespace

void CZorvaView::CallTool(int tool, unsigned flags, const CPoint& p, int phase) {
  const CPoint s = GetScroll();
  switch (tool) {
    case ID_TOOL_ARROW: OnToolArrow(flags, p.x, p.y, s.x, s.y, phase); break;
    case ID_TOOL_RECT: OnToolRect(flags, p.x, p.y, s.x, s.y, phase); break;
    case ID_TOOL_ELLIPSE: OnToolEllipse(flags, p.x, p.y, s.x, s.y, phase); break;
    case ID_TOOL_POLYGON: OnToolPolygon(flags, p.x, p.y, s.x, s.y, phase); break;
    case ID_TOOL_LINE: OnToolLine(flags, p.x, p.y, s.x, s.y, phase); break;
    case ID_TOOL_FREEHAND: OnToolFreehand(flags, p.x, p.y, s.x, s.y, phase); break;
    default: break;  // Bezier and zoom have no gesture handler
  }
}

void CZorvaView::OnLButtonDown(unsigned flags, const CPoint& client) {
  // A second press inside a gesture (a lost release) must not start another
  // working copy over the first.
  CancelGesture();
  // A window given back without its focus (a closed dialog, no window
  // manager to activate it) has its first press before its focus event.
  EndReleasedTemporaryTool();
  m_ptPasteOffset = CPoint(20, 20);
  EndRulerPresses(Ruler(false), Ruler(true));
  const CPoint p = ToPicture(client);
  const CPoint s = GetScroll();
  if (m_doc.m_bHandTool) {
    OnToolHand(client.x, client.y, TOOL_PRESS);
    return;
  }
  const int tool = m_frame.GetCurrentTool();
  switch (tool) {
    case ID_TOOL_ARROW:
      OnToolArrow(flags, p.x, p.y, s.x, s.y, TOOL_PRESS);
      if (m_bShowGuides) OnToolGuide(flags, p.x, p.y, s.x, s.y, TOOL_PRESS);
      break;
    case ID_TOOL_RECT:
    case ID_TOOL_ELLIPSE:
    case ID_TOOL_POLYGON:
    case ID_TOOL_LINE:
    case ID_TOOL_FREEHAND:
      CallTool(tool, flags, p, TOOL_PRESS);
      m_host.SetCapture();
      break;
    default:
      break;
  }
  UpdatePanel(-1, true);
}

void CZorvaView::OnMouseMove(unsigned flags, const CPoint& client) {
  if (m_host.IsKeyDown(VK_MENU)) flags |= MK_ALT;
  const CPoint p = ToPicture(client);
  const CPoint s = GetScroll();
  CRuler* ruler = PressedRuler();
  const int tool = m_frame.GetCurrentTool();
  if (m_doc.m_bHandTool) {
    if (m_host.HasCapture()) OnToolHand(client.x, client.y, TOOL_MOVE);
  } else if (ruler && (flags & MK_LBUTTON) && m_bShowGuides) {
    // The top ruler pulls a horizontal guide.
    OnRulerGuide(ruler == Ruler(false), p.x, p.y, s.x, s.y, TOOL_MOVE);
  } else if (m_doc.m_pSelGuide && m_bShowGuides) {
    if (tool == ID_TOOL_ARROW && m_host.HasCapture()) {
      OnSetCursor();
      OnToolGuide(flags, p.x, p.y, s.x, s.y, TOOL_MOVE);
    }
  } else if (m_doc.m_pSelArea) {
    if (m_host.HasCapture()) {
      if (tool == ID_TOOL_ARROW) OnSetCursor();
      CallTool(tool, flags, p, TOOL_MOVE);
    }
  }
  char text[40];
  std::snprintf(text, sizeof text, "X:%d Y:%d", p.x, p.y);
  m_frame.SetStatusPane(1, text);
}

void CZorvaView::OnLButtonUp(unsigned flags, const CPoint& client) {
  if (m_host.IsKeyDown(VK_MENU)) flags |= MK_ALT;
  const CPoint p = ToPicture(client);
  const CPoint s = GetScroll();
  CRuler* ruler = PressedRuler();
  const int tool = m_frame.GetCurrentTool();
  if (m_doc.m_bHandTool) {
    if (m_host.HasCapture()) {
      OnToolHand(client.x, client.y, TOOL_RELEASE);
      m_host.ReleaseCapture();
    }
  } else if (ruler && m_bShowGuides) {
    OnRulerGuide(ruler == Ruler(false), p.x, p.y, s.x, s.y, TOOL_RELEASE);
  } else if (m_doc.m_pSelGuide && m_bShowGuides) {
    if (m_host.HasCapture()) {
      OnToolGuide(flags, p.x, p.y, s.x, s.y, TOOL_RELEASE);
      m_host.ReleaseCapture();
    }
  } else if (m_doc.m_pSelArea) {
    if (m_host.HasCapture()) {
      CallTool(tool, flags, p, TOOL_RELEASE);
      m_host.ReleaseCapture();
    }
    UpdatePanel(-1, true);
    if (!m_host.IsKeyDown(VK_CONTROL)) m_frame.SetCurrentTool(0);
    if (m_doc.m_pSelArea) m_doc.m_pSelArea->UpdateHtmlShape(true);
  }
  if (m_frame.GetCurrentTool() == ID_TOOL_ZOOM) ZoomToolStep(p, (flags & MK_ALT) != 0);
  m_doc.m_pSelGuide = nullptr;
  // A release ends every ruler press, also one the hand tool took over: a
  // press left standing would make the next synthetic move (they carry the
  // left-button flag) pull a guide out of nowhere.
  EndRulerPresses(Ruler(false), Ruler(true));
}

void CZorvaView::OnRButtonDown(unsigned flags, const CPoint& client) {
  if (!m_doc.m_pSelArea) return;
  const CPoint p = ToPicture(client);
  const int tool = m_frame.GetCurrentTool();
  const bool captured = m_host.HasCapture();
  switch (tool) {
    case ID_TOOL_ARROW:
    case ID_TOOL_FREEHAND:
      if (captured) {
        CallTool(tool, flags, p, TOOL_CANCEL);
        m_host.ReleaseCapture();
      }
      break;
    case ID_TOOL_RECT:
    case ID_TOOL_ELLIPSE:
    case ID_TOOL_LINE:
      if (captured && m_nToolState == 1) {
        CallTool(tool, flags, p, TOOL_CANCEL);
        m_host.ReleaseCapture();
      }
      break;
    case ID_TOOL_POLYGON:
      if (captured) {
        CallTool(tool, flags, p, TOOL_CANCEL);
        m_host.ReleaseCapture();
      } else if (m_nToolState == 2) {
        m_nToolState = 0;
      }
      break;
    default:
      break;
  }
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
  if (m_doc.m_bHandTool) {
    // Nothing to undo: the scrolling stays where it got to.
  } else if (pressed && m_doc.m_pSelGuide) {
    // A guide on its way out of a ruler: it was never recorded.
    CGuide* guide = m_doc.m_pSelGuide;
    DrawGuide(*guide, R2_XORPEN);
    m_doc.m_listGuide.remove(guide);
    delete guide;
    m_doc.m_pSelGuide = nullptr;
    pressed->m_bPressed = false;
  } else if (m_doc.m_pSelGuide) {
    if (m_doc.m_pWorkGuide) {
      DrawGuide(*m_doc.m_pWorkGuide, R2_XORPEN);  // its image is up from the press on
      delete m_doc.m_pWorkGuide;
      m_doc.m_pWorkGuide = nullptr;
    }
    m_doc.m_pSelGuide = nullptr;
    m_nToolState = 0;
  } else if (m_doc.m_pSelArea) {
    const int tool = m_frame.GetCurrentTool();
    // The rectangle, ellipse and line tools hold the capture only in state 1,
    // so a right press cancels every gesture that holds it.
    CallTool(tool, 0, ToPicture(m_host.GetPointerPos()), TOOL_CANCEL);
  }
  m_bDragStarted = false;
  if (m_host.HasCapture()) m_host.ReleaseCapture();
}
