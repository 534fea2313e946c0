// The cursor shows the tool and what its modifier does; the view sets it at
// every cursor request, as its window has no cursor of its own.
#include "view/Tool.h"
#include "view/ZorvaView.h"

void CZorvaView::SetToolCursor(int tool, int state) {
  if (const CTool* t = Tool(tool)) {
    m_host.SetCursor(t->Cursor(m_host.IsKeyDown(VK_MENU), state));
    return;
  }
  // The two without a pointer tool of their own.
  if (tool == ID_TOOL_BEZIER) m_host.SetCursor(ViewCursor::Cross);
  if (tool == ID_TOOL_HAND) m_host.SetCursor(ViewCursor::Hand);
}

void CZorvaView::OnSetCursor() { SetToolCursor(m_frame.GetCurrentTool(), m_nToolState); }
