// Scroll sizes, zoom and centring, and scrolling by the hand tool: what
// changes the conversions, and the repaint that follows; a loader's notice
// that the picture is in (or could not be read).
#include <algorithm>
#include <climits>
#include <limits>

#include "model/ZorvaDoc.h"
#include "view/PaintPass.h"
#include "view/Ruler.h"
#include "view/ViewPanel.h"
#include "view/ZorvaView.h"

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
