// The view's back buffer: invalidated regions are rendered by the paint pass
// clipped to them, incremental and exclusive-or drawing goes straight into the
// buffer, and the host is told which rectangle to show.
#include <algorithm>

#include "view/ViewCanvas.h"

#include "model/ZorvaDoc.h"
#include "view/PaintPass.h"
#include "view/ViewCoords.h"
#include "view/ViewHost.h"

namespace {

CRect Union(const CRect& a, const CRect& b) {
  if (a.IsRectEmpty()) return b;
  if (b.IsRectEmpty()) return a;
  return CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
               std::max(a.bottom, b.bottom));
}

CRect Intersect(const CRect& a, const CRect& b) {
  CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom));
  return r.IsRectEmpty() ? CRect() : r;
}

// Marks and pens reach one pixel beyond the window rectangle of the bounds
// with the repaint margin.
constexpr int32_t kShowMargin = kRepaintMargin + 1;

}  // namespace

CViewCanvas::CViewCanvas(CZorvaDoc& doc, IViewHost& host, const CViewCoords& coords)
    : m_doc(doc), m_host(host), m_coords(coords) {
  const CRect client = m_coords.GetClientRect();
  m_dcBack.Resize(client.right, client.bottom, m_colorBack);
  m_rcPending = client;
}

void CViewCanvas::SetBackgroundColor(COLORREF color) {
  m_colorBack = color;
  Invalidate(true);
}

void CViewCanvas::OnSize() {
  const CRect client = m_coords.GetClientRect();
  if (m_dcBack.Width() != client.right || m_dcBack.Height() != client.bottom)
    m_dcBack.Resize(client.right, client.bottom, m_colorBack);
}

bool CViewCanvas::OnScrolled() {
  const CPoint s = m_coords.GetScroll();
  if (s == m_ptScrollShown) return false;
  m_ptScrollShown = s;
  Invalidate(true);
  return true;
}

void CViewCanvas::InvalidateRect(const CRect& rc, bool) {
  // Every render erases what the picture does not cover, so there is no
  // separate erase.
  const CRect r = Intersect(rc, m_coords.GetClientRect());
  if (r.IsRectEmpty()) return;
  m_rcPending = Union(m_rcPending, r);
  Show(r, false);
}

void CViewCanvas::Show(const CRect& rc, bool now) {
  if (m_nHolds == 0) {
    m_host.ShowRect(rc, now);
    return;
  }
  CRect& gathered = now ? m_rcShowNow : m_rcShowLater;
  gathered = Union(gathered, rc);
}

void CViewCanvas::ReleaseShows() {
  if (m_nHolds == 0 || --m_nHolds > 0) return;
  if (!m_rcShowNow.IsRectEmpty()) {
    const CRect r = m_rcShowNow;
    m_rcShowNow = CRect();
    m_host.ShowRect(r, true);
  }
  if (!m_rcShowLater.IsRectEmpty()) {
    const CRect r = m_rcShowLater;
    m_rcShowLater = CRect();
    m_host.ShowRect(r, false);
  }
}

void CViewCanvas::Invalidate(bool erase) { InvalidateRect(m_coords.GetClientRect(), erase); }

void CViewCanvas::OnPaint() {
  if (m_rcPending.IsRectEmpty()) return;
  const CRect r = m_rcPending;
  m_rcPending = CRect();
  RenderRect(r);
}

void CViewCanvas::UpdateWindow() {
  if (m_rcPending.IsRectEmpty()) return;
  const CRect r = m_rcPending;
  OnPaint();
  Show(r, true);
}

void CViewCanvas::RepaintRect(const CRect& rc) {
  InvalidateRect(rc, true);
  UpdateWindow();
}

void CViewCanvas::RepaintArea(const CArea& area) { RepaintRect(m_coords.AreaRectToWindow(area.m_rcBound)); }

void CViewCanvas::RepaintGuide(const CGuide& guide) { RepaintRect(m_coords.GuideBand(guide)); }

void CViewCanvas::RenderRect(const CRect& requested) {
  const CRect client = m_coords.GetClientRect();
  if (m_dcBack.Width() != client.right || m_dcBack.Height() != client.bottom)
    m_dcBack.Resize(client.right, client.bottom, m_colorBack);
  const CPoint s = m_coords.GetScroll();
  CRect rc = requested;
  if (s != m_ptScrollShown) {
    m_ptScrollShown = s;
    rc = client;
  }
  rc = Intersect(rc, client);
  if (rc.IsRectEmpty()) return;

  m_dcBack.SetViewportOrg(-s.x, -s.y);
  m_dcBack.SetClipRect(rc);
  // The background is erased right of and below the zoomed picture only; the
  // paint pass covers the picture itself (or erases it when it has nothing
  // to show there).
  const CSize total = m_coords.m_sizeTotal;
  m_dcBack.FillSolidRect(CRect(total.cx, INT32_MIN / 2, INT32_MAX / 2, INT32_MAX / 2), m_colorBack);
  m_dcBack.FillSolidRect(CRect(INT32_MIN / 2, total.cy, total.cx, INT32_MAX / 2), m_colorBack);
  PaintSettings settings;
  settings.zoom = m_coords.m_zoom;
  settings.imageMode = m_imageMode;
  settings.showGuides = m_bShowGuides;
  settings.totalWidth = m_coords.m_sizeTotal.cx;
  settings.totalHeight = m_coords.m_sizeTotal.cy;
  settings.eraseUncovered = true;
  settings.background = m_colorBack;
  settings.clipped = true;
  settings.clip = CRect(rc.left + s.x, rc.top + s.y, rc.right + s.x, rc.bottom + s.y);
  // While a loader holds the picture the region keeps the background; the
  // loader asks for a full update when it is done.
  if (PaintDocument(m_doc, m_dcBack, settings) && m_bRubber) {
    CDCStateGuard guard(m_dcBack);
    m_dcBack.SelectPen(CPen::Solid(kSelectionColor));
    const CPoint a = m_coords.ToWindow(m_ptRubberFrom), b = m_coords.ToWindow(m_ptRubberTo);
    m_dcBack.MoveTo(a.x + s.x, a.y + s.y);
    m_dcBack.LineTo(b.x + s.x, b.y + s.y);
  }
  m_dcBack.ResetClip();
  m_dcBack.SetViewportOrg(0, 0);
}

void CViewCanvas::ShowAreaDrawing(const CArea& area) {
  if (area.m_listPoint.empty()) return;
  // The points, not the bounds: a working copy's bounds lag behind its points.
  CRect b(area.m_listPoint.front().x, area.m_listPoint.front().y, area.m_listPoint.front().x,
          area.m_listPoint.front().y);
  for (const CPoint& p : area.m_listPoint) {
    b.left = std::min(b.left, p.x);
    b.top = std::min(b.top, p.y);
    b.right = std::max(b.right, p.x);
    b.bottom = std::max(b.bottom, p.y);
  }
  const CPoint s = m_coords.GetScroll();
  const CRect w = Intersect(CViewCoords::PictureRectToWindow(b, s.x, s.y, m_coords.m_zoom, kShowMargin), m_coords.GetClientRect());
  if (!w.IsRectEmpty()) Show(w, true);
}

void CViewCanvas::DrawSelection(const CArea& area, bool selected) {
  OnPaint();
  const CPoint s = m_coords.GetScroll();
  // Drawn exactly as the paint pass draws it, so a later repaint changes nothing.
  m_dcBack.SetViewportOrg(-s.x, -s.y);
  area.Draw(0, 0, m_coords.m_zoom, m_dcBack, R2_COPYPEN, selected ? kSelectionColor : kAreaColor,
            true, nullptr, false);
  m_dcBack.SetViewportOrg(0, 0);
  ShowAreaDrawing(area);
}

void CViewCanvas::DrawXor(const CArea& area) {
  OnPaint();
  const CPoint s = m_coords.GetScroll();
  m_dcBack.SetViewportOrg(-s.x, -s.y);
  area.Draw(0, 0, m_coords.m_zoom, m_dcBack, R2_XORPEN, kSelectionColor, true, nullptr, false);
  m_dcBack.SetViewportOrg(0, 0);
  ShowAreaDrawing(area);
}

void CViewCanvas::DrawXorSegment(const CPoint& a, const CPoint& b) {
  OnPaint();
  const CPoint wa = m_coords.ToWindow(a), wb = m_coords.ToWindow(b);
  {
    CDCStateGuard guard(m_dcBack);
    m_dcBack.SetROP2(R2_XORPEN);
    m_dcBack.SelectPen(CPen::Solid(kSelectionColor));
    m_dcBack.MoveTo(wa.x, wa.y);
    m_dcBack.LineTo(wb.x, wb.y);
  }
  const CRect w = Intersect(CRect(std::min(wa.x, wb.x), std::min(wa.y, wb.y),
                                  std::max(wa.x, wb.x) + 1, std::max(wa.y, wb.y) + 1),
                            m_coords.GetClientRect());
  if (!w.IsRectEmpty()) Show(w, true);
}

CRect CViewCanvas::RubberRect() const {
  const CPoint a = m_coords.ToWindow(m_ptRubberFrom), b = m_coords.ToWindow(m_ptRubberTo);
  // A pixel around for the pen's ends.
  return CRect(std::min(a.x, b.x) - 1, std::min(a.y, b.y) - 1, std::max(a.x, b.x) + 2, std::max(a.y, b.y) + 2);
}

void CViewCanvas::SetRubberBand(bool shown, CPoint from, CPoint to) {
  if (shown == m_bRubber && (!shown || (from == m_ptRubberFrom && to == m_ptRubberTo))) return;
  if (m_bRubber) InvalidateRect(RubberRect());
  m_bRubber = shown;
  m_ptRubberFrom = from;
  m_ptRubberTo = to;
  if (m_bRubber) InvalidateRect(RubberRect());
  UpdateWindow();
}

void CViewCanvas::DrawGuide(const CGuide& guide, int rop) {
  OnPaint();
  const CPoint s = m_coords.GetScroll();
  m_dcBack.SetViewportOrg(-s.x, -s.y);
  guide.Draw(0, 0, m_coords.m_zoom, m_dcBack, rop, m_coords.m_sizeTotal.cx, m_coords.m_sizeTotal.cy);
  m_dcBack.SetViewportOrg(0, 0);
  const CRect w = Intersect(m_coords.GuideBand(guide), m_coords.GetClientRect());
  if (!w.IsRectEmpty()) Show(w, true);
}
