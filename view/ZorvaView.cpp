// The editing view itself: its construction and the pointer events it hands
// to its tool controller; zoom, scrolling and the document's updates; the
// commands it handles; the cursor; the temporary hand.
#include "view/ZorvaView.h"

#include <algorithm>
#include <climits>
#include <limits>

#include "model/ZorvaDoc.h"
#include "view/EditCommands.h"
#include "view/GuideTool.h"
#include "view/PaintPass.h"
#include "view/Ruler.h"
#include "view/Tool.h"
#include "view/ToolController.h"
#include "view/ViewKeys.h"
#include "view/ViewPanel.h"

// The view's construction, and the pointer events it hands to its tool
// controller.
CZorvaView::CZorvaView(CZorvaDoc& doc, IViewHost& host, IViewFrame& frame, IPropertyPanel* panel)
    : m_doc(doc),
      m_host(host),
      m_frame(frame),
      m_pPropertyPanel(panel),
      m_coords(host),
      m_canvas(doc, host, m_coords),
      m_panel(std::make_unique<CViewPanel>(*this)),
      m_edit(std::make_unique<CEditCommands>(*this)),
      m_keys(std::make_unique<CViewKeys>(*this)),
      m_guideTool(std::make_unique<CGuideTool>(*this)),
      m_tools(std::make_unique<CToolController>(*this)) {}

CZorvaView::~CZorvaView() = default;

CTool* CZorvaView::Tool(int id) const { return m_tools->Tool(id); }
void CZorvaView::OnLButtonDown(unsigned flags, const CPoint& client) { m_tools->OnLButtonDown(flags, client); }
void CZorvaView::OnMouseMove(unsigned flags, const CPoint& client) { m_tools->OnMouseMove(flags, client); }
void CZorvaView::OnLButtonUp(unsigned flags, const CPoint& client) { m_tools->OnLButtonUp(flags, client); }
void CZorvaView::OnRButtonDown(unsigned flags, const CPoint& client) { m_tools->OnRButtonDown(flags, client); }
void CZorvaView::CancelGesture() { m_tools->CancelGesture(); }

// Scroll sizes, zoom and centring, and scrolling by the hand tool: what
// changes the conversions, and the repaint that follows; a loader's notice
// that the picture is in (or could not be read).
void CZorvaView::UpdateScrollSizes() {
  const CSize picture = m_doc.m_sizePicture;
  const CSize client = m_host.GetClientSize();
  m_coords.m_sizeTotal = ScrollTotalSize(picture, m_coords.m_zoom);
  // A line is ten picture pixels; the page is the client size truncated to
  // whole picture pixels, less one line.
  const int64_t line = 10 * int64_t(m_coords.m_zoom.num);
  auto pageOf = [&](int32_t client) {
    return Zoom::Clamp(m_coords.m_zoom.WindowLength(m_coords.m_zoom.PictureLength(client)) - line);
  };
  m_host.SetScrollSizes(m_coords.m_sizeTotal, CSize{pageOf(client.cx), pageOf(client.cy)},
                        CSize{Zoom::Clamp(line), Zoom::Clamp(line)});
  if (CRuler* r = Ruler(false)) r->SetLength(m_coords.m_sizeTotal.cx, m_coords.m_zoom);
  if (CRuler* r = Ruler(true)) r->SetLength(m_coords.m_sizeTotal.cy, m_coords.m_zoom);
}

void CZorvaView::GiveRulersOffsets() {
  const CPoint s = m_coords.GetScroll();
  if (CRuler* r = Ruler(false)) r->SetOffset(s.x);
  if (CRuler* r = Ruler(true)) r->SetOffset(s.y);
}

void CZorvaView::ZoomAndCentre(const CPoint& p) {
  UpdateScrollSizes();
  const CSize client = m_host.GetClientSize();
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

void CZorvaView::SetZoomKeepCentre(Zoom zoom) {
  const CSize client = m_host.GetClientSize();
  const CPoint s = m_coords.GetScroll();
  const CPoint p = CViewCoords::WindowToPicture(client.cx / 2, client.cy / 2, s.x, s.y, m_coords.m_zoom);
  m_coords.m_zoom = zoom;
  ZoomAndCentre(p);
}

void CZorvaView::ZoomToolStep(const CPoint& p, bool alt) {
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

void CZorvaView::OnUpdate() {
  // Whatever the document lost, a drawing step may not go on with it.
  if (!m_doc.m_pSelArea && !m_host.HasCapture()) m_nToolState = 0;
  UpdateScrollSizes();
  m_canvas.Invalidate(true);
  GiveRulersOffsets();
  m_panel->Update(-1, true);
}

void CZorvaView::OnLoadNotify(uintptr_t wParam, intptr_t lParam) {
  if (wParam == 0) {
    if (lParam > 0 && uintmax_t(lParam) <= UINT_MAX)
      m_doc.ReportMessage(unsigned(lParam), {}, MB_OK | MB_ICONEXCLAMATION);
  } else if (lParam == 0) {
    OnUpdate();
  }
}

void CZorvaView::OnSize() {
  m_canvas.OnSize();
  UpdateScrollSizes();
  OnScrolled();
  m_canvas.Invalidate(true);
}

void CZorvaView::OnScrolled() {
  if (!m_canvas.OnScrolled()) return;
  // Hidden rulers follow too: they show this offset when they come back.
  GiveRulersOffsets();
}

void CZorvaView::ScrollBy(int32_t dx, int32_t dy) {
  const CPoint s = m_coords.GetScroll();
  m_host.ScrollToPosition(CPoint(Zoom::Clamp(int64_t(s.x) + dx), Zoom::Clamp(int64_t(s.y) + dy)));
}

// The commands the view handles and their enabled and checked states.
bool CZorvaView::OnUpdateCommand(unsigned id, CCmdState& state) {
  state = CCmdState{};
  switch (id) {
    case ID_VIEW_ZOOM50: state.checked = m_coords.m_zoom == kZoom50; return true;
    case ID_VIEW_ZOOM100: state.checked = m_coords.m_zoom == kZoom100; return true;
    case ID_VIEW_ZOOM200: state.checked = m_coords.m_zoom == kZoom200; return true;
    case ID_VIEW_RULER: state.checked = m_bShowRulers; return true;
    case ID_VIEW_GUIDE: state.checked = m_canvas.m_bShowGuides; return true;
    case ID_IMAGE_SHOW: state.checked = m_canvas.m_imageMode == ImageMode::Show; return true;
    case ID_IMAGE_LIGHT: state.checked = m_canvas.m_imageMode == ImageMode::Light; return true;
    case ID_IMAGE_HIDE: state.checked = m_canvas.m_imageMode == ImageMode::Hidden; return true;
    case ID_EDIT_UNDO: state.enabled = m_doc.CanUndo(); return true;
    case ID_EDIT_REDO: state.enabled = m_doc.CanRedo(); return true;
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_CLEAR:
    case ID_EDIT_DUPLICATE: state.enabled = m_doc.m_pSelArea != nullptr; return true;
    case ID_EDIT_PASTE: state.enabled = m_clipboard.IsFull(); return true;
    default: return false;
  }
}

bool CZorvaView::OnCommand(unsigned id) {
  CCmdState state;
  if (!OnUpdateCommand(id, state)) return false;
  if (!state.enabled) return true;  // a disabled command is ignored
  CancelGesture();
  switch (id) {
    case ID_VIEW_ZOOM50: SetZoomKeepCentre(kZoom50); break;
    case ID_VIEW_ZOOM100: SetZoomKeepCentre(kZoom100); break;
    case ID_VIEW_ZOOM200: SetZoomKeepCentre(kZoom200); break;
    case ID_VIEW_RULER:
      m_bShowRulers = !m_bShowRulers;
      m_frame.ShowRulers(m_bShowRulers);
      break;
    case ID_VIEW_GUIDE:
      m_canvas.m_bShowGuides = !m_canvas.m_bShowGuides;
      m_canvas.Invalidate(true);
      m_canvas.UpdateWindow();
      break;
    case ID_IMAGE_SHOW:
    case ID_IMAGE_LIGHT:
    case ID_IMAGE_HIDE:
      m_canvas.m_imageMode = id == ID_IMAGE_SHOW    ? ImageMode::Show
                    : id == ID_IMAGE_LIGHT ? ImageMode::Light
                                           : ImageMode::Hidden;
      m_canvas.Invalidate(true);
      break;
    case ID_EDIT_UNDO: m_edit->Undo(); break;
    case ID_EDIT_REDO: m_edit->Redo(); break;
    case ID_EDIT_CUT: m_edit->Cut(); break;
    case ID_EDIT_COPY: m_edit->Copy(); break;
    case ID_EDIT_PASTE: m_edit->Paste(); break;
    case ID_EDIT_CLEAR: m_edit->Clear(); break;
    case ID_EDIT_DUPLICATE: m_edit->Duplicate(); break;
    default: break;
  }
  return true;
}

// The cursor shows the tool and what its modifier does; the view sets it at
// every cursor request, as its window has no cursor of its own.
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

// The temporary hand tool (Space held): dragging scrolls the view. It works
// in client pixels, since the picture moves under the pointer.
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

// A ruler knows it is pressed until the release, so a drag out of it makes a guide.
void CZorvaView::OnRulerPress(bool vertical) {
  if (CRuler* r = Ruler(vertical)) r->m_bPressed = true;
}

CRuler* CZorvaView::PressedRuler() {
  for (bool vertical : {false, true})
    if (CRuler* r = Ruler(vertical); r && r->m_bPressed) return r;
  return nullptr;
}
