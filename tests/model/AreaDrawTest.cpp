#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <random>
#include <vector>

#include "model/Area.h"
#include "platform/DC.h"
#include "platform/DCPixelArt.h"

using zorva::test::Art;
using zorva::test::PixelArt;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
// A vertex mark exclusive-ored onto white.
const std::map<COLORREF, char> kMarks = {{kWhite ^ kMarkColor, 'm'}};

CArea Make(int32_t type, bool closed, std::initializer_list<CPoint> pts) {
  CArea a;
  a.m_nType = type;
  a.m_bClosed = closed;
  for (const CPoint& p : pts) a.AddPoint(p.x, p.y);
  return a;
}

CPoint* Nth(const CArea& a, size_t i) {
  auto it = a.m_listPoint.begin();
  std::advance(it, i);
  return const_cast<CPoint*>(&*it);
}

struct Call {
  Zoom zoom = kZoom100;
  int32_t sx = 0, sy = 0;
  int rop = R2_COPYPEN;
  COLORREF color = 0;
  bool marks = false;
  const CPointRefList* sel = nullptr;
  bool adjacent = false;
};

void DrawOn(CDC& dc, const CArea& a, const Call& c) {
  a.Draw(c.sx, c.sy, c.zoom, dc, c.rop, c.color, c.marks, c.sel, c.adjacent);
}

std::string Render(int32_t w, int32_t h, const CArea& a, const Call& c) {
  CDC dc(w, h);
  DrawOn(dc, a, c);
  return PixelArt(dc, kMarks);
}

}  // namespace

TEST(AreaDraw, RectangleCoversBothCornerPixelsAtEveryZoom) {
  // Corners given in either order; the box runs from the smaller mapped
  // corner to one past the larger.
  CArea r = Make(AREA_RECT, true, {{6, 4}, {2, 1}});
  EXPECT_EQ(Render(9, 6, r, {}),
            Art(".........", "..#####..", "..#...#..", "..#...#..", "..#####..", "........."));
  Call at200;
  at200.zoom = kZoom200;
  at200.sx = 1;
  EXPECT_EQ(Render(13, 10, r, at200),
            Art(".............", ".............", "...#########.", "...#.......#.",
                "...#.......#.", "...#.......#.", "...#.......#.", "...#.......#.",
                "...#########.", "............."));
  Call at50;
  at50.zoom = kZoom50;
  EXPECT_EQ(Render(5, 4, r, at50), Art(".###.", ".#.#.", ".###.", "....."));
}

TEST(AreaDraw, EllipseUsesTheRectangleBoxAtEveryZoom) {
  CArea e = Make(AREA_ELLIPSE, true, {{1, 1}, {5, 5}});
  EXPECT_EQ(Render(7, 7, e, {}),
            Art(".......", "..###..", ".#...#.", ".#...#.", ".#...#.", "..###..", "......."));
  // At 200 % with scroll (1, 2) the box is (1, 0)-(10, 9); at 50 % (0, 0)-(3, 3).
  for (auto [zoom, sx, sy, box] : {std::tuple{kZoom200, 1, 2, CRect(1, 0, 10, 9)},
                                   std::tuple{kZoom50, 0, 0, CRect(0, 0, 3, 3)}}) {
    CDC want(12, 12);
    want.SelectBrush(CBrush::Null());
    want.Ellipse(box.left, box.top, box.right, box.bottom);
    Call c;
    c.zoom = zoom;
    c.sx = sx;
    c.sy = sy;
    EXPECT_EQ(Render(12, 12, e, c), PixelArt(want)) << zoom.Percent();
  }
}

TEST(AreaDraw, MarksAreExclusiveOrUnderTheCopiedOutline) {
  // Filled 4x4 marks (x-2 .. x+1) at both corners, then the black outline.
  CArea r = Make(AREA_RECT, true, {{3, 3}, {8, 6}});
  Call c;
  c.marks = true;
  EXPECT_EQ(Render(11, 9, r, c),
            Art("...........", ".mmmm......", ".mmmm......", ".mm######..", ".mm#m.mm#m.",
                "...#..mm#m.", "...######m.", "......mmmm.", "..........."));
}

TEST(AreaDraw, PolygonFollowsTheDrawingOrder) {
  // Each edge runs from a point back to its predecessor and stops short of
  // it, so an open outline leaves its start pixel out.
  CArea open = Make(AREA_POLYGON, false, {{1, 1}, {6, 1}, {6, 4}});
  EXPECT_EQ(Render(8, 6, open, {}),
            Art("........", "..#####.", "......#.", "......#.", "......#.", "........"));
  open.m_bTailEnd = false;  // same storage, drawn from the tail
  EXPECT_EQ(Render(8, 6, open, {}),
            Art("........", ".######.", "......#.", "......#.", "........", "........"));
  CArea closed = Make(AREA_POLYGON, true, {{1, 1}, {6, 1}, {6, 4}});
  EXPECT_EQ(Render(8, 6, closed, {}),
            Art("........", ".######.", "..##..#.", "....###.", "......#.", "........"));
  Call at200;
  at200.zoom = kZoom200;
  at200.sy = 2;
  CArea line = Make(AREA_POLYGON, false, {{1, 1}, {1, 3}});
  EXPECT_EQ(Render(4, 5, line, at200), Art("....", "..#.", "..#.", "..#.", "..#."));
}

TEST(AreaDraw, SelectedVerticesGetLargerHollowMarks) {
  CArea p = Make(AREA_POLYGON, false, {{3, 3}, {12, 3}});
  CPointRefList sel{Nth(p, 1)};
  Call c;
  c.marks = true;
  c.sel = &sel;
  EXPECT_EQ(Render(16, 7, p, c),
            Art(".........mmmmmm.", ".mmmm....m....m.", ".mmmm....m....m.", ".mmm#########.m.",
                ".mmmm....m....m.", ".........mmmmmm.", "................"));
  // Rectangles and ellipses always get the small filled marks.
  CArea r = Make(AREA_RECT, true, {{2, 2}, {2, 2}});
  CPointRefList rsel{Nth(r, 0), Nth(r, 1)};
  c.sel = &rsel;
  c.color = kWhite ^ kMarkColor;  // outline in the colour the marks show
  EXPECT_EQ(Render(5, 5, r, c), Art(".....", ".....", "..m..", ".....", "....."));
}

// The exclusive-or image used as drag feedback disappears when drawn again,
// for every shape, with marks, selected vertices and at every zoom.
TEST(AreaDraw, ExclusiveOrImageDrawnTwiceLeavesNothing) {
  CArea rect = Make(AREA_RECT, true, {{3, 2}, {20, 15}});
  CArea ell = Make(AREA_ELLIPSE, true, {{20, 3}, {4, 18}});
  CArea poly = Make(AREA_POLYGON, true, {{2, 2}, {20, 5}, {11, 19}, {4, 12}, {3, 3}});
  CPointRefList sel{Nth(poly, 1), Nth(poly, 4)};
  for (Zoom zoom : {kZoom50, kZoom100, kZoom200})
    for (const CArea* a : {&rect, &ell, &poly}) {
      CDC dc(45, 45);
      dc.FillRect(CRect(0, 0, 45, 45), CBrush::Halftone());
      CDC before = dc;
      Call c;
      c.zoom = zoom;
      c.rop = R2_XORPEN;
      c.color = RGB(30, 200, 230);
      c.marks = true;
      c.sel = &sel;
      DrawOn(dc, *a, c);
      EXPECT_NE(PixelArt(dc), PixelArt(before));
      DrawOn(dc, *a, c);
      EXPECT_EQ(PixelArt(dc), PixelArt(before)) << "type " << a->m_nType << " zoom " << zoom.Percent();
    }
}

TEST(AreaDraw, AdjacentOnlyDrawsTheEdgesOfSelectedVertices) {
  CArea sq = Make(AREA_POLYGON, true, {{2, 2}, {10, 2}, {10, 8}, {2, 8}});
  Call c;
  c.adjacent = true;
  CPointRefList one{Nth(sq, 1)};
  c.sel = &one;
  EXPECT_EQ(Render(12, 10, sq, c),
            Art("............", "............", "..########..", "..........#.", "..........#.",
                "..........#.", "..........#.", "..........#.", "..........#.", "............"));
  // The head of a closed outline has the tail as neighbour; of an open one not.
  CPointRefList head{Nth(sq, 0)};
  c.sel = &head;
  EXPECT_EQ(Render(12, 10, sq, c),
            Art("............", "............", "...########.", "..#.........", "..#.........",
                "..#.........", "..#.........", "..#.........", "..#.........", "............"));
  sq.m_bClosed = false;
  EXPECT_EQ(Render(12, 10, sq, c),
            Art("............", "............", "...########.", "............", "............",
                "............", "............", "............", "............", "............"));
  sq.m_bClosed = true;
  // Two neighbouring selected vertices share one edge, drawn only once even
  // in exclusive-or; marks are hollow and points of other areas are skipped.
  CPoint stranger(5, 5);
  CPointRefList two{Nth(sq, 1), Nth(sq, 2), &stranger};
  c.sel = &two;
  c.rop = R2_XORPEN;
  c.color = kWhite;
  EXPECT_EQ(Render(12, 10, sq, c),
            Art("............", "............", "..########..", "..........#.", "..........#.",
                "..........#.", "..........#.", "..........#.", "..#########.", "............"));
  c.marks = true;
  c.rop = R2_COPYPEN;
  c.color = 0;
  c.sel = &one;
  // The hollow mark of the moved vertex goes first; its edges copy over it.
  EXPECT_EQ(Render(14, 10, sq, c),
            Art(".......m....m.", ".......m....m.", "..########..m.", ".......m..#.m.",
                ".......mmm#mm.", "..........#...", "..........#...", "..........#...",
                "..........#...", ".............."));
  Call none = c;
  none.sel = nullptr;
  EXPECT_EQ(Render(4, 2, sq, none), Art("....", "...."));
}

TEST(AreaDraw, NothingForOtherTypesEmptyAreasOrAnUnusableZoom) {
  CArea r = Make(AREA_RECT, true, {{1, 1}, {3, 3}});
  for (int32_t type : {int32_t(AREA_BEZIER), int32_t(AREA_DEFAULT), int32_t(9)}) {
    r.m_nType = type;
    EXPECT_EQ(Render(4, 4, r, {}), Art("....", "....", "....", "....")) << type;
  }
  for (int32_t type : {AREA_RECT, AREA_ELLIPSE, AREA_POLYGON}) {
    CArea empty = Make(type, true, {});
    Call c;
    c.marks = true;
    EXPECT_EQ(Render(3, 1, empty, c), Art("..."));
  }
  r.m_nType = AREA_RECT;
  Call bad;
  bad.zoom = Zoom{2, 0};  // no denominator
  EXPECT_EQ(Render(4, 4, r, bad), Art("....", "....", "....", "...."));
}

TEST(AreaDraw, ExtremeCoordinatesAndDeviceStateAreSafe) {
  CArea p = Make(AREA_POLYGON, true, {{INT_MAX, INT_MAX}, {INT_MIN, 0}, {0, INT_MIN}, {1, 1}});
  CArea r = Make(AREA_RECT, true, {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}});
  CArea e = Make(AREA_ELLIPSE, true, {{INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}});
  CPointRefList sel{Nth(p, 0), Nth(p, 1)};
  for (Zoom zoom : {kZoom50, kZoom100, kZoom200, Zoom{32767, 1}, Zoom{-32768, 1}})
    for (const CArea* a : {&p, &r, &e})
      for (bool adjacent : {false, true}) {
        CDC dc(8, 8);
        dc.SelectPen(CPen::Solid(RGB(1, 2, 3)));
        dc.SelectBrush(CBrush::Halftone());
        dc.SetROP2(R2_NOT);
        a->Draw(INT_MIN, INT_MAX, zoom, dc, R2_XORPEN, 0, true, &sel, adjacent);
        a->Draw(5, -5, zoom, dc, R2_COPYPEN, 0, true, &sel, adjacent);
        EXPECT_EQ(dc.GetPen(), CPen::Solid(RGB(1, 2, 3)));
        EXPECT_EQ(dc.GetBrush(), CBrush::Halftone());
        EXPECT_EQ(dc.GetROP2(), R2_NOT);
      }
}

// A polygon's outline against its edges drawn one by one, as the drawing
// order has them: from each point back to the one before it (the list's
// order, or the reverse when the tail is not the end), the closing edge from
// the first to the last; every point mapped by the zoom's own rule. In
// exclusive-or an edge drawn the other way round lights the other end pixel,
// and one drawn twice vanishes. Negative picture coordinates at 50 % check
// that halving rounds as the zoom does.
TEST(AreaDraw, PolygonOutlineMatchesItsEdgesAtEveryZoomAndScroll) {
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> coord(-30, 90), count(1, 40), scroll(-20, 20), pick(0, 2);
  for (int round = 0; round < 600; ++round) {
    CArea a;
    a.m_nType = AREA_POLYGON;
    a.m_bClosed = round % 2 == 0;
    a.m_bTailEnd = round % 4 < 2;
    const int n = count(rng);
    for (int i = 0; i < n; ++i) a.AddPoint(coord(rng), coord(rng));
    const Zoom zoom = pick(rng) == 0 ? kZoom50 : pick(rng) == 0 ? kZoom200 : kZoom100;
    const int32_t sx = scroll(rng), sy = scroll(rng);
    CDC drawn(64, 64);
    DrawOn(drawn, a, Call{zoom, sx, sy, R2_XORPEN, kWhite});

    CDC edges(64, 64);
    edges.SetROP2(R2_XORPEN);
    edges.SelectPen(CPen::Solid(kWhite));
    std::vector<CPoint> order;
    for (const CPoint& p : a.m_listPoint)
      order.push_back(CPoint(zoom.ToWindow(p.x, sx), zoom.ToWindow(p.y, sy)));
    if (!a.m_bTailEnd) std::reverse(order.begin(), order.end());
    auto edge = [&](const CPoint& from, const CPoint& to) {
      edges.MoveTo(from.x, from.y);
      edges.LineTo(to.x, to.y);
    };
    for (size_t i = 1; i < order.size(); ++i) edge(order[i], order[i - 1]);
    if (a.m_bClosed) edge(order.front(), order.back());
    ASSERT_EQ(PixelArt(drawn), PixelArt(edges)) << "round " << round;
  }
}
