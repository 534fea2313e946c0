#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "model/Guide.h"
#include "view/GuideTool.h"

using zorva::test::ViewFixture;

namespace {

// The gesture is over and left nothing behind.
void ExpectIdle(ViewFixture& f) {
  EXPECT_EQ(f.doc.m_pSelGuide, nullptr);
  EXPECT_EQ(f.view->m_guideTool->m_pWorkGuide, nullptr);
  EXPECT_FALSE(f.frame.hRuler.m_bPressed || f.frame.vRuler.m_bPressed);
  EXPECT_FALSE(f.host.captured);
  EXPECT_TRUE(f.view->m_toolState.Idle());
}

}  // namespace

TEST(GuideTool, PulledOutOfARulerIsKeptOnlyWhenDroppedOnThePicture) {
  struct Case {
    bool vertical;
    CPoint drop;  // picture pixels; the picture is 400 by 300
    bool kept;
  } cases[] = {{false, {100, 120}, true}, {true, {120, 100}, true},  {false, {100, -3}, false},
               {true, {-2, 100}, false},  {true, {405, 100}, false}, {false, {100, 306}, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.drop.x << "," << c.drop.y);
    ViewFixture f;
    f.view->OnRulerPress(c.vertical);
    f.Move(c.vertical ? -4 : 60, c.vertical ? 60 : -4);  // still over the ruler
    f.Move(70, 70);
    f.Move(c.drop.x, c.drop.y);
    f.Release(c.drop.x, c.drop.y);
    ExpectIdle(f);
    EXPECT_EQ(f.StalePixels(), 0u);
    if (!c.kept) {
      EXPECT_TRUE(f.doc.m_listGuide.empty());
      EXPECT_TRUE(f.doc.m_listUndo.empty());
      continue;
    }
    ASSERT_EQ(f.doc.m_listGuide.size(), 1u);
    const CGuide* g = f.doc.m_listGuide.front();
    EXPECT_EQ(g->m_bHorizontal, !c.vertical);
    EXPECT_EQ(g->m_nPos, 120);
    ASSERT_EQ(f.doc.m_listUndo.size(), 1u);
    EXPECT_TRUE(f.doc.LastRecord()->IsGuide());
    EXPECT_EQ(f.doc.LastRecord()->GetKind(), CUndoRecord::Kind::Addition);
    EXPECT_EQ(f.doc.LastRecord()->Item(), g);
  }
}

TEST(GuideTool, DraggingAGuideMovesCopiesOrDeletesIt) {
  using Shape = CUndoRecord::Kind;
  struct Case {
    int to, drop;
    unsigned mods;
    std::vector<int> guides;  // positions afterwards, oldest first
    bool recorded;
    Shape shape;
  } cases[] = {
      {105, 105, 0, {100}, false, {}},  // within five pixels: a click
      {95, 95, MK_ALT, {100}, false, {}},
      {130, 100, 0, {100}, false, {}},  // brought back to its own place
      {106, 106, 0, {106}, true, Shape::Change},
      {150, 150, MK_ALT, {100, 150}, true, Shape::Addition},
      {350, 350, 0, {}, true, Shape::Deletion},  // off the picture
      {350, 350, MK_ALT, {100}, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.drop << " " << c.mods);
    ViewFixture f;
    CGuide* g = f.AddGuide(true, 100);
    f.AddRect(150, 80, 250, 200);  // crossed by the guide
    f.view->m_canvas.Invalidate();
    const auto before = f.Pixels();
    f.Press(300, 101);
    EXPECT_EQ(f.doc.m_pSelGuide, g);
    f.Move(300, (101 + c.to) / 2, c.mods);
    f.Move(300, c.to, c.mods);
    f.Release(300, c.drop, c.mods);
    std::vector<int> positions;
    for (const CGuide* h : f.doc.m_listGuide) positions.push_back(h->m_nPos);
    EXPECT_EQ(positions, c.guides);
    ExpectIdle(f);
    EXPECT_EQ(f.StalePixels(), 0u);
    ASSERT_EQ(f.doc.m_listUndo.size(), c.recorded ? 1u : 0u);
    if (!c.recorded) {
      EXPECT_TRUE(f.Pixels() == before);
      continue;
    }
    const CUndoRecord* r = f.doc.LastRecord();
    EXPECT_TRUE(r->IsGuide());
    EXPECT_EQ(r->GetKind(), c.shape);
    if (c.shape == Shape::Change) {
      EXPECT_EQ(CopyBefore<CGuide>(r)->m_nPos, 100);
    }
    EXPECT_EQ(r->Item(),
              c.shape == Shape::Addition ? f.doc.m_listGuide.back() : g);
  }
}

TEST(GuideTool, APressThatPicksAnAreaNeverPicksAGuide) {
  ViewFixture f;
  CArea* a = f.AddRect(50, 50, 150, 100);
  CGuide* g = f.AddGuide(true, 52);  // along the area's top edge
  f.Press(100, 50);
  EXPECT_EQ(f.doc.m_pSelArea, a);
  EXPECT_EQ(f.doc.m_pSelGuide, nullptr);
  f.Move(100, 70);
  f.Move(100, 90);
  f.Release(100, 90);
  EXPECT_EQ(g->m_nPos, 52);
  EXPECT_EQ(a->m_rcBound, CRect(50, 90, 150, 140));
  f.Press(300, 52);  // away from every area the guide is taken
  EXPECT_EQ(f.doc.m_pSelGuide, g);
  f.Release(300, 52);
  ExpectIdle(f);
}
