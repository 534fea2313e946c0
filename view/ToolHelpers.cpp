// Helpers every pointer tool shares: the 45-degree and square constraints,
// the nearness test and snapping to guides.
#include <cstdlib>

#include "model/Guide.h"
#include "view/ZorvaView.h"

namespace {

int32_t Sign(int64_t v) { return v < 0 ? -1 : 1; }

bool Catches(int32_t guide, int32_t v) { return std::llabs(int64_t(v) - guide) <= kPickTolerance; }

}  // namespace

void CZorvaView::Constrain45(int32_t ax, int32_t ay, CPoint& p) {
  const int64_t dx = int64_t(p.x) - ax, dy = int64_t(p.y) - ay;
  if (dx == 0 || dy == 0) return;
  const int64_t adx = std::llabs(dx), ady = std::llabs(dy);
  if (-0.4142 * double(adx) <= double(dy) && double(dy) <= 0.4142 * double(adx)) {
    p.y = ay;
  } else if (ady <= adx) {
    p.y = int32_t(ay + Sign(dy) * adx);
  } else if (double(dy) > 2.4142 * double(adx) || double(dy) < -2.412 * double(adx)) {
    // The upward side turns vertical a little earlier (2.412, not 2.4142);
    // drawings made with the program depend on exactly where.
    p.x = ax;
  } else {
    p.x = int32_t(ax + Sign(dx) * ady);
  }
}

void CZorvaView::MakeSquare(int32_t ax, int32_t ay, CPoint& p) {
  const int64_t dx = int64_t(p.x) - ax, dy = int64_t(p.y) - ay;
  if (dx == 0 || dy == 0) return;
  if (std::llabs(dy) <= std::llabs(dx))
    p.y = int32_t(ay + Sign(dy) * std::llabs(dx));
  else
    p.x = int32_t(ax + Sign(dx) * std::llabs(dy));
}

bool CZorvaView::IsNearPoint(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return std::llabs(int64_t(x2) - x1) <= kPickTolerance &&
         std::llabs(int64_t(y2) - y1) <= kPickTolerance;
}

bool CZorvaView::SnapPointToGuides(const COwnedList<CGuide>& guides, CPoint& p) {
  bool snappedX = false, snappedY = false;
  // The newest guide wins where several catch the point.
  for (auto it = guides.rbegin(); it != guides.rend() && !(snappedX && snappedY); ++it) {
    const CGuide& g = **it;
    if (g.m_bHorizontal && !snappedY && Catches(g.m_nPos, p.y)) {
      p.y = g.m_nPos;
      snappedY = true;
    } else if (!g.m_bHorizontal && !snappedX && Catches(g.m_nPos, p.x)) {
      p.x = g.m_nPos;
      snappedX = true;
    }
  }
  return snappedX || snappedY;
}

bool CZorvaView::SnapRectToGuides(const COwnedList<CGuide>& guides, CRect& rc) {
  const CRect orig = rc;
  bool snappedX = false, snappedY = false;
  int64_t dx = 0, dy = 0;
  for (auto it = guides.rbegin(); it != guides.rend() && !(snappedX && snappedY); ++it) {
    const CGuide& g = **it;
    // The top-left corner first, then the bottom-right one, as passed in.
    if (g.m_bHorizontal && !snappedY) {
      if (Catches(g.m_nPos, orig.top)) dy = int64_t(g.m_nPos) - orig.top, snappedY = true;
      else if (Catches(g.m_nPos, orig.bottom)) dy = int64_t(g.m_nPos) - orig.bottom, snappedY = true;
    } else if (!g.m_bHorizontal && !snappedX) {
      if (Catches(g.m_nPos, orig.left)) dx = int64_t(g.m_nPos) - orig.left, snappedX = true;
      else if (Catches(g.m_nPos, orig.right)) dx = int64_t(g.m_nPos) - orig.right, snappedX = true;
    }
  }
  rc = CRect(int32_t(orig.left + dx), int32_t(orig.top + dy), int32_t(orig.right + dx),
             int32_t(orig.bottom + dy));
  return snappedX || snappedY;
}
