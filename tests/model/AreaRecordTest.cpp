#include <gtest/gtest.h>

#include <vector>

#include "model/Area.h"

namespace {
std::vector<CPoint> Storage(const CArea& a) {
  std::vector<CPoint> v;
  for (const CPoint& p : a.m_listPoint) v.push_back(p);
  return v;
}
using Pts = std::vector<CPoint>;
}  // namespace

TEST(AreaRecord, NewAreaIsAnEmptyDefaultArea) {
  CArea a;
  EXPECT_EQ(a.m_nType, AREA_DEFAULT);
  EXPECT_FALSE(a.m_bClosed);
  EXPECT_TRUE(a.m_listPoint.empty() && a.m_listHandle1.empty() && a.m_listHandle2.empty());
  EXPECT_TRUE(a.m_strHref.empty() && a.m_strComment.empty());
  EXPECT_TRUE(a.m_bTailEnd);
  EXPECT_EQ(a.m_pPending, nullptr);
  EXPECT_EQ(a.m_rcBound, CRect(0, 0, 0, 0));
}

TEST(AreaRecord, GrowingEndAtHeadReversesDrawingOrder) {
  CArea a;
  a.AddPoint(1, 1);
  a.m_bTailEnd = false;
  a.AddPoint(2, 2);
  a.AddPoint(3, 3);
  EXPECT_EQ(Storage(a), (Pts{{3, 3}, {2, 2}, {1, 1}}));
  EXPECT_EQ(*a.GetEndPoint(), CPoint(3, 3));
  EXPECT_EQ(*a.GetStartPoint(), CPoint(1, 1));
  a.RemoveEndPoint();
  EXPECT_EQ(Storage(a), (Pts{{2, 2}, {1, 1}}));
  a.SetEndPoint(9, 9);
  EXPECT_EQ(Storage(a), (Pts{{9, 9}, {1, 1}}));
  a.RemoveStartPoint();
  EXPECT_EQ(Storage(a), (Pts{{9, 9}}));
  // Handles always go to the tail.
  a.AddHandle1(5, 5);
  a.AddHandle1(6, 6);
  EXPECT_EQ(a.m_listHandle1.back(), CPoint(6, 6));
}

TEST(AreaRecord, InsertOnClosingEdgeGoesToTheGrowingEnd) {
  CArea a;
  a.m_nType = AREA_POLYGON;
  CPoint* p1 = a.AddPoint(0, 0);
  a.AddPoint(10, 0);
  CPoint* p3 = a.AddPoint(10, 10);
  a.m_bClosed = true;
  CPoint* n = a.InsertPoint(5, 5, p3, p1);
  EXPECT_EQ(a.m_pPending, n);
  EXPECT_EQ(Storage(a), (Pts{{0, 0}, {10, 0}, {10, 10}, {5, 5}}));
  // The same edge of an open polygon is an ordinary edge between nodes.
  CArea line;
  line.m_nType = AREA_POLYGON;
  CPoint* a1 = line.AddPoint(0, 0);
  CPoint* a2 = line.AddPoint(20, 0);
  line.InsertPoint(10, 3, a1, a2);
  EXPECT_EQ(Storage(line), (Pts{{0, 0}, {10, 3}, {20, 0}}));
}

TEST(AreaRecord, InsertWithHeadGrowingEndGoesBeforeTheNodeSeenFromTheTail) {
  CArea a;
  a.m_nType = AREA_POLYGON;
  CPoint* p1 = a.AddPoint(0, 0);
  CPoint* p2 = a.AddPoint(10, 0);
  a.AddPoint(20, 0);
  a.m_bTailEnd = false;
  // Edge (p1, p2): seen from the tail, p2 comes first; insert before it.
  a.InsertPoint(5, 0, p1, p2);
  EXPECT_EQ(Storage(a), (Pts{{0, 0}, {5, 0}, {10, 0}, {20, 0}}));
}

TEST(AreaRecord, PendingPointIsMovedKeptOrDropped) {
  CArea a;
  a.m_nType = AREA_POLYGON;
  CPoint* p1 = a.AddPoint(0, 0);
  CPoint* p2 = a.AddPoint(10, 0);
  a.InsertPoint(5, 0, p1, p2);
  a.SetPendingPoint(5, 7);
  EXPECT_EQ(Storage(a)[1], CPoint(5, 7));
  EXPECT_TRUE(a.EndPending(true));
  EXPECT_EQ(Storage(a), (Pts{{0, 0}, {10, 0}}));
  EXPECT_EQ(a.m_pPending, nullptr);
  a.InsertPoint(5, 0, p1, p2);
  EXPECT_FALSE(a.EndPending(false));
  EXPECT_EQ(a.m_listPoint.size(), 3u);
  EXPECT_EQ(a.m_pPending, nullptr);
}

TEST(AreaRecord, CopyIsDeepAndReplacesEveryList) {
  CArea src;
  src.m_nType = AREA_BEZIER;
  src.m_bClosed = true;
  src.AddPoint(1, 2);
  src.AddPoint(3, 4);
  src.m_rcBound = CRect(1, 2, 3, 4);
  src.m_strHref = "a.html";
  src.m_strTarget = "_top";
  src.m_strAlt = "alt";
  src.m_bJavaScript = true;
  src.m_strOnClick = "c()";
  src.m_strOnMouseOver = "o()";
  src.m_strOnMouseOut = "u()";
  src.m_strComment = "note";
  src.m_bReserved = true;
  src.m_bHtmlShape = true;
  src.m_bTailEnd = false;

  CArea dst;
  dst.AddHandle1(7, 7);
  dst.AddHandle2(8, 8);
  dst.AddPoint(9, 9);
  dst.CopyFrom(src);
  EXPECT_TRUE(dst.m_listHandle1.empty());
  EXPECT_TRUE(dst.m_listHandle2.empty());
  EXPECT_EQ(Storage(dst), Storage(src));
  EXPECT_EQ(dst.m_nType, AREA_BEZIER);
  EXPECT_TRUE(dst.m_bClosed && dst.m_bJavaScript && dst.m_bReserved && dst.m_bHtmlShape);
  EXPECT_FALSE(dst.m_bTailEnd);
  EXPECT_EQ(dst.m_rcBound, src.m_rcBound);
  EXPECT_EQ(dst.m_strHref + dst.m_strTarget + dst.m_strAlt + dst.m_strOnClick +
                dst.m_strOnMouseOver + dst.m_strOnMouseOut + dst.m_strComment,
            "a.html_topaltc()o()u()note");
  // Same drawing order: the end point is the head in both.
  EXPECT_EQ(*dst.GetEndPoint(), *src.GetEndPoint());
  dst.m_listPoint.front().x = 100;
  EXPECT_EQ(src.m_listPoint.front().x, 1);
}

TEST(AreaRecord, CopyDropsAPendingPointThatDiedWithTheOldPoints) {
  CArea dst;
  dst.m_nType = AREA_POLYGON;
  CPoint* a = dst.AddPoint(0, 0);
  CPoint* b = dst.AddPoint(4, 0);
  dst.InsertPoint(2, 0, a, b);
  CArea src;
  src.AddPoint(1, 1);
  dst.CopyFrom(src);
  EXPECT_EQ(dst.m_pPending, nullptr);
}
