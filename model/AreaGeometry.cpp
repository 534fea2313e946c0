// Bounds, moves, hit tests, the HTML-shape check and the polygon conversion of
// an area. All in picture pixels with the fixed pick tolerance.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "model/Area.h"

namespace {

constexpr int32_t T = kPickTolerance;

// Truncation towards zero that cannot overflow: values out of range (or NaN)
// become a value that is far from any picture coordinate.
int64_t TruncClamp(double v) {
  if (!(v == v)) return std::numeric_limits<int32_t>::min() * int64_t(4);
  if (v > 1e15) return int64_t(1e15);
  if (v < -1e15) return -int64_t(1e15);
  return int64_t(v);
}

// The 32-bit product the intercept is computed from, wrapping as the
// original integer arithmetic did rather than overflowing.
int32_t Mul32(int32_t a, int32_t b) { return int32_t(uint32_t(a) * uint32_t(b)); }

bool HitEdge(int32_t x, int32_t y, const CPoint& p, const CPoint& q) {
  if (int64_t(x) + T < std::min(p.x, q.x) || int64_t(x) - T > std::max(p.x, q.x) ||
      int64_t(y) + T < std::min(p.y, q.y) || int64_t(y) - T > std::max(p.y, q.y))
    return false;
  if (p.x == q.x || p.y == q.y) return true;
  double m = double(int64_t(q.y) - p.y) / double(int64_t(q.x) - p.x);
  double c = double(int32_t(uint32_t(Mul32(p.y, q.x)) - uint32_t(Mul32(q.y, p.x)))) /
             double(int64_t(q.x) - p.x);
  if (std::fabs(m) > 1) {
    int64_t lo = std::max<int64_t>(int64_t(y) - T, std::min(p.y, q.y));
    int64_t hi = std::min<int64_t>(int64_t(y) + T, std::max(p.y, q.y));
    for (int64_t yy = lo; yy <= hi; ++yy) {
      int64_t xx = TruncClamp((double(yy) - c) / m);
      if (std::llabs(xx - x) <= T) return true;
    }
  } else {
    int64_t lo = std::max<int64_t>(int64_t(x) - T, std::min(p.x, q.x));
    int64_t hi = std::min<int64_t>(int64_t(x) + T, std::max(p.x, q.x));
    for (int64_t xx = lo; xx <= hi; ++xx) {
      int64_t yy = TruncClamp(m * double(xx) + c);
      if (std::llabs(yy - y) <= T) return true;
    }
  }
  return false;
}

}  // namespace

void CArea::SetBoundPoint(int32_t x, int32_t y) { m_rcBound = CRect(x, y, x, y); }

void CArea::ExtendBound(int32_t x, int32_t y) {
  m_rcBound.left = std::min(m_rcBound.left, x);
  m_rcBound.top = std::min(m_rcBound.top, y);
  m_rcBound.right = std::max(m_rcBound.right, x);
  m_rcBound.bottom = std::max(m_rcBound.bottom, y);
}

void CArea::RecalcBound() {
  const CRect& r = m_rcBound;
  int32_t left = std::max(r.left, r.right), right = std::min(r.left, r.right);
  int32_t top = std::max(r.top, r.bottom), bottom = std::min(r.top, r.bottom);
  for (const CPoint& p : m_listPoint) {
    left = std::min(left, p.x);
    right = std::max(right, p.x);
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  m_rcBound = CRect(left, top, right, bottom);
}

void CArea::Offset(int32_t dx, int32_t dy) {
  for (CPointList* list : {&m_listPoint, &m_listHandle1, &m_listHandle2})
    for (CPoint& p : *list) {
      p.x += dx;
      p.y += dy;
    }
  m_rcBound.left += dx;
  m_rcBound.right += dx;
  m_rcBound.top += dy;
  m_rcBound.bottom += dy;
}

bool CArea::HitBound(int32_t x, int32_t y) const {
  return int64_t(m_rcBound.left) - T <= x && x <= int64_t(m_rcBound.right) + T &&
         int64_t(m_rcBound.top) - T <= y && y <= int64_t(m_rcBound.bottom) + T;
}

CPoint* CArea::HitPoint(int32_t x, int32_t y) const {
  if (!HitBound(x, y)) return nullptr;
  for (const CPoint& p : m_listPoint)
    if (std::llabs(int64_t(p.x) - x) <= T && std::llabs(int64_t(p.y) - y) <= T)
      return const_cast<CPoint*>(&p);
  return nullptr;
}

bool CArea::HitOutline(int32_t x, int32_t y, bool wantEdge, CPoint** a, CPoint** b) const {
  if (!HitBound(x, y)) return false;
  switch (m_nType) {
    case AREA_RECT: {
      if (m_listPoint.size() < 2) return false;
      const CPoint& p1 = m_listPoint.front();
      const CPoint& p2 = m_listPoint.back();
      return std::llabs(int64_t(x) - p1.x) <= T || std::llabs(int64_t(x) - p2.x) <= T ||
             std::llabs(int64_t(y) - p1.y) <= T || std::llabs(int64_t(y) - p2.y) <= T;
    }
    case AREA_ELLIPSE: {
      if (m_listPoint.size() < 2) return false;
      const CPoint& p1 = m_listPoint.front();
      const CPoint& p2 = m_listPoint.back();
      int32_t cx = int32_t((int64_t(p1.x) + p2.x) / 2);
      int32_t cy = int32_t((int64_t(p1.y) + p2.y) / 2);
      int64_t rx = int64_t(std::max(p1.x, p2.x)) - cx;
      int64_t left = int64_t(std::min(p1.x, p2.x)) - cx;
      int64_t ry = int64_t(std::max(p1.y, p2.y)) - cy;
      if (rx == 0) {
        // A zero-width ellipse is the vertical segment from its top to its bottom.
        return std::llabs(int64_t(x) - cx) <= T && int64_t(std::min(p1.y, p2.y)) - T <= y &&
               y <= int64_t(std::max(p1.y, p2.y)) + T;
      }
      for (int64_t i = int64_t(x) - cx - T; i <= int64_t(x) - cx + T; ++i) {
        if (i < left || i > rx) continue;
        double ratio = double(i) / double(rx);
        // Beyond the ellipse's half-width (possible on the short side of an
        // odd width) there is no curve to hit.
        if (ratio < -1.0 || ratio > 1.0) continue;
        int64_t h = TruncClamp(double(ry) * std::sin(std::acos(ratio)));
        if (std::llabs(cy + h - y) <= T || std::llabs(cy - h - y) <= T) return true;
      }
      return false;
    }
    case AREA_POLYGON: {
      if (m_listPoint.empty()) return false;
      auto report = [&](CPoint* p, CPoint* q) {
        if (wantEdge) {
          if (a) *a = p;
          if (b) *b = q;
        }
        return true;
      };
      if (m_bClosed) {
        CPoint* tail = GetTailPoint();
        CPoint* head = GetHeadPoint();
        if (HitEdge(x, y, *tail, *head)) return report(tail, head);
      }
      for (auto it = m_listPoint.begin(), next = std::next(it); next != m_listPoint.end();
           ++it, ++next)
        if (HitEdge(x, y, *it, *next))
          return report(const_cast<CPoint*>(&*it), const_cast<CPoint*>(&*next));
      return false;
    }
    default:
      return false;
  }
}

bool CArea::UpdateHtmlShape(bool recompute) {
  if (!recompute) return m_bHtmlShape;
  if (!m_bClosed) {
    m_bHtmlShape = false;
    return false;
  }
  switch (m_nType) {
    case AREA_RECT:
    case AREA_POLYGON:
    case AREA_DEFAULT:
      m_bHtmlShape = true;
      break;
    case AREA_ELLIPSE:
      if (m_listPoint.size() >= 2) {
        const CPoint& p1 = m_listPoint.front();
        const CPoint& p2 = m_listPoint.back();
        m_bHtmlShape = std::llabs(int64_t(p2.x) - p1.x) == std::llabs(int64_t(p2.y) - p1.y);
      } else {
        m_bHtmlShape = false;
      }
      break;
    case AREA_BEZIER:
      m_bHtmlShape = false;
      break;
    default:
      break;
  }
  return m_bHtmlShape;
}

void CArea::ConvertToPolygon() {
  if (m_nType != AREA_RECT && m_nType != AREA_ELLIPSE) return;
  if (m_listPoint.size() < 2) return;
  const CPoint p1 = m_listPoint.front();
  const CPoint p2 = m_listPoint.back();
  if (m_nType == AREA_RECT) {
    m_listPoint.insert(std::next(m_listPoint.begin()), CPoint(p1.x, p2.y));
    m_listPoint.emplace_back(p2.x, p1.y);
  } else {
    int32_t cx = int32_t((int64_t(p1.x) + p2.x) / 2);
    int32_t cy = int32_t((int64_t(p1.y) + p2.y) / 2);
    int64_t rx = std::llabs(int64_t(p1.x) - p2.x) / 2;
    int64_t ry = std::llabs(int64_t(p1.y) - p2.y) / 2;
    int64_t t = ((rx + ry) / 2) / 2;
    // A tiny ellipse still becomes a polygon with four vertices, never an empty one.
    int64_t n = std::max<int64_t>(4, 4 * int64_t(std::floor(std::sqrt(double(t)))));
    m_pPending = nullptr;
    m_listPoint.clear();
    m_listPoint.reserve(size_t(n));
    const double pi = 3.14159265358979323846;
    for (int64_t i = 0; i < n; ++i) {
      double phi = 2.0 * pi * double(i) / double(n);
      m_listPoint.emplace_back(int32_t(cx + TruncClamp(double(rx) * std::cos(phi))),
                               int32_t(cy + TruncClamp(double(ry) * std::sin(phi))));
    }
  }
  m_bClosed = true;
  m_nType = AREA_POLYGON;
}
