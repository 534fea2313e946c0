#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "model/Guide.h"

using zorva::test::ViewFixture;

namespace {

// The buffer as shown against a repaint from scratch, taken in this order
// (the repaint overwrites what was shown).
void ExpectShownIsFresh(ViewFixture& f) {
  const std::vector<uint32_t> shown = f.Pixels();
  EXPECT_TRUE(shown == f.FreshPixels()) << "stale drawing left in the back buffer";
}

const CGuide* Before(const CUndoRecord* r) { return static_cast<const CGuide*>(r->m_pBefore); }

// The gesture is over and left nothing behind.
void ExpectIdle(ViewFixture& f) {
  EXPECT_EQ(f.doc.m_pSelGuide, nullptr);
  EXPECT_EQ(f.doc.m_pWorkGuide, nullptr);
  EXPECT_FALSE(f.frame.hRuler.m_bPressed);
  EXPECT_FALSE(f.frame.vRuler.m_bPressed);
  EXPECT_FALSE(f.host.captured);
  EXPECT_EQ(f.view->m_nToolState, 0);
}

}  // namespace

TEST(GuideTool, PulledOutOfARulerAndDroppedOnThePicture) {
  for (bool vertical : {false, true}) {
    ViewFixture f;
    f.view->OnRulerPress(vertical);
    // From the ruler's side of the view into the picture.
    f.Move(vertical ? -4 : 100, vertical ? 100 : -4);
    f.Move(vertical ? 60 : 100, vertical ? 100 : 60);
    f.Move(vertical ? 120 : 100, vertical ? 100 : 120);
    f.Release(vertical ? 120 : 100, vertical ? 100 : 120);
    ASSERT_EQ(f.doc.m_listGuide.size(), 1u);
    const CGuide* g = f.doc.m_listGuide.front();
    EXPECT_EQ(g->m_bHorizontal, !vertical);
    EXPECT_EQ(g->m_nPos, 120);
    ASSERT_EQ(f.doc.m_listUndo.size(), 1u);
    EXPECT_TRUE(f.doc.m_listUndo.back()->m_bGuide);
    EXPECT_EQ(f.doc.m_listUndo.back()->m_pAfter, g);
    EXPECT_EQ(f.doc.m_listUndo.back()->m_pBefore, nullptr);
    ExpectIdle(f);
    ExpectShownIsFresh(f);
  }
}

TEST(GuideTool, ANewGuideDroppedOffThePictureIsNeverMade) {
  struct Case {
    bool vertical;
    CPoint drop;  // picture pixels; the picture is 400 by 300
  } cases[] = {{false, {100, -3}}, {true, {-2, 100}}, {true, {405, 100}}, {false, {100, 306}}};
  for (const Case& c : cases) {
    ViewFixture f;
    f.AddRect(50, 50, 150, 100);
    f.view->Invalidate();
    const auto before = f.Pixels();
    f.view->OnRulerPress(c.vertical);
    f.Move(120, 120);
    f.Move(c.drop.x, c.drop.y);
    f.Release(c.drop.x, c.drop.y);
    EXPECT_TRUE(f.doc.m_listGuide.empty());
    EXPECT_TRUE(f.doc.m_listUndo.empty());
    ExpectIdle(f);
    EXPECT_TRUE(f.Pixels() == before);
  }
}

TEST(GuideTool, DraggingAGuideMovesCopiesOrDeletesIt) {
  struct Case {
    int to, drop;
    unsigned mods;
    std::vector<int> guides;  // positions afterwards, oldest first
    CUndoRecord::Shape shape;
    bool recorded;
  } cases[] = {
      {105, 105, 0, {100}, {}, false},  // within five pixels: a click
      {95, 95, MK_ALT, {100}, {}, false},
      {130, 100, 0, {100}, {}, false},  // brought back to its own place
      {106, 106, 0, {106}, CUndoRecord::Shape::Change, true},
      {150, 150, MK_ALT, {100, 150}, CUndoRecord::Shape::Addition, true},
      {350, 350, 0, {}, CUndoRecord::Shape::Deletion, true},  // off the picture
      {350, 350, MK_ALT, {100}, {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.to << " " << c.mods);
    ViewFixture f;
    CGuide* g = f.AddGuide(true, 100);
    f.AddRect(150, 80, 250, 200);  // crossed by the guide
    f.view->Invalidate();
    const auto before = f.Pixels();
    f.Press(300, 101);
    EXPECT_EQ(f.doc.m_pSelGuide, g);
    f.Move(300, (101 + c.to) / 2, c.mods);
    f.Move(300, c.to, c.mods);
    f.Release(300, c.drop, c.mods);
    std::vector<int> positions;
    for (const CGuide* h : f.doc.m_listGuide) positions.push_back(h->m_nPos);
    EXPECT_EQ(positions, c.guides);
    ASSERT_EQ(f.doc.m_listUndo.size(), c.recorded ? 1u : 0u);
    ExpectIdle(f);
    ExpectShownIsFresh(f);
    if (!c.recorded) {
      EXPECT_TRUE(f.Pixels() == before);
      continue;
    }
    const CUndoRecord* r = f.doc.m_listUndo.back();
    EXPECT_TRUE(r->m_bGuide);
    EXPECT_EQ(r->GetShape(), c.shape);
    if (c.shape == CUndoRecord::Shape::Change) {
      EXPECT_EQ(r->m_pAfter, g);
      EXPECT_EQ(Before(r)->m_nPos, 100);
    } else if (c.shape == CUndoRecord::Shape::Deletion) {
      EXPECT_EQ(r->m_pBefore, g);  // kept alive by the record for undo
    } else {
      EXPECT_EQ(r->m_pAfter, f.doc.m_listGuide.back());
    }
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
  // Away from every area the same press takes the guide.
  f.Press(300, 52);
  EXPECT_EQ(f.doc.m_pSelGuide, g);
  EXPECT_EQ(f.doc.m_pSelArea, nullptr);
  f.Release(300, 52);
  ExpectIdle(f);
}
