// Tracing a region into a polygon, against references written differently:
// a queue fill for the region, holes found from the outside in, and the
// polygon rasterised as a browser tests a point (even-odd, pixel centres).
#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <memory>
#include <vector>

#include "image/PolygonSimplify.h"
#include "image/RegionTrace.h"
#include "platform/Bitmap.h"

using namespace zorva;

namespace {

using Grid = std::vector<std::vector<char>>;

std::unique_ptr<CBitmap> Picture(int w, int h, const std::vector<COLORREF>& pixels) {
  auto b = CBitmap::Create32(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b->Row32(y)[x] = pixels[size_t(y) * w + x];
  return b;
}

int Difference(COLORREF a, COLORREF b) {
  int most = 0;
  for (int shift : {0, 8, 16}) most = std::max(most, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
  return most;
}

// The region with its holes filled: a breadth-first fill, then whatever of
// the rest cannot reach the frame through four neighbours is a hole (a
// pocket that opens only between two of the region's pixels touching at a
// corner is one too).
Grid FilledRegion(const CBitmap& b, CPoint seed, int tolerance) {
  const int w = b.Width(), h = b.Height();
  Grid in(h, std::vector<char>(w, 0)), outside(h, std::vector<char>(w, 0));
  const COLORREF c = b.GetPixel(seed.x, seed.y);
  std::deque<CPoint> queue{seed};
  in[seed.y][seed.x] = 1;
  while (!queue.empty()) {
    const CPoint p = queue.front();
    queue.pop_front();
    const CPoint next[4] = {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}};
    for (const CPoint& q : next)
      if (q.x >= 0 && q.y >= 0 && q.x < w && q.y < h && !in[q.y][q.x] && Difference(b.GetPixel(q.x, q.y), c) <= tolerance) {
        in[q.y][q.x] = 1;
        queue.push_back(q);
      }
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if ((x == 0 || y == 0 || x == w - 1 || y == h - 1) && !in[y][x]) {
        outside[y][x] = 1;
        queue.push_back(CPoint(x, y));
      }
  while (!queue.empty()) {
    const CPoint p = queue.front();
    queue.pop_front();
    const CPoint next[4] = {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}};
    for (const CPoint& q : next)
      if (q.x >= 0 && q.y >= 0 && q.x < w && q.y < h && !in[q.y][q.x] && !outside[q.y][q.x]) {
        outside[q.y][q.x] = 1;
        queue.push_back(q);
      }
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) in[y][x] = !outside[y][x];
  return in;
}

// Even-odd at the pixel centres.
Grid Rasterise(const std::vector<CPoint>& polygon, int w, int h) {
  Grid in(h, std::vector<char>(w, 0));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      bool odd = false;
      for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const CPoint &a = polygon[i], &b = polygon[j];
        if ((a.y > py) != (b.y > py) && px < a.x + (py - a.y) * double(b.x - a.x) / double(b.y - a.y)) odd = !odd;
      }
      in[y][x] = odd;
    }
  return in;
}

double SegmentDistance(double px, double py, const CPoint& a, const CPoint& b) {
  const double dx = b.x - a.x, dy = b.y - a.y, l2 = dx * dx + dy * dy;
  double t = l2 > 0 ? ((px - a.x) * dx + (py - a.y) * dy) / l2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - a.x - t * dx, py - a.y - t * dy);
}

double RingDistance(double px, double py, const std::vector<CPoint>& ring) {
  double best = 1e18;
  for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) best = std::min(best, SegmentDistance(px, py, ring[j], ring[i]));
  return best;
}

// A pixel whose truth differs from (x, y)'s lies within `reach`.
bool OtherSideWithin(const Grid& truth, int x, int y, int reach) {
  const int h = int(truth.size()), w = int(truth[0].size());
  for (int dy = -reach; dy <= reach; ++dy)
    for (int dx = -reach; dx <= reach; ++dx) {
      const int u = x + dx, v = y + dy;
      if (u >= 0 && v >= 0 && u < w && v < h && dx * dx + dy * dy <= reach * reach && truth[v][u] != truth[y][x]) return true;
    }
  return false;
}

// Blobs of three colours painted over each other, with stray pixels and
// near colours, so regions touch the border, hold holes and meet their
// neighbours only at corners.
std::unique_ptr<CBitmap> RandomPicture(uint32_t& s, int w, int h) {
  auto next = [&s] { return (s = s * 1664525u + 1013904223u) >> 8; };
  const COLORREF colours[4] = {RGB(20, 20, 20), RGB(200, 40, 40), RGB(40, 200, 40), RGB(36, 30, 22)};
  std::vector<COLORREF> px(size_t(w) * h, colours[next() % 4]);
  for (int blob = 0, n = 3 + int(next() % 8); blob < n; ++blob) {
    const int cx = int(next() % w), cy = int(next() % h), r = 1 + int(next() % 9);
    const COLORREF c = colours[next() % 4];
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if ((x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r) px[size_t(y) * w + x] = c;
  }
  for (int i = 0, n = int(next() % 30); i < n; ++i) px[next() % px.size()] = colours[next() % 4];
  return Picture(w, h, px);
}

}  // namespace

// With no simplification the polygon is the region, holes filled, exactly;
// with epsilon 1 a pixel on the wrong side has its centre within epsilon and
// a half of the exact outline and a pixel of the other side within 2 pixels
// (the picture's frame is no pixel: a region that reaches the frame must
// follow it), the vertices number at least three, and all lie on the frame
// of the picture or inside it.
TEST(RegionTrace, PolygonIsTheFilledRegionOnRandomPictures) {
  uint32_t s = 12345;
  for (int round = 0; round < 300; ++round) {
    const int w = 3 + int(s % 37), h = 2 + int((s >> 8) % 23);
    std::unique_ptr<CBitmap> b = RandomPicture(s, w, h);
    const CPoint seed(int((s >> 4) % w), int((s >> 12) % h));
    const int tolerance = int((s >> 3) % 40);
    SCOPED_TRACE(testing::Message() << "round " << round << " " << w << "x" << h << " seed " << seed.x << ","
                                    << seed.y << " tolerance " << tolerance);
    const Grid truth = FilledRegion(*b, seed, tolerance);
    const TraceResult exact = TraceRegion(*b, seed, tolerance, 0);
    ASSERT_GE(exact.polygon.size(), 4u);
    ASSERT_EQ(Rasterise(exact.polygon, w, h), truth);

    const TraceResult simple = TraceRegion(*b, seed, tolerance, 1.0);
    ASSERT_GE(simple.polygon.size(), 3u);
    ASSERT_LE(simple.polygon.size(), exact.polygon.size());
    for (const CPoint& p : simple.polygon) ASSERT_TRUE(p.x >= 0 && p.y >= 0 && p.x <= w && p.y <= h);
    const Grid drawn = Rasterise(simple.polygon, w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (drawn[y][x] != truth[y][x]) {
          ASSERT_LE(RingDistance(x + 0.5, y + 0.5, exact.polygon), 1.5 + 1e-9) << x << "," << y;
          ASSERT_TRUE(OtherSideWithin(truth, x, y, 2)) << x << "," << y;
        }
  }
}

// The tolerance is the largest difference of one channel, inclusive; a
// palette picture is judged by its colours; a press outside gives nothing.
TEST(RegionTrace, ToleranceCountsTheLargestChannelDifference) {
  struct Case {
    COLORREF other;
    int tolerance;
    uint64_t pixels;
  };
  const COLORREF base = RGB(100, 100, 100);
  const Case cases[] = {
      {RGB(132, 100, 100), 32, 8}, {RGB(133, 100, 100), 32, 4}, {RGB(100, 68, 100), 32, 8},
      {RGB(100, 67, 100), 32, 4},  {RGB(100, 100, 132), 32, 8}, {RGB(131, 131, 69), 31, 8},
      {RGB(131, 131, 68), 31, 4},  {RGB(100, 100, 100), 0, 8},  {RGB(101, 100, 100), 0, 4},
      {RGB(255, 255, 255), 255, 8}, {RGB(255, 255, 255), 400, 8}, {RGB(101, 100, 100), -5, 4},
  };
  for (const Case& c : cases) {
    // Left half the base, right half the other colour.
    std::vector<COLORREF> px;
    for (int i = 0; i < 8; ++i) px.push_back(i % 4 < 2 ? base : c.other);
    std::unique_ptr<CBitmap> b = Picture(4, 2, px);
    EXPECT_EQ(TraceRegion(*b, CPoint(0, 0), c.tolerance, 1.0).pixels, c.pixels) << std::hex << c.other << " " << std::dec << c.tolerance;

    auto palette = CBitmap::Create8(4, 2);
    palette->Palette()[3] = base;
    palette->Palette()[7] = c.other;
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 4; ++x) palette->Row(y)[x] = x < 2 ? 3 : 7;
    EXPECT_EQ(TraceRegion(*palette, CPoint(1, 1), c.tolerance, 1.0).pixels, c.pixels);
  }
  std::unique_ptr<CBitmap> b = Picture(2, 2, std::vector<COLORREF>(4, base));
  for (CPoint outside : {CPoint(-1, 0), CPoint(0, -1), CPoint(2, 0), CPoint(0, 2)})
    EXPECT_TRUE(TraceRegion(*b, outside, 32, 1.0).polygon.empty());
}

// The middle of every pixel edge of the outline lies within epsilon of the
// simplified outline, every dropped vertex within epsilon and a half, and
// the kept ones are the outline's own, in order.
TEST(PolygonSimplify, DroppedVerticesStayWithinEpsilon) {
  uint32_t s = 99;
  auto next = [&s] { return (s = s * 1664525u + 1013904223u) >> 8; };
  for (int round = 0; round < 200; ++round) {
    // A blob's outline along pixel edges: a star-shaped radius function,
    // walked as steps of one pixel.
    std::vector<CPoint> ring;
    const int lobes = 1 + int(next() % 6);
    const double wobble = (next() % 40) / 100.0;
    CPoint at(150, 100);
    ring.push_back(at);
    for (int i = 1; i <= 400; ++i) {
      const double a = 6.2831853 * i / 400, r = 50 * (1 + wobble * std::sin(lobes * a));
      const CPoint target(int(std::lround(100 + r * std::cos(a))), int(std::lround(100 + r * std::sin(a))));
      while (at != target) {
        if (at.x != target.x) at.x += target.x > at.x ? 1 : -1;
        else at.y += target.y > at.y ? 1 : -1;
        if (!(at == ring.front())) ring.push_back(at);
      }
    }
    const double epsilon = 0.5 + (next() % 40) / 10.0;
    const std::vector<CPoint> kept = SimplifyClosedOutline(ring, epsilon);
    ASSERT_GE(kept.size(), 4u);
    size_t found = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
      const CPoint &p = ring[i], &q = ring[(i + 1) % ring.size()];
      ASSERT_LE(RingDistance((p.x + q.x) / 2.0, (p.y + q.y) / 2.0, kept), epsilon + 1e-9) << round;
      if (found < kept.size() && p == kept[found]) {
        ++found;
      } else {
        ASSERT_LE(RingDistance(p.x, p.y, kept), epsilon + 0.5 + 1e-9) << round;
      }
    }
    ASSERT_EQ(found, kept.size());
  }
}
