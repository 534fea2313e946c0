#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "view/ToolHelpers.h"

TEST(ToolHelpers, Constrain45TurnsAtItsThresholds) {
  struct Case {
    int dx, dy, ex, ey;
  } cases[] = {
      {10, 4, 10, 0},     // 4 <= 4.142: horizontal
      {10, 5, 10, 10},    // diagonal
      {-10, -4, -10, 0},  {-10, 5, -10, 10}, {0, 7, 0, 7},  {7, 0, 7, 0},
      {10, 24, 24, 24},   // below 2.4142 * 10 downwards: diagonal with |dy|
      {10, 25, 0, 25},    // beyond it: vertical
      {10, -24, 24, -24}, // 24 < 24.12 upwards: diagonal
      {10, -25, 0, -25},  {-3, 20, 0, 20},
  };
  for (const Case& c : cases) {
    CPoint p(100 + c.dx, 50 + c.dy);
    Constrain45(100, 50, p);
    EXPECT_EQ(p, CPoint(100 + c.ex, 50 + c.ey)) << c.dx << "," << c.dy;
  }
  // Between 2.412 and 2.4142: vertical upwards, diagonal downwards.
  CPoint up(1000, -2413);
  Constrain45(0, 0, up);
  EXPECT_EQ(up, CPoint(0, -2413));
  CPoint down(1000, 2413);
  Constrain45(0, 0, down);
  EXPECT_EQ(down, CPoint(2413, 2413));
}

TEST(ToolHelpers, MakeSquareKeepsTheLongerSideAndBothSigns) {
  struct Case {
    int dx, dy, ex, ey;
  } cases[] = {{10, 4, 10, 10}, {-10, 4, -10, 10}, {4, -10, 10, -10}, {-4, -10, -10, -10},
               {0, 9, 0, 9},    {6, 6, 6, 6}};
  for (const Case& c : cases) {
    CPoint p(c.dx, c.dy);
    MakeSquare(0, 0, p);
    EXPECT_EQ(p, CPoint(c.ex, c.ey)) << c.dx << "," << c.dy;
  }
  EXPECT_TRUE(IsNearPoint(0, 0, 5, -5));
  EXPECT_FALSE(IsNearPoint(0, 0, 6, 0));
}

TEST(ToolHelpers, SnappingTakesTheNewestGuideOncePerAxis) {
  zorva::test::ViewFixture f;
  f.AddGuide(true, 100);
  f.AddGuide(true, 104);  // newest horizontal: wins for y = 101
  f.AddGuide(false, 50);
  CPoint p(54, 101);
  EXPECT_TRUE(SnapPointToGuides(f.doc.m_listGuide, p));
  EXPECT_EQ(p, CPoint(50, 104));
  CPoint far(56, 110);
  EXPECT_FALSE(SnapPointToGuides(f.doc.m_listGuide, far));
  EXPECT_EQ(far, CPoint(56, 110));

  // A rectangle keeps its size; its right edge snaps when its left does not,
  // and an older guide catches the top when the newest catches nothing.
  CRect r(10, 96, 46, 140);
  EXPECT_TRUE(SnapRectToGuides(f.doc.m_listGuide, r));
  EXPECT_EQ(r, CRect(14, 100, 50, 144));
}
