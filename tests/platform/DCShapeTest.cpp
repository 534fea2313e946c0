#include <gtest/gtest.h>

#include <climits>

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
