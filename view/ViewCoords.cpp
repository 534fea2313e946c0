// Conversions between picture and window pixels at the view's zoom and
// scroll position.
#include <algorithm>
#include <limits>

#include "model/ZorvaDoc.h"
#include "view/PaintPass.h"
#include "view/Ruler.h"
#include "view/ZorvaView.h"

CPoint CZorvaView::WindowToPicture(int32_t x, int32_t y, int32_t sx, int32_t sy, Zoom zoom) {
  return CPoint(zoom.ToPicture(x, sx), zoom.ToPicture(y, sy));
}

CPoint CZorvaView::PictureToWindow(int32_t x, int32_t y, int32_t sx, int32_t sy, Zoom zoom) {
  return CPoint(zoom.ToWindow(x, sx), zoom.ToWindow(y, sy));
}

CRect CZorvaView::PictureRectToWindow(const CRect& rc, int32_t sx, int32_t sy, Zoom zoom,
                                      int32_t m) {
  return CRect(Zoom::Clamp(zoom.WindowLength(rc.left) - sx - m),
               Zoom::Clamp(zoom.WindowLength(rc.top) - sy - m),
               Zoom::Clamp(zoom.WindowLength(rc.right) - sx + m),
               Zoom::Clamp(zoom.WindowLength(rc.bottom) - sy + m));
}

CRect CZorvaView::GuideBandToWindow(const CGuide& guide, const CRect& client, int32_t sx,
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

CPoint CZorvaView::GetScroll() const { return m_host.GetScrollPosition(); }

CRect CZorvaView::GetClientRect() const {
  const CSize size = m_host.GetClientSize();
  return CRect(0, 0, size.cx, size.cy);
}

CPoint CZorvaView::ToPicture(const CPoint& client) const {
  const CPoint s = GetScroll();
  return WindowToPicture(client.x, client.y, s.x, s.y, m_zoom);
}

CPoint CZorvaView::ToWindow(const CPoint& picture) const {
  const CPoint s = GetScroll();
  return PictureToWindow(picture.x, picture.y, s.x, s.y, m_zoom);
}

CRect CZorvaView::AreaRectToWindow(const CRect& bound) const {
  const CPoint s = GetScroll();
  return PictureRectToWindow(bound, s.x, s.y, m_zoom, kRepaintMargin);
}
