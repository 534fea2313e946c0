#include <gtest/gtest.h>

#include <vector>

#include "model/Area.h"

namespace {
CArea MakeTwoPoint(int32_t type, CPoint a, CPoint b, bool closed = true) {
  CArea area;
  area.m_nType = type;
  area.m_bClosed = closed;
  area.AddPoint(a.x, a.y);
  area.AddPoint(b.x, b.y);
  area.SetBoundPoint(a.x, a.y);
  area.RecalcBound();
  return area;
}
std::vector<CPoint> Storage(const CArea& a) {
  std::vector<CPoint> v;
  for (const CPoint& p : a.m_listPoint) v.push_back(p);
  return v;
}
}  // namespace

TEST(AreaBounds, RecalcStartingFromAPointGivesTheExactBox) {
  CArea a;
  a.AddPoint(30, 40);
  a.AddPoint(10, 50);
  a.AddPoint(20, 5);
  a.SetBoundPoint(30, 40);
  a.RecalcBound();
  EXPECT_EQ(a.m_rcBound, CRect(10, 5, 30, 50));
}

TEST(AreaBounds, RecalcKeepsTheOldInnerEdgeWhenRangesDoNotOverlap) {
  CArea a;
  a.AddPoint(100, 100);
  a.AddPoint(110, 120);
  // Old rectangle at the origin: its inner edges (right 0 -> left candidate)
  a.m_rcBound = CRect(0, 0, 0, 0);
  a.RecalcBound();
  EXPECT_EQ(a.m_rcBound, CRect(0, 0, 110, 120));
}

TEST(AreaBounds, OffsetMovesPointsHandlesAndBound) {
  CArea a = MakeTwoPoint(AREA_BEZIER, {1, 2}, {3, 4});
  a.AddHandle1(5, 5);
  a.AddHandle2(6, 6);
  a.Offset(10, -1);
  EXPECT_EQ(Storage(a), (std::vector<CPoint>{{11, 1}, {13, 3}}));
  EXPECT_EQ(a.m_listHandle1.front(), CPoint(15, 4));
  EXPECT_EQ(a.m_listHandle2.front(), CPoint(16, 5));
  EXPECT_EQ(a.m_rcBound, CRect(11, 1, 13, 3));
}

TEST(AreaHit, BoundToleranceIsFiveInclusive) {
  CArea a = MakeTwoPoint(AREA_RECT, {10, 10}, {50, 50});
  EXPECT_TRUE(a.HitBound(5, 30));
  EXPECT_FALSE(a.HitBound(4, 30));
  EXPECT_TRUE(a.HitBound(55, 55));
  EXPECT_FALSE(a.HitBound(30, 56));
}

TEST(AreaHit, RectangleBandsAroundEdgesButNotTheCentre) {
  CArea a = MakeTwoPoint(AREA_RECT, {10, 10}, {110, 110});
  EXPECT_TRUE(a.HitOutline(15, 60));   // inside near the left edge
  EXPECT_TRUE(a.HitOutline(5, 60));    // outside near the left edge
  EXPECT_FALSE(a.HitOutline(16, 60));  // 6 inside
  EXPECT_TRUE(a.HitOutline(60, 105));
  EXPECT_FALSE(a.HitOutline(60, 60));
  EXPECT_FALSE(a.HitOutline(60, 116));  // beyond the enlarged box
}

TEST(AreaHit, EllipseOutlineNotCentre) {
  CArea a = MakeTwoPoint(AREA_ELLIPSE, {10, 10}, {50, 30});
  EXPECT_TRUE(a.HitOutline(7, 20));  // 3 left of the leftmost point
  EXPECT_FALSE(a.HitOutline(30, 20));
  EXPECT_TRUE(a.HitOutline(30, 10));  // top
  EXPECT_TRUE(a.HitOutline(30, 31));  // bottom
}

TEST(AreaHit, ZeroWidthEllipseIsAVerticalSegment) {
  CArea a = MakeTwoPoint(AREA_ELLIPSE, {20, 10}, {20, 60});
  EXPECT_TRUE(a.HitOutline(20, 35));
  EXPECT_TRUE(a.HitOutline(25, 5));
  EXPECT_FALSE(a.HitOutline(26, 35));
  EXPECT_FALSE(a.HitOutline(20, 66));
}

TEST(AreaHit, SteepEdgeHitAboveItsUpperEnd) {
  CArea a;
  a.m_nType = AREA_POLYGON;
  a.AddPoint(100, 100);
  a.AddPoint(110, 200);
  a.SetBoundPoint(100, 100);
  a.RecalcBound();
  EXPECT_TRUE(a.HitOutline(100, 97));
  EXPECT_TRUE(a.HitOutline(105, 150));
  EXPECT_FALSE(a.HitOutline(115, 150));
}

TEST(AreaHit, ClosedPolygonReportsClosingEdgeAsTailThenHead) {
  CArea a;
  a.m_nType = AREA_POLYGON;
  CPoint* head = a.AddPoint(0, 0);
  a.AddPoint(100, 0);
  CPoint* tail = a.AddPoint(0, 100);
  a.m_bClosed = true;
  a.SetBoundPoint(0, 0);
  a.RecalcBound();
  CPoint *ea = nullptr, *eb = nullptr;
  ASSERT_TRUE(a.HitOutline(2, 50, true, &ea, &eb));
  EXPECT_EQ(ea, tail);
  EXPECT_EQ(eb, head);
  a.InsertPoint(2, 50, ea, eb);
  EXPECT_EQ(a.m_listPoint.back(), CPoint(2, 50));
  // An open polygon has no closing edge.
  CArea open;
  open.m_nType = AREA_POLYGON;
  open.AddPoint(0, 0);
  open.AddPoint(100, 0);
  open.AddPoint(0, 100);
  open.SetBoundPoint(0, 0);
  open.RecalcBound();
  EXPECT_FALSE(open.HitOutline(2, 50));
  EXPECT_TRUE(open.HitOutline(50, 3, true, &ea, &eb));
  EXPECT_EQ(*ea, CPoint(0, 0));
  EXPECT_EQ(*eb, CPoint(100, 0));
}

TEST(AreaHit, BezierAndDefaultAreasAreNeverHit) {
  CArea b = MakeTwoPoint(AREA_BEZIER, {0, 0}, {10, 10});
  EXPECT_FALSE(b.HitOutline(0, 0));
  CArea d = MakeTwoPoint(AREA_DEFAULT, {0, 0}, {10, 10});
  EXPECT_FALSE(d.HitOutline(0, 0));
}

TEST(AreaHit, HitPointTakesTheFirstInStorageOrder) {
  CArea a;
  a.m_nType = AREA_POLYGON;
  CPoint* p1 = a.AddPoint(10, 10);
  a.AddPoint(13, 13);
  a.SetBoundPoint(10, 10);
  a.RecalcBound();
  EXPECT_EQ(a.HitPoint(12, 12), p1);
  EXPECT_EQ(a.HitPoint(18, 18), &a.m_listPoint.back());
  EXPECT_EQ(a.HitPoint(19, 13), nullptr);
}

TEST(AreaHtmlShape, CirclesInAnyOrientationRectanglesNotOpenAreas) {
  EXPECT_TRUE(MakeTwoPoint(AREA_ELLIPSE, {10, 10}, {30, 30}).UpdateHtmlShape(true));
  EXPECT_TRUE(MakeTwoPoint(AREA_ELLIPSE, {30, 10}, {10, 30}).UpdateHtmlShape(true));
  EXPECT_FALSE(MakeTwoPoint(AREA_ELLIPSE, {10, 10}, {30, 31}).UpdateHtmlShape(true));
  EXPECT_FALSE(MakeTwoPoint(AREA_RECT, {10, 10}, {30, 31}, false).UpdateHtmlShape(true));
  EXPECT_FALSE(MakeTwoPoint(AREA_BEZIER, {10, 10}, {30, 31}).UpdateHtmlShape(true));
  CArea r = MakeTwoPoint(AREA_RECT, {10, 10}, {30, 31});
  EXPECT_TRUE(r.UpdateHtmlShape(true));
  r.m_bClosed = false;
  EXPECT_TRUE(r.UpdateHtmlShape(false));  // no recompute: the stored answer
  EXPECT_FALSE(r.UpdateHtmlShape(true));
}

TEST(AreaConvert, RectangleBecomesItsFourCorners) {
  CArea a = MakeTwoPoint(AREA_RECT, {10, 20}, {50, 60});
  CRect before = a.m_rcBound;
  a.ConvertToPolygon();
  EXPECT_EQ(Storage(a), (std::vector<CPoint>{{10, 20}, {10, 60}, {50, 60}, {50, 20}}));
  EXPECT_TRUE(a.m_bClosed);
  EXPECT_EQ(a.m_nType, AREA_POLYGON);
  EXPECT_EQ(a.m_rcBound, before);
}

TEST(AreaConvert, EllipseVertexCountFollowsItsSize) {
  CArea a = MakeTwoPoint(AREA_ELLIPSE, {0, 0}, {20, 12});  // rx 10, ry 6
  a.ConvertToPolygon();
  auto pts = Storage(a);
  ASSERT_EQ(pts.size(), 8u);
  EXPECT_EQ(pts[0], CPoint(20, 6));
  EXPECT_EQ(pts[2], CPoint(10, 12));
  auto count = [](int w, int h) {
    CArea e = MakeTwoPoint(AREA_ELLIPSE, {0, 0}, {w, h});
    e.ConvertToPolygon();
    return e.m_listPoint.size();
  };
  EXPECT_EQ(count(30, 0), 4u);   // rx + ry = 15
  EXPECT_EQ(count(32, 0), 8u);   // 16
  EXPECT_EQ(count(70, 0), 8u);   // 35
  EXPECT_EQ(count(72, 0), 12u);  // 36
  // Tiny ellipses still become four vertices, never an empty polygon.
  EXPECT_EQ(count(2, 2), 4u);
  EXPECT_EQ(count(0, 0), 4u);
}

TEST(AreaConvert, OtherTypesStayAsTheyAre) {
  CArea p = MakeTwoPoint(AREA_POLYGON, {0, 0}, {5, 5}, false);
  p.ConvertToPolygon();
  EXPECT_FALSE(p.m_bClosed);
  EXPECT_EQ(p.m_listPoint.size(), 2u);
  CArea b = MakeTwoPoint(AREA_BEZIER, {0, 0}, {5, 5}, false);
  b.ConvertToPolygon();
  EXPECT_EQ(b.m_nType, AREA_BEZIER);
}

TEST(AreaZoom, WindowAndPictureCoordinatesAtEachZoom) {
  struct Case {
    Zoom zoom;
    int32_t picture, scroll, window;
    int32_t back;  // the window coordinate taken back to the picture
  } cases[] = {
      {kZoom200, 10, 0, 20, 10},
      {kZoom50, 3, 0, 1, 2},     // half pixels are cut off
      {kZoom50, -3, 0, -1, -2},  // towards zero on both sides of the origin
      {kZoom100, 10, 4, 6, 10},
      {kZoom200, 7, 20, -6, 7},
      {kZoom200, INT32_MAX, -5, INT32_MAX, 1073741821},  // held, not wrapped
      {kZoom200, INT32_MIN, 5, INT32_MIN, -1073741821},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.picture << " at " << c.zoom.Percent() << " %");
    EXPECT_EQ(c.zoom.ToWindow(c.picture, c.scroll), c.window);
    EXPECT_EQ(c.zoom.ToPicture(c.window, c.scroll), c.back);
  }
  EXPECT_EQ(kZoom50.Percent(), 50);
  EXPECT_EQ(kZoom200.Percent(), 200);
  EXPECT_EQ((Zoom{1, 0}).Percent(), 0);
  EXPECT_FALSE((Zoom{1, 0}).IsDrawable());
  EXPECT_EQ(kZoom100, (Zoom{1, 1}));
  EXPECT_NE(kZoom50, kZoom200);
}
