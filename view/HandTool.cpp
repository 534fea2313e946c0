// The temporary hand tool (Space held): dragging scrolls the view. It works
// in client pixels, since the picture moves under the pointer.
#include "model/ZorvaDoc.h"
#include "view/Ruler.h"
#include "view/ZorvaView.h"

namespace {

// `d` window pixels, cut to whole picture pixels at `zoom` (towards zero), so
// that the picture never scrolls by part of one of its pixels.
int32_t WholePicturePixels(int32_t d, Zoom zoom) {
  return int32_t(zoom.WindowLength(zoom.PictureLength(d)));
}

}  // namespace

void CZorvaView::OnToolHand(int32_t x, int32_t y, ToolPhase phase) {
  switch (phase) {
    case ToolPhase::Press: {
      const CSize client = m_host.GetClientSize();
      // Nothing to scroll when the whole picture is in view.
      if (m_coords.m_sizeTotal.cx <= client.cx && m_coords.m_sizeTotal.cy <= client.cy) return;
      m_ptHandLast = CPoint(x, y);
      m_host.SetCapture();
      break;
    }
    case ToolPhase::Move: {
      const int32_t dx = WholePicturePixels(x - m_ptHandLast.x, m_coords.m_zoom);
      const int32_t dy = WholePicturePixels(y - m_ptHandLast.y, m_coords.m_zoom);
      ScrollBy(-dx, -dy);
      if (dx != 0 || dy != 0) m_ptHandLast = CPoint(x, y);
      break;
    }
    case ToolPhase::Release: {
      // The rulers took every step of the drag as it scrolled.
      m_bHandTool = m_host.IsKeyDown(VK_SPACE);
      if (!m_bHandTool) {
        // Space came up during the drag, when its key-up could not end the
        // temporary tool; without this the hand would stay current and
        // every later press would do nothing.
        m_frame.SetCurrentTool(m_host.IsKeyDown(VK_CONTROL) ? ID_TOOL_ARROW : 0);
        SetToolCursor(m_frame.GetCurrentTool(), m_nToolState);
      }
      break;
    }
    default:
      break;
  }
}
