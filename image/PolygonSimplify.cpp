#include "image/PolygonSimplify.h"

#include <utility>

namespace zorva {

namespace {

// Squared distance from p to the segment a-b.
double SegmentDistance2(const CPoint& p, const CPoint& a, const CPoint& b) {
  const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  double px = double(p.x) - a.x, py = double(p.y) - a.y;
  const double length2 = dx * dx + dy * dy;
  if (length2 > 0) {
    double t = (px * dx + py * dy) / length2;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    px -= t * dx;
    py -= t * dy;
  }
  return px * px + py * py;
}

}  // namespace

std::vector<CPoint> SimplifyClosedOutline(const std::vector<CPoint>& ring, double epsilon) {
  const size_t n = ring.size();
  if (n <= 3 || !(epsilon > 0)) return ring;
  // The first vertex is a corner of the outline's top row, so on its convex
  // hull; the vertex farthest from it splits the ring into two sides.
  size_t far = 1;
  double farthest = -1;
  for (size_t i = 1; i < n; ++i) {
    const double dx = double(ring[i].x) - ring[0].x, dy = double(ring[i].y) - ring[0].y;
    if (dx * dx + dy * dy > farthest) {
      farthest = dx * dx + dy * dy;
      far = i;
    }
  }
  std::vector<char> keep(n, 0);
  keep[0] = keep[far] = 1;
  const double limit2 = epsilon * epsilon;
  // Sections as index pairs over the ring unrolled once (j may exceed n);
  // an explicit stack, since an outline may have millions of vertices.
  struct Section {
    size_t i, j;
    bool forced;
  };
  std::vector<Section> stack{{0, far, true}, {far, n, true}};
  while (!stack.empty()) {
    const Section s = stack.back();
    stack.pop_back();
    if (s.j - s.i < 2) continue;
    const CPoint& a = ring[s.i % n];
    const CPoint& b = ring[s.j % n];
    size_t split = s.i + 1;
    double most = -1;
    for (size_t k = s.i + 1; k < s.j; ++k) {
      const double d = SegmentDistance2(ring[k % n], a, b);
      if (d > most) {
        most = d;
        split = k;
      }
    }
    if (!s.forced && most <= limit2) continue;
    keep[split % n] = 1;
    stack.push_back({s.i, split, false});
    stack.push_back({split, s.j, false});
  }
  std::vector<CPoint> kept;
  for (size_t i = 0; i < n; ++i)
    if (keep[i]) kept.push_back(ring[i]);
  return kept;
}

}  // namespace zorva
