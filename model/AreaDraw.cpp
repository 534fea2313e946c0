// Drawing an area's outline and vertex marks onto a device context.
#include "model/AreaDraw.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "model/Area.h"

namespace {

int32_t Saturate(int64_t v) {
  return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                     std::numeric_limits<int32_t>::max()));
}

// Mark half-sizes: an ordinary vertex gets a filled square, a selected one a
// larger hollow square.
constexpr int32_t kMarkSize = 2;
constexpr int32_t kSelMarkSize = 3;

class AreaPainter {
 public:
  AreaPainter(CDC& dc, int32_t sx, int32_t sy, Zoom zoom)
      : m_dc(dc), m_sx(sx), m_sy(sy), m_zoom(zoom) {}

  CPoint Map(const CPoint& p) const {
    return CPoint(ToWindow(p.x, m_sx), ToWindow(p.y, m_sy));
  }

  // Zoom::ToWindow with the view's own denominators spelled out, so they
  // divide by a constant: a division by a number only known at run time
  // costs more than the rest of mapping a point, and a full paint maps
  // every vertex of every area.
  int32_t ToWindow(int32_t v, int32_t scroll) const {
    const int64_t scaled = int64_t(v) * m_zoom.num;
    int64_t window;
    switch (m_zoom.den) {
      case 1: window = scaled; break;
      case 2: window = scaled / 2; break;
      default: window = scaled / m_zoom.den; break;
    }
    return Zoom::Clamp(window - scroll);
  }

  // Marks are always exclusive-or, so drawing one twice removes it.
  void Mark(const CPoint& p, bool selected) {
    CDCStateGuard guard(m_dc);
    m_dc.SetROP2(R2_XORPEN);
    m_dc.SelectPen(CPen::Solid(kMarkColor));
    m_dc.SelectBrush(selected ? CBrush::Null() : CBrush::Solid(kMarkColor));
    int32_t s = selected ? kSelMarkSize : kMarkSize;
    CPoint d = Map(p);
    m_dc.Rectangle(DrawOffset(d.x, -s), DrawOffset(d.y, -s), DrawOffset(d.x, s),
                   DrawOffset(d.y, s));
  }

  void Line(const CPoint& from, const CPoint& to) {
    CPoint a = Map(from), b = Map(to);
    m_dc.MoveTo(a.x, a.y);
    m_dc.LineTo(b.x, b.y);
  }

  // The box from the smaller to the larger corner, widened by one pixel to
  // the right and below so both corner pixels are covered.
  CRect Box(const CPoint& p, const CPoint& q) const {
    CPoint a = Map(p), b = Map(q);
    return CRect(std::min(a.x, b.x), std::min(a.y, b.y), DrawOffset(std::max(a.x, b.x), 1),
                 DrawOffset(std::max(a.y, b.y), 1));
  }

 private:
  CDC& m_dc;
  int32_t m_sx, m_sy;
  Zoom m_zoom;
};

// Window points of one outline: on the stack for the usual sizes.
class CWindowPoints {
 public:
  explicit CWindowPoints(size_t n) {
    if (n > m_local.size()) m_heap.resize(n);
  }
  CPoint& operator[](size_t i) { return Data()[i]; }
  CPoint* Data() { return m_heap.empty() ? m_local.data() : m_heap.data(); }

 private:
  std::array<CPoint, 32> m_local;
  std::vector<CPoint> m_heap;
};

bool Contains(const CPointRefList* list, const CPoint* p) {
  return list && std::find(list->begin(), list->end(), p) != list->end();
}

}  // namespace

int32_t DrawOffset(int32_t d, int32_t delta) { return Saturate(int64_t(d) + delta); }

void CArea::Draw(int32_t sx, int32_t sy, Zoom zoom, CDC& dc, int rop, COLORREF color,
                 bool drawMarks, const CPointRefList* selPoints, bool adjacentOnly) const {
  if (m_nType != AREA_RECT && m_nType != AREA_ELLIPSE && m_nType != AREA_POLYGON) return;
  if (m_listPoint.empty() || !zoom.IsDrawable()) return;
  CDCStateGuard guard(dc);
  dc.SelectPen(CPen::Solid(color));
  dc.SetROP2(rop);
  dc.SelectBrush(CBrush::Null());
  AreaPainter paint(dc, sx, sy, zoom);

  if (m_nType != AREA_POLYGON) {
    const CPoint& first = m_listPoint.front();
    const CPoint& second = m_listPoint.back();
    if (drawMarks) {
      paint.Mark(first, false);
      paint.Mark(second, false);
    }
    CRect box = paint.Box(first, second);
    if (m_nType == AREA_RECT)
      dc.Rectangle(box.left, box.top, box.right, box.bottom);
    else
      dc.Ellipse(box.left, box.top, box.right, box.bottom);
    return;
  }

  if (!adjacentOnly) {
    if (drawMarks) {
      std::vector<const CPoint*> order;
      for (const CPoint& p : m_listPoint) order.push_back(&p);
      if (!m_bTailEnd) std::reverse(order.begin(), order.end());
      for (size_t i = 0; i < order.size(); ++i) {
        paint.Mark(*order[i], Contains(selPoints, order[i]));
        if (i > 0) paint.Line(*order[i], *order[i - 1]);
      }
      if (m_bClosed) paint.Line(*order.front(), *order.back());
      return;
    }
    // Without marks nothing is drawn between the edges, so each point is
    // mapped once and the outline goes to the device context in one call.
    // The edges above run from each point back to the one before it, the
    // closing one from the first to the last: that is the polyline through
    // the points in the opposite order, closed, edge for edge the same
    // pixels in the same directions.
    CWindowPoints window(m_listPoint.size());
    size_t n = 0;
    if (m_bTailEnd)
      for (auto it = m_listPoint.rbegin(); it != m_listPoint.rend(); ++it) window[n++] = paint.Map(*it);
    else
      for (const CPoint& p : m_listPoint) window[n++] = paint.Map(p);
    dc.Polyline(window.Data(), n, m_bClosed);
    return;
  }

  if (!selPoints) return;
  const CPoint* handledBefore = nullptr;
  for (const CPoint* p : *selPoints) {
    auto it = std::find_if(m_listPoint.begin(), m_listPoint.end(),
                           [p](const CPoint& q) { return &q == p; });
    // A selected point of some other area has no edges here.
    if (it == m_listPoint.end()) {
      handledBefore = p;
      continue;
    }
    const CPoint* prev = nullptr;
    const CPoint* next = nullptr;
    if (it != m_listPoint.begin())
      prev = &*std::prev(it);
    else if (m_bClosed)
      prev = &m_listPoint.back();
    if (std::next(it) != m_listPoint.end())
      next = &*std::next(it);
    else if (m_bClosed)
      next = &m_listPoint.front();
    if (drawMarks) paint.Mark(*p, true);
    for (const CPoint* n : {prev, next})
      if (n && n != handledBefore) paint.Line(*n, *p);
    handledBefore = p;
  }
}
