#include "image/PolygonSimplify.h"

#include <cmath>
#include <utility>

namespace zorva {

namespace {

// Squared distance from (x, y) to the segment a-b.
double SegmentDistance2(double x, double y, const CPoint& a, const CPoint& b) {
  const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
  double px = x - a.x, py = y - a.y;
  const double length2 = dx * dx + dy * dy;
  if (length2 > 0) {
    double t = (px * dx + py * dy) / length2;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    px -= t * dx;
    py -= t * dy;
  }
  return px * px + py * py;
}

// How far the edges from vertex i to vertex j stand off the segment a-b,
// each judged by its two points half a pixel in from its ends (squared),
// and the vertex beside the farthest of them (for a split).
// An outline along pixels' edges is a staircase wherever the region's edge
// is slanted; its corners stand off the slanted edge by up to 0.7 pixels on
// both sides, so judged by the corners an epsilon of 1 would keep most of
// the steps. Pulled in by half a pixel, the steps stand off half as far,
// and a corner of the region (two long edges) still counts in full.
struct StandOff {
  double distance2 = -1;
  size_t vertex = 0;
};
StandOff RunsStandOff(const std::vector<CPoint>& ring, size_t i, size_t j, const CPoint& a, const CPoint& b) {
  const size_t n = ring.size();
  StandOff most;
  most.vertex = i + 1;
  for (size_t k = i; k < j; ++k) {
    const CPoint& p = ring[k % n];
    const CPoint& q = ring[(k + 1) % n];
    const double dx = double(q.x) - p.x, dy = double(q.y) - p.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) continue;
    const double ux = dx / length * 0.5, uy = dy / length * 0.5;
    const double near = SegmentDistance2(p.x + ux, p.y + uy, a, b);
    const double far = SegmentDistance2(q.x - ux, q.y - uy, a, b);
    if (near > most.distance2) most = {near, k > i ? k : k + 1};
    if (far > most.distance2) most = {far, k + 1 < j ? k + 1 : k};
  }
  return most;
}

bool RunsWithin(const std::vector<CPoint>& ring, size_t i, size_t j, const CPoint& a, const CPoint& b, double limit2) {
  return RunsStandOff(ring, i, j, a, b).distance2 <= limit2;
}

}  // namespace

std::vector<CPoint> SimplifyClosedOutline(const std::vector<CPoint>& ring, double epsilon, CSize frame) {
  const size_t n = ring.size();
  if (n <= 3 || !(epsilon > 0)) return ring;
  std::vector<char> keep(n, 0);
  // Where the outline runs along the picture's frame it stays exact: the
  // frame is the region's true edge there, and a slanted edge would leave
  // out pixels a whole stretch from any other colour.
  auto onFrame = [frame](const CPoint& p, const CPoint& q) {
    return (p.x == q.x && (p.x == 0 || p.x == frame.cx)) || (p.y == q.y && (p.y == 0 || p.y == frame.cy));
  };
  if (frame.cx >= 0 && frame.cy >= 0)
    for (size_t i = 0; i < n; ++i)
      if (onFrame(ring[i], ring[(i + 1) % n])) keep[i] = keep[(i + 1) % n] = 1;
  // Two vertices far apart split the ring into two sides: the one farthest
  // from the first vertex, then the one farthest from that.
  auto farthestFrom = [&ring, n](size_t from) {
    size_t far = from;
    double farthest = -1;
    for (size_t i = 0; i < n; ++i) {
      const double dx = double(ring[i].x) - ring[from].x, dy = double(ring[i].y) - ring[from].y;
      if (dx * dx + dy * dy > farthest) {
        farthest = dx * dx + dy * dy;
        far = i;
      }
    }
    return far;
  };
  const size_t first = farthestFrom(0);
  const size_t far = farthestFrom(first);
  keep[first] = 1;
  keep[far] = 1;
  const double limit2 = epsilon * epsilon;
  // Sections between the vertices kept so far, as index pairs over the ring
  // unrolled once (j may exceed n); an explicit stack, since an outline may
  // have millions of vertices. With only two kept, each side is split once
  // whatever its distance, so the polygon has an inside.
  struct Section {
    size_t i, j;
    bool forced;
  };
  std::vector<size_t> fixed;
  for (size_t i = 0; i < n; ++i)
    if (keep[i]) fixed.push_back(i);
  std::vector<Section> stack;
  for (size_t f = 0; f < fixed.size(); ++f)
    stack.push_back({fixed[f], f + 1 < fixed.size() ? fixed[f + 1] : fixed[0] + n, fixed.size() == 2});
  while (!stack.empty()) {
    const Section s = stack.back();
    stack.pop_back();
    if (s.j - s.i < 2) continue;
    const CPoint& a = ring[s.i % n];
    const CPoint& b = ring[s.j % n];
    // Split beside the farthest of the judged points; a forced split takes
    // the vertex farthest from a-b, so a tiny region keeps its corners.
    const StandOff most = RunsStandOff(ring, s.i, s.j, a, b);
    if (!s.forced && most.distance2 <= limit2) continue;
    size_t split = most.vertex;
    if (s.forced) {
      double farthest2 = -1;
      for (size_t k = s.i + 1; k < s.j; ++k) {
        const double d = SegmentDistance2(ring[k % n].x, ring[k % n].y, a, b);
        if (d > farthest2) {
          farthest2 = d;
          split = k;
        }
      }
    }
    keep[split % n] = 1;
    stack.push_back({s.i, split, false});
    stack.push_back({split, s.j, false});
  }
  // Douglas-Peucker keeps a vertex wherever a split was needed on the way
  // down, even where its neighbours could be joined afterwards: drop each
  // vertex whose neighbours' edge still holds the stretch between them (not
  // the frame's, and never below three).
  std::vector<size_t> order;
  for (size_t i = 0; i < n; ++i)
    if (keep[i]) order.push_back(i);
  std::vector<char> pinned(n, 0);
  if (frame.cx >= 0 && frame.cy >= 0)
    for (size_t i = 0; i < n; ++i)
      if (onFrame(ring[i], ring[(i + 1) % n])) pinned[i] = pinned[(i + 1) % n] = 1;
  for (bool dropped = true; dropped && order.size() > 3;) {
    dropped = false;
    for (size_t k = 0; k < order.size() && order.size() > 3;) {
      const size_t prev = order[(k + order.size() - 1) % order.size()];
      const size_t next = order[(k + 1) % order.size()];
      const size_t from = prev, to = next > prev ? next : next + n;
      if (!pinned[order[k]] && RunsWithin(ring, from, to, ring[prev], ring[next], limit2)) {
        order.erase(order.begin() + ptrdiff_t(k));
        dropped = true;
      } else {
        ++k;
      }
    }
  }
  std::vector<CPoint> kept;
  for (size_t i : order) kept.push_back(ring[i]);
  return kept;
}

}  // namespace zorva
