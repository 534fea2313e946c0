// The cursor shows the tool and what its modifier does; the view sets it at
// every cursor request, as its window has no cursor of its own.
#include "view/ZorvaView.h"

void CZorvaView::SetToolCursor(int tool, int state) {
  const bool alt = m_host.IsKeyDown(VK_MENU);
  switch (tool) {
    case ID_TOOL_ARROW:
      m_host.SetCursor((state & DRAG_COPY) ? ViewCursor::ArrowCopy : ViewCursor::Arrow);
      break;
    case ID_TOOL_RECT:
    case ID_TOOL_ELLIPSE:
      m_host.SetCursor(alt ? ViewCursor::CrossCentre : ViewCursor::Cross);
      break;
    case ID_TOOL_POLYGON:
    case ID_TOOL_LINE:
    case ID_TOOL_BEZIER:
    case ID_TOOL_FREEHAND: m_host.SetCursor(ViewCursor::Cross); break;
    case ID_TOOL_ZOOM: m_host.SetCursor(alt ? ViewCursor::ZoomOut : ViewCursor::ZoomIn); break;
    case ID_TOOL_HAND: m_host.SetCursor(ViewCursor::Hand); break;
    default: break;
  }
}

void CZorvaView::OnSetCursor() { SetToolCursor(m_frame.GetCurrentTool(), m_nToolState); }
