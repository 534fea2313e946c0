#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <random>

#include "platform/DC.h"
#include "platform/DCPixelArt.h"

using zorva::test::Art;
using zorva::test::PixelArt;

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
const std::map<COLORREF, char> kRedIsR = {{kRed, 'r'}};

std::string Shape(bool ellipse, int32_t w, int32_t h, CRect box, const CBrush& brush) {
  CDC dc(w, h);
  dc.SelectBrush(brush);
  if (ellipse)
    dc.Ellipse(box.left, box.top, box.right, box.bottom);
  else
    dc.Rectangle(box.left, box.top, box.right, box.bottom);
  return PixelArt(dc, kRedIsR);
}
}  // namespace

TEST(DCRectangle, RightAndBottomEdgesAreExcluded) {
  // (0,0)-(4,4) covers exactly 4x4 pixels: the border with the pen, the
  // inside with the brush; reversed corners give the same box.
  const std::string filled = Art("####.", "#rr#.", "#rr#.", "####.", ".....");
  EXPECT_EQ(Shape(false, 5, 5, CRect(0, 0, 4, 4), CBrush::Solid(kRed)), filled);
  EXPECT_EQ(Shape(false, 5, 5, CRect(4, 4, 0, 0), CBrush::Solid(kRed)), filled);
  EXPECT_EQ(Shape(false, 5, 5, CRect(0, 0, 4, 4), CBrush::Null()),
            Art("####.", "#..#.", "#..#.", "####.", "....."));
  EXPECT_EQ(Shape(false, 4, 3, CRect(1, 0, 2, 3), CBrush::Solid(kRed)), Art(".#..", ".#..", ".#.."));
  EXPECT_EQ(Shape(false, 4, 3, CRect(1, 1, 1, 3), CBrush::Solid(kRed)), Art("....", "....", "...."));
}

// Pen and brush both go through the ROP2 mode, and no pixel is painted twice,
// so an exclusive-or rectangle (even a degenerate one) undoes itself.
TEST(DCRectangle, ExclusiveOrPaintsEachPixelOnce) {
  for (CRect box : {CRect(1, 1, 6, 5), CRect(2, 0, 3, 6), CRect(0, 3, 7, 4), CRect(5, 5, 3, 1)}) {
    CDC dc(7, 6);
    dc.SetROP2(R2_XORPEN);
    dc.SelectPen(CPen::Solid(kWhite));
    dc.SelectBrush(CBrush::Solid(kWhite));
    dc.Rectangle(box.left, box.top, box.right, box.bottom);
    int32_t l = std::min(box.left, box.right), r = std::max(box.left, box.right);
    int32_t t = std::min(box.top, box.bottom), b = std::max(box.top, box.bottom);
    for (int32_t y = 0; y < 6; ++y)
      for (int32_t x = 0; x < 7; ++x)
        ASSERT_EQ(dc.Pixel(x, y), (x >= l && x < r && y >= t && y < b) ? 0u : kWhite)
            << x << "," << y;
    dc.Rectangle(box.left, box.top, box.right, box.bottom);
    EXPECT_EQ(PixelArt(dc), Art(".......", ".......", ".......", ".......", ".......", "......."));
  }
}

TEST(DCEllipse, SmallShapes) {
  EXPECT_EQ(Shape(true, 5, 5, CRect(0, 0, 5, 5), CBrush::Solid(kRed)),
            Art(".###.", "#rrr#", "#rrr#", "#rrr#", ".###."));
  EXPECT_EQ(Shape(true, 3, 3, CRect(0, 0, 3, 3), CBrush::Null()), Art(".#.", "#.#", ".#."));
  EXPECT_EQ(Shape(true, 10, 4, CRect(0, 0, 10, 4), CBrush::Null()),
            Art("..######..", "##......##", "##......##", "..######.."));
  EXPECT_EQ(Shape(true, 2, 6, CRect(0, 0, 2, 6), CBrush::Solid(kRed)),
            Art("##", "##", "##", "##", "##", "##"));
  EXPECT_EQ(Shape(true, 3, 1, CRect(0, 0, 3, 1), CBrush::Null()), Art("###"));
}

// For every box up to 24x24: the shape stays inside the box and touches all
// four sides, is mirror-symmetric, has one run per row, and in exclusive-or
// each pixel is painted once (outline and inside together form the shape).
TEST(DCEllipse, InscribedSymmetricAndSolidForAllSmallBoxes) {
  for (int32_t w = 1; w <= 24; ++w)
    for (int32_t h = 1; h <= 24; ++h) {
      CDC dc(w + 2, h + 2);
      dc.SetROP2(R2_XORPEN);
      dc.SelectPen(CPen::Solid(kWhite));
      dc.SelectBrush(CBrush::Solid(kWhite));
      dc.Ellipse(1, 1, w + 1, h + 1);
      auto in = [&](int32_t x, int32_t y) { return dc.Pixel(x, y) == 0; };
      bool top = false, bottom = false, left = false, right = false;
      for (int32_t y = 0; y < h + 2; ++y) {
        int runs = 0;
        for (int32_t x = 0; x < w + 2; ++x) {
          ASSERT_TRUE(dc.Pixel(x, y) == 0 || dc.Pixel(x, y) == kWhite) << w << "x" << h;
          if (!in(x, y)) continue;
          ASSERT_TRUE(x >= 1 && x <= w && y >= 1 && y <= h) << w << "x" << h;
          ASSERT_EQ(in(w + 1 - x, y), true) << w << "x" << h << " at " << x << "," << y;
          ASSERT_EQ(in(x, h + 1 - y), true) << w << "x" << h << " at " << x << "," << y;
          if (!in(x - 1, y)) ++runs;
          top |= y == 1, bottom |= y == h, left |= x == 1, right |= x == w;
        }
        ASSERT_LE(runs, 1) << w << "x" << h << " row " << y;
        if (y >= 1 && y <= h) {
          ASSERT_EQ(runs, 1) << w << "x" << h << " row " << y;
        }
      }
      EXPECT_TRUE(top && bottom && left && right) << w << "x" << h;
    }
}

// The outline is closed: with the null brush, a flood from outside the box
// never reaches the centre of the box.
TEST(DCEllipse, OutlineHasNoGaps) {
  for (int32_t w = 3; w <= 40; w += 3)
    for (int32_t h = 3; h <= 40; h += 5) {
      CDC dc(w + 2, h + 2);
      dc.SelectBrush(CBrush::Null());
      dc.Ellipse(1, 1, w + 1, h + 1);
      std::vector<char> seen(size_t((w + 2) * (h + 2)), 0);
      std::vector<CPoint> todo{{0, 0}};
      while (!todo.empty()) {
        CPoint p = todo.back();
        todo.pop_back();
        if (p.x < 0 || p.y < 0 || p.x >= w + 2 || p.y >= h + 2) continue;
        char& s = seen[size_t(p.y * (w + 2) + p.x)];
        if (s || dc.Pixel(p.x, p.y) == 0) continue;
        s = 1;
        for (CPoint d : {CPoint(1, 0), CPoint(-1, 0), CPoint(0, 1), CPoint(0, -1)})
          todo.push_back(CPoint(p.x + d.x, p.y + d.y));
      }
      int32_t cx = 1 + w / 2, cy = 1 + h / 2;
      EXPECT_FALSE(seen[size_t(cy * (w + 2) + cx)]) << w << "x" << h;
    }
}

TEST(DCShapes, HugeBoxesOnlyTouchTheVisiblePart) {
  // The outline lies far outside; only the brush shows.
  for (bool ellipse : {false, true}) {
    CDC dc(6, 4);
    dc.SelectBrush(CBrush::Solid(kRed));
    if (ellipse)
      dc.Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);
    else
      dc.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(PixelArt(dc, kRedIsR), Art("rrrrrr", "rrrrrr", "rrrrrr", "rrrrrr")) << ellipse;
  }
  // The left end of an ellipse spanning the whole 32-bit range, brought into
  // view by the origin: the outline runs down the first column.
  CDC dc(4, 6);
  dc.SetViewportOrg(INT_MAX, 3);
  dc.SelectBrush(CBrush::Solid(kRed));
  dc.Ellipse(INT_MIN + 1, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(PixelArt(dc, kRedIsR), Art("#rrr", "#rrr", "#rrr", "#rrr", "#rrr", "#rrr"));
  // A rectangle reaching in from the far negative side: its right and bottom
  // outline lie in column 1 and row 1.
  dc.SetViewportOrg(0, 0);
  dc.Rectangle(INT_MIN, INT_MIN, 2, 2);
  EXPECT_EQ(PixelArt(dc, kRedIsR).substr(0, 10), "r#rr\n##rr\n");
}

namespace {

// The ellipse rule stated pixel by pixel: in doubled coordinates centred on
// the box (A = width - 1, B = height - 1), a pixel belongs to the shape when
// the ellipse holds its centre moved half a pixel inwards along x or along
// y; every row keeps at least its middle pixel(s).
bool InShapeByRule(int64_t X, int64_t Y, int64_t A, int64_t B) {
  X = std::llabs(X);
  Y = std::llabs(Y);
  if (X <= (A & 1)) return true;
  const __int128 a2 = __int128(A) * A, b2 = __int128(B) * B, lim = a2 * b2;
  const int64_t Xi = std::max<int64_t>(X - 1, 0), Yi = std::max<int64_t>(Y - 1, 0);
  return __int128(Xi) * Xi * b2 + __int128(Y) * Y * a2 <= lim ||
         __int128(X) * X * b2 + __int128(Yi) * Yi * a2 <= lim;
}

}  // namespace

// Ellipses drawn row after row (each row's span searched from the one before)
// against the rule checked at every pixel: the outline is the shape's pixels
// on its first or last row or beside a pixel outside it, the rest is the
// brush. Boxes from a pixel to long flat ones, partly outside the buffer,
// through an origin and a clip; exclusive-or shows any pixel painted twice.
TEST(DCEllipse, RowByRowMatchesTheRuleAtEveryPixel) {
  std::mt19937 rng(2024);
  std::uniform_int_distribution<int> size(1, 90), flat(120, 900), pos(-60, 70), pick(0, 5);
  constexpr COLORREF kPen = RGB(0, 0, 200), kFill = RGB(0, 170, 0);
  for (int round = 0; round < 400; ++round) {
    int32_t w = size(rng), h = size(rng);
    if (pick(rng) == 0) w = flat(rng);  // long flat rows jump far near the ends
    if (pick(rng) == 1) h = flat(rng);
    const int32_t l = pos(rng), t = pos(rng);
    const bool hollow = pick(rng) < 2;
    const CPoint origin(pick(rng) - 2, 3 - pick(rng));
    const CRect clip(pick(rng), pick(rng), 80 - pick(rng), 70 - pick(rng));
    CDC dc(80, 70, 0);
    dc.SetViewportOrg(origin.x, origin.y);
    dc.SetClipRect(clip);
    dc.SetROP2(R2_XORPEN);
    dc.SelectPen(CPen::Solid(kPen));
    dc.SelectBrush(hollow ? CBrush::Null() : CBrush::Solid(kFill));
    // Corners given in either order make the same box.
    if (round % 2)
      dc.Ellipse(l + w, t + h, l, t);
    else
      dc.Ellipse(l, t, l + w, t + h);

    const int64_t L = l + origin.x, T = t + origin.y, A = w - 1, B = h - 1;
    auto in = [&](int64_t x, int64_t y) {
      return x >= L && x < L + w && y >= T && y < T + h &&
             InShapeByRule(2 * (x - L) - A, 2 * (y - T) - B, A, B);
    };
    for (int32_t y = 0; y < 70; ++y)
      for (int32_t x = 0; x < 80; ++x) {
        COLORREF want = 0;
        const bool visible = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
        if (visible && in(x, y)) {
          const bool edge = y == T || y == T + h - 1 || !in(x - 1, y) || !in(x + 1, y) ||
                            !in(x, y - 1) || !in(x, y + 1);
          want = edge ? kPen : hollow ? 0 : kFill;
        }
        ASSERT_EQ(dc.Pixel(x, y), want) << "round " << round << ": " << w << "x" << h << " at "
                                        << l << "," << t << ", pixel " << x << "," << y;
      }
  }
}
