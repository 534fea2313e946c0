// The view's own state and what it does without its pieces: zoom and
// scrolling, the cursor, the temporary hand, the rulers' presses.
#include "view/ViewCore.h"

#include <algorithm>

#include "model/ZorvaDoc.h"
#include "view/PaintPass.h"
#include "view/Ruler.h"
#include "view/Tool.h"
#include "view/ToolTable.h"

CViewCore::CViewCore(CZorvaDoc& doc, IViewHost& host, IViewFrame& frame, IPropertyPanel* panel)
    : m_doc(doc), m_host(host), m_frame(frame), m_pPropertyPanel(panel), m_coords(host), m_canvas(doc, host, m_coords) {}

CViewCore::~CViewCore() {
  // A shape still being made is the view's and goes with it: the document
  // must not keep it selected, nor its points.
  if (m_pNewArea && m_doc.m_pSelArea == m_pNewArea.get()) {
    m_doc.ForgetPointsOf(*m_pNewArea);
    m_doc.SetSelArea(nullptr);
  }
}

CViewCore::CEventScope::CEventScope(CViewCore& view, bool panelToo) : m_view(view) {
  ++m_view.m_nEventDepth;
  if (panelToo) m_view.m_bPanelDirty = true;
  m_view.m_canvas.HoldShows();
}

CViewCore::CEventScope::~CEventScope() {
  if (--m_view.m_nEventDepth == 0 && m_view.m_bPanelDirty) {
    m_view.m_bPanelDirty = false;
    if (m_view.m_syncPanel) m_view.m_syncPanel();
  }
  m_view.m_canvas.ReleaseShows();
}

CRuler* CViewCore::Ruler(bool vertical) {
  CRuler*& r = m_pRulers[vertical ? 1 : 0];
  if (!r) r = m_frame.GetRuler(vertical);
  return r;
}

void CViewCore::TellTools(const CToolSelection& before) {
  if (before.GetCurrentTool() != m_tools.GetCurrentTool() || before.GetBaseTool() != m_tools.GetBaseTool())
    m_frame.ToolChanged(m_tools.GetCurrentTool(), m_tools.GetBaseTool());
}

void CViewCore::SetCurrentTool(ToolId code) {
  const CToolSelection before = m_tools;
  m_tools.SetCurrentTool(code);
  TellTools(before);
}

void CViewCore::SelectTool(ToolId code) {
  const CToolSelection before = m_tools;
  m_tools.SelectTool(code);
  TellTools(before);
}

void CViewCore::ChooseTool(ToolId code) {
  const CToolSelection before = m_tools;
  m_tools.ChooseTool(code);
  TellTools(before);
}

void CViewCore::Capture() {
  m_bCaptured = true;
  m_host.SetCapture();
}

void CViewCore::ReleaseCapture() {
  m_bCaptured = false;
  m_host.ReleaseCapture();
}

void CViewCore::PanelTouched() {
  if (m_nEventDepth > 0) {
    m_bPanelDirty = true;
  } else if (m_syncPanel) {
    m_syncPanel();
  }
}

void CViewCore::UpdateScrollSizes() {
  const CSize picture = m_doc.m_sizePicture;
  const CSize client = m_coords.GetClientSize();
  m_coords.m_sizeTotal = ScrollTotalSize(picture, m_coords.m_zoom);
  // A line is ten picture pixels; the page is the client size truncated to
  // whole picture pixels, less one line.
  const int64_t line = 10 * int64_t(m_coords.m_zoom.num);
  auto pageOf = [&](int32_t client) {
    return Zoom::Clamp(m_coords.m_zoom.WindowLength(m_coords.m_zoom.PictureLength(client)) - line);
  };
  m_host.SetScrollSizes(m_coords.m_sizeTotal, CSize{pageOf(client.cx), pageOf(client.cy)},
                        CSize{Zoom::Clamp(line), Zoom::Clamp(line)});
  // A range that shrank may have moved a bar.
  m_coords.Learn();
  if (CRuler* r = Ruler(false)) r->SetLength(m_coords.m_sizeTotal.cx, m_coords.m_zoom);
  if (CRuler* r = Ruler(true)) r->SetLength(m_coords.m_sizeTotal.cy, m_coords.m_zoom);
}

void CViewCore::GiveRulersOffsets() {
  const CPoint s = m_coords.GetScroll();
  if (CRuler* r = Ruler(false)) r->SetOffset(s.x);
  if (CRuler* r = Ruler(true)) r->SetOffset(s.y);
}

void CViewCore::ZoomAndCentre(const CPoint& p) {
  UpdateScrollSizes();
  const CSize client = m_coords.GetClientSize();
  auto centre = [](int64_t c, int32_t window, int32_t total) -> int32_t {
    const int64_t v = c - window / 2;
    if (window > total || v < 0) return 0;
    return Zoom::Clamp(std::min<int64_t>(v, int64_t(total) - window));
  };
  const int32_t x = centre(m_coords.m_zoom.WindowLength(p.x), client.cx, m_coords.m_sizeTotal.cx);
  const int32_t y = centre(m_coords.m_zoom.WindowLength(p.y), client.cy, m_coords.m_sizeTotal.cy);
  m_host.ScrollToPosition(CPoint(x, y));
  // The scroll may not have moved, but the rulers' scale did.
  GiveRulersOffsets();
  m_canvas.Invalidate(true);
  m_frame.SetZoomComboIndex(m_coords.m_zoom == kZoom200 ? 0 : m_coords.m_zoom == kZoom100 ? 1 : 2);
}

void CViewCore::SetZoomKeepCentre(Zoom zoom) {
  const CSize client = m_coords.GetClientSize();
  const CPoint s = m_coords.GetScroll();
  const CPoint p = CViewCoords::WindowToPicture(client.cx / 2, client.cy / 2, s.x, s.y, m_coords.m_zoom);
  m_coords.m_zoom = zoom;
  ZoomAndCentre(p);
}

void CViewCore::ZoomToolStep(const CPoint& p, bool alt) {
  int32_t num = m_coords.m_zoom.num, den = m_coords.m_zoom.den;
  if (num == 1 && den == 1) {
    if (alt) den = 2;
    else num = 2;
  } else if (num == 1) {
    if (!alt) --den;
    else if (den < 2) ++den;
  } else {
    if (alt) --num;
    else if (num < 2) ++num;
  }
  m_coords.m_zoom = Zoom{num, den};
  ZoomAndCentre(p);
}

void CViewCore::OnSize() {
  m_coords.Learn();
  m_canvas.OnSize();
  UpdateScrollSizes();
  OnScrolled();
  m_canvas.Invalidate(true);
}

void CViewCore::OnScrolled() {
  m_coords.Learn();
  if (!m_canvas.OnScrolled()) return;
  // Hidden rulers follow too: they show this offset when they come back.
  GiveRulersOffsets();
}

void CViewCore::ScrollBy(int32_t dx, int32_t dy) {
  const CPoint s = m_coords.GetScroll();
  m_host.ScrollToPosition(CPoint(Zoom::Clamp(int64_t(s.x) + dx), Zoom::Clamp(int64_t(s.y) + dy)));
}

// The cursor shows the tool and what its modifier does; the view sets it at
// every cursor request, as its window has no cursor of its own.
void CViewCore::SetToolCursor(ToolId tool, const CToolState& state) {
  if (const CTool* t = m_toolOf ? m_toolOf(tool) : nullptr) {
    // Alt is asked for only when it would change the cursor.
    const ViewCursor plain = t->Cursor(false, state);
    ShowCursor(plain == t->Cursor(true, state) ? plain : t->Cursor(m_host.IsKeyDown(VK_MENU), state));
    return;
  }
  // A tool without a pointer tool of its own (the temporary hand).
  if (const CToolDescriptor* d = FindTool(tool)) ShowCursor(d->cursor);
}

void CViewCore::ShowCursor(ViewCursor cursor) {
  if (m_bCursorShown && m_cursorShown == cursor) return;
  m_cursorShown = cursor;
  m_bCursorShown = true;
  m_host.SetCursor(cursor);
}

void CViewCore::OnSetCursor() { SetToolCursor(CurrentTool(), m_toolState); }

// The temporary hand tool (Space held): dragging scrolls the view. It works
// in client pixels, since the picture moves under the pointer.
namespace {

// `d` window pixels, cut to whole picture pixels at `zoom` (towards zero), so
// that the picture never scrolls by part of one of its pixels.
int32_t WholePicturePixels(int32_t d, Zoom zoom) {
  return int32_t(zoom.WindowLength(zoom.PictureLength(d)));
}

}  // namespace

void CViewCore::OnToolHand(int32_t x, int32_t y, ToolPhase phase) {
  switch (phase) {
    case ToolPhase::Press: {
      const CSize client = m_coords.GetClientSize();
      // Nothing to scroll when the whole picture is in view.
      if (m_coords.m_sizeTotal.cx <= client.cx && m_coords.m_sizeTotal.cy <= client.cy) return;
      m_ptHandLast = CPoint(x, y);
      Capture();
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
        SetCurrentTool(m_host.IsKeyDown(VK_CONTROL) ? ID_TOOL_ARROW : ID_TOOL_NONE);
        SetToolCursor(CurrentTool(), m_toolState);
      }
      break;
    }
    default:
      break;
  }
}

// A ruler knows it is pressed until the release, so a drag out of it makes a guide.
void CViewCore::OnRulerPress(bool vertical) {
  if (CRuler* r = Ruler(vertical)) r->m_bPressed = true;
}

CRuler* CViewCore::PressedRuler() {
  for (bool vertical : {false, true})
    if (CRuler* r = Ruler(vertical); r && r->m_bPressed) return r;
  return nullptr;
}
