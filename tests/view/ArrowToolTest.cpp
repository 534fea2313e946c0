#include <gtest/gtest.h>

#include <algorithm>

#include "ViewFixture.h"
#include "model/Guide.h"

using zorva::test::PointsOf;
using zorva::test::SelectionIsOwnedBySelArea;
using zorva::test::ViewFixture;

namespace {

void Click(ViewFixture& f, int x, int y, unsigned mods = 0) { f.Drag(x, y, x, y, mods); }

}  // namespace

TEST(ArrowTool, MovesOnlyBeyondFivePixelsWithOneChangeRecord) {
  struct Case {
    int dx, dy;
    bool moves;
  } cases[] = {{5, 0, false}, {6, 0, true}, {3, 4, false}, {4, 4, false}, {4, 5, true}, {0, -6, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
    ViewFixture f;
    CArea* a = f.AddRect(50, 50, 150, 100);
    f.Press(50, 75);
    f.Move(50 + c.dx, 75 + c.dy);
    f.Release(50 + c.dx, 75 + c.dy);
    const int dx = c.moves ? c.dx : 0, dy = c.moves ? c.dy : 0;
    EXPECT_EQ(a->m_rcBound, CRect(50 + dx, 50 + dy, 150 + dx, 100 + dy));
    EXPECT_EQ(f.doc.IsModified(), c.moves);
    EXPECT_FALSE(f.host.captured);
    EXPECT_EQ(f.StalePixels(), 0u);
    ASSERT_EQ(f.doc.m_listUndo.size(), c.moves ? 1u : 0u);
    if (!c.moves) continue;
    const CUndoRecord* r = f.doc.LastRecord();
    EXPECT_EQ(r->GetKind(), CUndoRecord::Kind::Change);
    EXPECT_EQ(r->Item(), a);
    EXPECT_EQ(CopyBefore<CArea>(r)->m_rcBound, CRect(50, 50, 150, 100));
  }
}

TEST(ArrowTool, ClicksAndDetoursBackToThePressPointChangeNothing) {
  ViewFixture f;
  CArea* a = f.AddRect(50, 50, 150, 100);
  CArea* b = f.AddPolygon({{200, 50}, {300, 60}, {250, 150}}, true);
  f.view->m_canvas.Invalidate();
  Click(f, 50, 75);
  const auto before = f.Pixels();
  f.Press(50, 75);
  for (CPoint p : {CPoint(90, 140), CPoint(20, 10), CPoint(50, 75)}) f.Move(p.x, p.y);
  f.Release(50, 75);
  Click(f, 300, 60);  // picks b, then grabs its point and brings it back
  f.Press(300, 60);
  f.Move(340, 90);
  f.Release(300, 60);
  EXPECT_EQ(a->m_rcBound, CRect(50, 50, 150, 100));
  EXPECT_EQ(PointsOf(*b), (std::vector<CPoint>{{200, 50}, {300, 60}, {250, 150}}));
  EXPECT_EQ(f.doc.m_pSelArea, b);
  EXPECT_TRUE(f.doc.m_listUndo.empty());
  EXPECT_TRUE(SelectionIsOwnedBySelArea(f.doc));
  EXPECT_EQ(f.StalePixels(), 0u);
  Click(f, 50, 75);
  EXPECT_TRUE(f.Pixels() == before);
}

TEST(ArrowTool, SelectedAreaPointsWinAndClickingOnNoAreaDeselects) {
  ViewFixture f;
  CArea* a = f.AddRect(50, 50, 150, 100);
  CArea* top = f.AddRect(145, 95, 250, 200);  // its outline passes a's corner
  Click(f, 150, 100);
  EXPECT_EQ(f.doc.m_pSelArea, top);
  Click(f, 50, 75);
  f.Drag(150, 100, 170, 120);
  EXPECT_EQ(PointsOf(*a), (std::vector<CPoint>{{50, 50}, {170, 120}}));
  EXPECT_EQ(top->m_rcBound, CRect(145, 95, 250, 200));
  Click(f, 100, 80);  // inside, more than 5 pixels from the border: picked by its inside
  EXPECT_EQ(f.doc.m_pSelArea, a);
  Click(f, 300, 250);  // on no area
  EXPECT_EQ(f.doc.m_pSelArea, nullptr);
  EXPECT_EQ(f.StalePixels(), 0u);
  // Again with a render still pending at the press: the marks go with it.
  Click(f, 50, 75);
  f.view->m_canvas.Invalidate();
  Click(f, 300, 250);
  EXPECT_EQ(f.doc.m_pSelArea, nullptr);
  EXPECT_EQ(f.StalePixels(), 0u);
}

TEST(ArrowTool, AltDragDropsACopyOnTop) {
  ViewFixture f;
  CArea* a = f.AddRect(50, 50, 150, 100);
  Click(f, 50, 75);
  f.Drag(50, 75, 80, 95, MK_ALT);
  ASSERT_EQ(f.doc.m_listArea.size(), 2u);
  CArea* copy = f.doc.m_listArea.back();
  EXPECT_EQ(a->m_rcBound, CRect(50, 50, 150, 100));
  EXPECT_EQ(copy->m_rcBound, CRect(80, 70, 180, 120));
  EXPECT_EQ(f.doc.m_pSelArea, copy);
  EXPECT_EQ(f.view->m_clipboard.m_ptPasteOffset, CPoint(30, 20));
  ASSERT_EQ(f.doc.m_listUndo.size(), 1u);
  const CUndoRecord* r = f.doc.LastRecord();
  EXPECT_EQ(r->GetKind(), CUndoRecord::Kind::Addition);
  EXPECT_EQ(r->Item(), copy);
  EXPECT_EQ(r->PrevSel(), a);
  EXPECT_EQ(f.StalePixels(), 0u);
}

TEST(ArrowTool, ShiftClicksBuildAPointSelectionThatMovesTogether) {
  ViewFixture f;
  CArea* p = f.AddPolygon({{50, 50}, {150, 50}, {150, 150}, {50, 150}}, true);
  Click(f, 100, 50);
  Click(f, 50, 50);
  Click(f, 150, 50, MK_SHIFT);
  EXPECT_EQ(f.doc.m_listSelPoint.size(), 2u);
  f.Drag(150, 50, 160, 60);  // a selected point without Shift drags both
  EXPECT_EQ(PointsOf(*p), (std::vector<CPoint>{{60, 60}, {160, 60}, {150, 150}, {50, 150}}));
  EXPECT_TRUE(SelectionIsOwnedBySelArea(f.doc));
  EXPECT_EQ(f.StalePixels(), 0u);  // (160, 60) left the old bounds with its selected mark
  Click(f, 60, 60, MK_SHIFT);  // Shift on a selected point: it alone stays
  EXPECT_EQ(f.doc.m_listSelPoint, CPointRefList{&p->m_listPoint.front()});
}

TEST(ArrowTool, DroppingAnOpenOutlinesEndOnItsOtherEndClosesIt) {
  for (bool tailEnd : {true, false})
    for (bool grabStart : {true, false}) {
      SCOPED_TRACE(testing::Message() << tailEnd << grabStart);
      ViewFixture f;
      CArea* p = f.AddPolygon({{50, 50}, {150, 50}, {150, 150}, {60, 140}}, false);
      p->m_bTailEnd = tailEnd;
      const CPoint start = *p->GetStartPoint(), end = *p->GetEndPoint();
      const CPoint from = grabStart ? start : end, onto = grabStart ? end : start;
      Click(f, 100, 50);
      Click(f, from.x, from.y);
      f.Press(from.x, from.y);
      f.Move(onto.x - 2, onto.y - 4);
      EXPECT_EQ(f.host.pointer, f.Client(onto.x, onto.y));  // the pointer jumped there
      f.Release(onto.x - 2, onto.y - 4);
      std::vector<CPoint> expected = {{50, 50}, {150, 50}, {150, 150}, {60, 140}};
      std::erase(expected, from);
      EXPECT_TRUE(p->m_bClosed);
      EXPECT_EQ(PointsOf(*p), expected);
      EXPECT_EQ(f.doc.m_pGrabPoint, nullptr);
      EXPECT_TRUE(SelectionIsOwnedBySelArea(f.doc));
      EXPECT_EQ(f.doc.m_listUndo.size(), 1u);
      EXPECT_EQ(f.StalePixels(), 0u);
    }
}

TEST(ArrowTool, BoxCornerDragsResizeAboutTheCentreOrSquare) {
  struct Case {
    unsigned mods;
    std::vector<CPoint> points;
  } cases[] = {{0, {{100, 100}, {220, 170}}},
               {MK_ALT, {{80, 90}, {220, 170}}},  // the centre (150, 130) stays
               {MK_SHIFT, {{100, 100}, {220, 220}}},
               {MK_ALT | MK_SHIFT, {{80, 60}, {220, 200}}}};
  for (const Case& c : cases) {
    ViewFixture f;
    CArea* a = f.AddRect(100, 100, 200, 160);
    Click(f, 100, 130);
    f.Drag(200, 160, 220, 170, c.mods);
    EXPECT_EQ(PointsOf(*a), c.points) << c.mods;
    EXPECT_EQ(f.doc.m_listArea.size(), 1u);  // Alt resizes a box, it does not copy it
  }
}

TEST(ArrowTool, MovedAreaSnapsToAGuideOnlyWhileGuidesAreShown) {
  for (bool shown : {true, false}) {
    ViewFixture f;
    CArea* a = f.AddRect(50, 50, 90, 80);
    f.AddGuide(false, 100);
    f.view->m_canvas.m_bShowGuides = shown;
    f.Drag(70, 50, 118, 80);
    EXPECT_EQ(a->m_rcBound, shown ? CRect(100, 80, 140, 110) : CRect(98, 80, 138, 110));
  }
}

TEST(ArrowTool, RightPressRestoresTheAreaAndTheBuffer) {
  for (CPoint press : {CPoint(50, 75), CPoint(150, 100)}) {  // outline, then corner
    ViewFixture f;
    CArea* a = f.AddRect(50, 50, 150, 100);
    Click(f, 50, 75);
    const auto before = f.Pixels();
    f.Press(press.x, press.y);
    f.Move(press.x + 20, press.y + 10);
    f.Move(press.x + 40, press.y + 30);
    f.RightPress(press.x + 40, press.y + 30);
    EXPECT_EQ(a->m_rcBound, CRect(50, 50, 150, 100));
    EXPECT_EQ(f.doc.m_pSelArea, a);
    EXPECT_TRUE(f.doc.m_listSelPoint.empty());
    EXPECT_TRUE(f.doc.m_listUndo.empty());
    EXPECT_FALSE(f.host.captured);
    EXPECT_TRUE(f.Pixels() == before);
  }
}

TEST(HandTool, ScrollsOnlyAPictureLargerThanTheWindow) {
  struct Case {
    CSize picture;
    Zoom zoom;
    CPoint scroll;
  } cases[] = {{{400, 300}, kZoom100, {0, 0}},
               {{2000, 1500}, kZoom100, {50, 41}},
               {{2000, 1500}, kZoom200, {50, 40}}};  // whole picture pixels only
  for (const Case& c : cases) {
    ViewFixture f(c.picture, {800, 600});
    f.view->m_coords.m_zoom = c.zoom;
    f.view->UpdateScrollSizes();
    f.view->m_bHandTool = f.host.keys[VK_SPACE] = true;
    f.view->SetCurrentTool(ID_TOOL_HAND);
    f.view->OnLButtonDown(MK_LBUTTON, CPoint(300, 300));
    f.view->OnMouseMove(MK_LBUTTON, CPoint(250, 259));
    f.host.keys[VK_SPACE] = false;  // let go during the drag
    f.view->OnLButtonUp(0, CPoint(250, 259));
    EXPECT_EQ(f.host.scroll, c.scroll);
    EXPECT_EQ(CPoint(f.frame.hRuler.m_nOffset, f.frame.vRuler.m_nOffset), c.scroll);
    EXPECT_FALSE(f.host.captured);
    if (c.scroll == CPoint(0, 0)) continue;  // the press was ignored
    EXPECT_FALSE(f.view->m_bHandTool);  // the temporary tool ends with the drag
    EXPECT_EQ(f.frame.GetCurrentTool(), ID_TOOL_ARROW);
  }
}
