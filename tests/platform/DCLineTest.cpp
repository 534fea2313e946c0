#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "platform/DC.h"
#include "platform/DCPixelArt.h"

using zorva::test::Art;
using zorva::test::PixelArt;

namespace {

using Pixel = std::pair<int64_t, int64_t>;

// Plain statement of the line rule: in every column (rows for steep lines)
// from the start up to but excluding the end, the pixel whose centre is
// nearest the true line; exactly half-way, the smaller coordinate.
std::set<Pixel> ReferenceLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  std::set<Pixel> out;
  bool steep = std::llabs(y1 - y0) > std::llabs(x1 - x0);
  if (steep) {
    std::swap(x0, y0);
    std::swap(x1, y1);
  }
  int64_t dx = x1 - x0, dy = y1 - y0;
  if (dx == 0) return out;
  int64_t step = dx > 0 ? 1 : -1;
  for (int64_t x = x0; x != x1; x += step) {
    // The true minor coordinate is num / dx; compare |y * dx - num| exactly.
    int64_t num = y0 * dx + (x - x0) * dy;
    int64_t best = 0, bestDist = -1;
    int64_t guess = num / dx;
    for (int64_t y = guess - 2; y <= guess + 2; ++y) {
      int64_t dist = std::llabs(y * dx - num);
      if (bestDist < 0 || dist < bestDist) {
        best = y;
        bestDist = dist;
      }
    }
    out.insert(steep ? Pixel{best, x} : Pixel{x, best});
  }
  return out;
}

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kInk = RGB(10, 20, 30);

std::string Drawn(int32_t w, int32_t h, std::pair<int, int> from, std::pair<int, int> to) {
  CDC dc(w, h);
  dc.MoveTo(from.first, from.second);
  dc.LineTo(to.first, to.second);
  return PixelArt(dc);
}

}  // namespace

// Every line agrees with the plain rule, through an origin offset and a clip.
TEST(DCLine, MatchesTheReferenceRuleThroughOriginAndClip) {
  const CPoint origin(3, -2);
  const CRect clip(2, 1, 30, 20);
  std::mt19937 rng(1234);
  std::uniform_int_distribution<int> coord(-40, 60);
  auto check = [&](int x0, int y0, int x1, int y1) {
    CDC dc(32, 24, kWhite);
    dc.SetViewportOrg(origin.x, origin.y);
    dc.SetClipRect(clip);
    dc.SelectPen(CPen::Solid(kInk));
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
    std::set<Pixel> want;
    for (auto [x, y] : ReferenceLine(x0, y0, x1, y1)) {
      int64_t dx = x + origin.x, dy = y + origin.y;
      if (dx >= clip.left && dx < clip.right && dy >= clip.top && dy < clip.bottom)
        want.insert({dx, dy});
    }
    for (int32_t y = 0; y < dc.Height(); ++y)
      for (int32_t x = 0; x < dc.Width(); ++x)
        ASSERT_EQ(dc.Pixel(x, y), want.count({x, y}) ? kInk : kWhite)
            << "line (" << x0 << "," << y0 << ")-(" << x1 << "," << y1 << ") at " << x << ","
            << y;
  };
  for (int x = -8; x <= 24; ++x)
    for (int y = -8; y <= 24; ++y) check(8, 8, x, y);
  for (int i = 0; i < 3000; ++i) check(coord(rng), coord(rng), coord(rng), coord(rng));
}

TEST(DCLine, ShallowSteepAndDiagonalShapes) {
  // Half-way columns take the upper pixel, half-way rows the left one, and
  // the end pixel is never drawn, in either direction.
  EXPECT_EQ(Drawn(5, 3, {0, 0}, {4, 2}), Art("##...", "..##.", "....."));
  EXPECT_EQ(Drawn(5, 3, {4, 2}, {0, 0}), Art(".#...", "..##.", "....#"));
  EXPECT_EQ(Drawn(3, 5, {0, 0}, {2, 4}), Art("#..", "#..", ".#.", ".#.", "..."));
  EXPECT_EQ(Drawn(4, 4, {3, 0}, {0, 3}), Art("...#", "..#.", ".#..", "...."));
  EXPECT_EQ(Drawn(4, 2, {0, 1}, {4, 1}), Art("....", "####"));
  EXPECT_EQ(Drawn(3, 3, {1, 1}, {1, 1}), Art("...", "...", "..."));
}

// A closed outline drawn twice with the exclusive-or pen leaves the buffer as
// it was; drawn once, every corner is lit (no pixel is inverted twice).
TEST(DCLine, XorPolylineTwiceRestoresAndCornersAreLitOnce) {
  std::mt19937 rng(99);
  std::uniform_int_distribution<int> coord(-5, 45);
  std::uniform_int_distribution<uint32_t> colour(0, 0xFFFFFF);
  for (int round = 0; round < 200; ++round) {
    CDC dc(40, 40);
    for (int32_t y = 0; y < 40; ++y)
      for (int32_t x = 0; x < 40; ++x) dc.SetPixel(x, y, colour(rng));
    CDC before = dc;
    dc.SetROP2(R2_XORPEN);
    dc.SelectPen(CPen::Solid(RGB(225, 55, 20)));
    CPoint pts[5];
    for (auto& p : pts) p = CPoint(coord(rng), coord(rng));
    auto outline = [&] {
      dc.MoveTo(pts[0].x, pts[0].y);
      for (int i = 1; i <= 5; ++i) dc.LineTo(pts[i % 5].x, pts[i % 5].y);
    };
    outline();
    outline();
    ASSERT_TRUE(std::equal(dc.Bits(), dc.Bits() + 1600, before.Bits())) << "round " << round;
  }
  // A convex outline drawn once: each corner is inverted exactly once.
  CDC dc(12, 12);
  dc.SetROP2(R2_XORPEN);
  dc.SelectPen(CPen::Solid(kWhite));
  const CPoint corners[] = {{1, 1}, {9, 2}, {10, 8}, {5, 10}, {1, 6}};
  dc.MoveTo(1, 1);
  for (int i = 1; i <= 5; ++i) dc.LineTo(corners[i % 5].x, corners[i % 5].y);
  for (const auto& p : corners) EXPECT_EQ(dc.Pixel(p.x, p.y), 0u);
}

TEST(DCLine, ExtremeCoordinatesAreClippedQuickly) {
  CDC dc(10, 10);
  dc.MoveTo(-2000000000, -2000000000);
  dc.LineTo(2000000000, 2000000000);
  for (int32_t i = 0; i < 10; ++i) EXPECT_EQ(dc.Pixel(i, i), 0u) << i;
  EXPECT_EQ(dc.Pixel(1, 0), RGB(255, 255, 255));

  // Every corner of the 32-bit range, also with the origin pushed to its end:
  // nothing may be written outside the buffer, and the current position moves.
  const int32_t v[] = {INT_MIN, -1, 0, 5, INT_MAX};
  for (auto [ox, oy] : {std::pair{0, 0}, std::pair{INT_MAX, INT_MIN}, std::pair{INT_MIN, INT_MAX}})
    for (int32_t x0 : v)
      for (int32_t y0 : v)
        for (int32_t x1 : v)
          for (int32_t y1 : v) {
            CDC d(8, 8);
            d.SetViewportOrg(ox, oy);
            d.MoveTo(x0, y0);
            d.LineTo(x1, y1);
            ASSERT_EQ(d.GetCurrentPosition(), CPoint(x1, y1));
          }
  CDC d(8, 8);
  d.SetViewportOrg(INT_MAX, 0);
  d.MoveTo(INT_MIN, 3);
  d.LineTo(INT_MAX, 3);
  EXPECT_EQ(PixelArt(d).substr(27, 9), "########\n");
}

TEST(DCLine, NullPenDrawsNothingAndRop2IsChecked) {
  CDC dc(4, 1);
  dc.SelectPen(CPen::Null());
  dc.MoveTo(0, 0);
  dc.LineTo(4, 0);
  EXPECT_EQ(PixelArt(dc), Art("...."));
  EXPECT_EQ(dc.SetROP2(0), 0);
  EXPECT_EQ(dc.SetROP2(17), 0);
  EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
  EXPECT_EQ(dc.SetROP2(R2_NOT), R2_COPYPEN);
  dc.SelectPen(CPen::Solid(RGB(1, 2, 3)));
  dc.MoveTo(1, 0);
  dc.LineTo(3, 0);
  EXPECT_EQ(PixelArt(dc), Art(".##."));
  dc.SetROP2(R2_NOP);
  dc.MoveTo(0, 0);
  dc.LineTo(4, 0);
  EXPECT_EQ(PixelArt(dc), Art(".##."));
}

// A polyline lights what its lines drawn one by one with the plain rule light,
// each line from one point to the next and the closing one from the last
// back to the first. In exclusive-or (and with R2_NOT, which ignores the pen)
// a pixel ends inverted when an odd number of lines cover it, so a line
// drawn the wrong way round, twice or not at all shows; some lines lie
// wholly inside the clip, some cross it.
TEST(DCLine, PolylineMatchesItsLinesByTheRule) {
  const CPoint origin(-3, 4);
  const CRect clip(1, 2, 37, 29);
  std::mt19937 rng(77);
  std::uniform_int_distribution<int> coord(-12, 48), count(1, 9), pick(0, 2);
  constexpr COLORREF kBack = RGB(40, 80, 120);
  for (int round = 0; round < 1500; ++round) {
    std::vector<CPoint> pts(size_t(count(rng)));
    for (CPoint& p : pts) p = CPoint(coord(rng), coord(rng));
    const bool closed = round % 2 == 0;
    const int rop = pick(rng) == 0 ? R2_NOT : R2_XORPEN;
    CDC dc(40, 32, kBack);
    dc.SetViewportOrg(origin.x, origin.y);
    dc.SetClipRect(clip);
    dc.SetROP2(rop);
    dc.SelectPen(CPen::Solid(kInk));
    dc.Polyline(pts.data(), pts.size(), closed);
    const CPoint last = closed ? pts.front() : pts.back();
    ASSERT_EQ(dc.GetCurrentPosition(), last) << "round " << round;

    std::map<Pixel, int> covered;
    auto line = [&](const CPoint& a, const CPoint& b) {
      for (auto [x, y] : ReferenceLine(a.x, a.y, b.x, b.y)) ++covered[{x + origin.x, y + origin.y}];
    };
    for (size_t i = 1; i < pts.size(); ++i) line(pts[i - 1], pts[i]);
    if (closed) line(pts.back(), pts.front());
    const COLORREF inverted = rop == R2_NOT ? ~kBack & 0xFFFFFF : kBack ^ kInk;
    for (int32_t y = 0; y < dc.Height(); ++y)
      for (int32_t x = 0; x < dc.Width(); ++x) {
        const bool inClip = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
        const bool odd = inClip && covered.count({x, y}) && covered[{x, y}] % 2;
        ASSERT_EQ(dc.Pixel(x, y), odd ? inverted : kBack) << "round " << round << " at " << x << "," << y;
      }
  }
}
