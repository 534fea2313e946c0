// Conversions between picture and window pixels at the view's zoom and
// scroll position.
#include "view/ViewCoords.h"

#include "model/Guide.h"
#include "view/ViewHost.h"

CPoint CViewCoords::WindowToPicture(int32_t x, int32_t y, int32_t sx, int32_t sy, Zoom zoom) {
  return CPoint(zoom.ToPicture(x, sx), zoom.ToPicture(y, sy));
}

CPoint CViewCoords::PictureToWindow(int32_t x, int32_t y, int32_t sx, int32_t sy, Zoom zoom) {
  return CPoint(zoom.ToWindow(x, sx), zoom.ToWindow(y, sy));
}

CRect CViewCoords::PictureRectToWindow(const CRect& rc, int32_t sx, int32_t sy, Zoom zoom,
                                      int32_t m) {
  return CRect(Zoom::Clamp(zoom.WindowLength(rc.left) - sx - m),
               Zoom::Clamp(zoom.WindowLength(rc.top) - sy - m),
               Zoom::Clamp(zoom.WindowLength(rc.right) - sx + m),
               Zoom::Clamp(zoom.WindowLength(rc.bottom) - sy + m));
}

CRect CViewCoords::GuideBandToWindow(const CGuide& guide, const CRect& client, int32_t sx,
                                    int32_t sy, Zoom zoom) {
  CRect band = client;
  // The band is one picture pixel thick.
  if (guide.m_bHorizontal) {
    band.top = zoom.ToWindow(guide.m_nPos, sy);
    band.bottom = Zoom::Clamp(int64_t(band.top) + zoom.num);
  } else {
    band.left = zoom.ToWindow(guide.m_nPos, sx);
    band.right = Zoom::Clamp(int64_t(band.left) + zoom.num);
  }
  return band;
}

void CViewCoords::Learn() {
  m_scroll = m_host.GetScrollPosition();
  m_client = m_host.GetClientSize();
}

CPoint CViewCoords::ToPicture(const CPoint& client) const {
  const CPoint s = GetScroll();
  return WindowToPicture(client.x, client.y, s.x, s.y, m_zoom);
}

CPoint CViewCoords::ToWindow(const CPoint& picture) const {
  const CPoint s = GetScroll();
  return PictureToWindow(picture.x, picture.y, s.x, s.y, m_zoom);
}

CRect CViewCoords::GuideBand(const CGuide& guide) const {
  const CPoint s = GetScroll();
  return GuideBandToWindow(guide, GetClientRect(), s.x, s.y, m_zoom);
}

CRect CViewCoords::AreaRectToWindow(const CRect& bound) const {
  const CPoint s = GetScroll();
  return PictureRectToWindow(bound, s.x, s.y, m_zoom, kRepaintMargin);
}
