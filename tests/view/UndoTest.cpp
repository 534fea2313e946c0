#include <gtest/gtest.h>

#include "EditTestSupport.h"

using namespace zorva::test;

namespace {

// What a move of the arrow tool leaves behind: a change record.
void Move(ViewFixture& f, CArea* area, int dx, int dy) {
  auto* before = new CArea;
  before->CopyFrom(*area);
  area->Offset(dx, dy);
  auto* r = new CUndoRecord;
  r->m_pBefore = before;
  r->m_pAfter = area;
  f.doc.PushUndo(r);
  f.doc.m_pSelArea = area;
  f.view->Invalidate();
  f.Pixels();
}

CUndoRecord* GuideRecord(CGuide* before, CGuide* after) {
  auto* r = new CUndoRecord;
  r->m_bGuide = true;
  r->m_pBefore = before;
  r->m_pAfter = after;
  return r;
}

}  // namespace

TEST(Undo, AdditionsAreUndoneAndRedoneInOrder) {
  ViewFixture f;
  const auto empty = f.Pixels();
  CArea* a = Created(f, f.AddRect(10, 10, 50, 40));
  CArea* b = Created(f, f.AddEllipse(100, 10, 150, 60));
  CArea* c = Created(f, f.AddPolygon({{200, 100}, {260, 120}, {220, 180}}, true));

  // Each undo selects what was selected before the addition.
  for (CArea* expected : {b, a, static_cast<CArea*>(nullptr)}) {
    f.view->OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(f.doc.m_pSelArea, expected);
    EXPECT_TRUE(ShowsFresh(f));
  }
  EXPECT_TRUE(f.doc.m_listArea.empty());
  EXPECT_EQ(f.Pixels(), empty);
  EXPECT_FALSE(Enabled(f, ID_EDIT_UNDO));
  EXPECT_TRUE(Enabled(f, ID_EDIT_REDO));
  EXPECT_FALSE(f.doc.IsModified());

  for (int i = 0; i < 3; ++i) {
    f.view->OnCommand(ID_EDIT_REDO);
    EXPECT_EQ(f.doc.m_pSelArea, f.doc.m_listArea.back());
    EXPECT_TRUE(ShowsFresh(f));
  }
  EXPECT_EQ(f.doc.m_listArea, (std::list<CArea*>{a, b, c}));
  EXPECT_FALSE(Enabled(f, ID_EDIT_REDO));
  // A redo past the end changes nothing.
  f.view->OnEditRedo();
  EXPECT_EQ(f.doc.m_listArea.size(), 3u);
}

TEST(Undo, ANewRecordDiscardsTheRedoBranch) {
  ViewFixture f;
  CArea* a = Created(f, f.AddRect(10, 10, 50, 40));
  Created(f, f.AddRect(60, 10, 90, 40));
  f.view->OnCommand(ID_EDIT_UNDO);
  CArea* c = Created(f, f.AddRect(100, 10, 140, 40));
  EXPECT_FALSE(Enabled(f, ID_EDIT_REDO));
  EXPECT_EQ(f.doc.m_listUndo.size(), 2u);
  f.view->OnCommand(ID_EDIT_REDO);
  EXPECT_EQ(f.doc.m_listArea, (std::list<CArea*>{a, c}));
}

TEST(Undo, AnUndoneDeletionComesBackOnTop) {
  ViewFixture f;
  CArea* bottom = f.AddRect(10, 10, 50, 40);
  CArea* middle = f.AddRect(60, 10, 90, 40);
  CArea* top = f.AddRect(100, 10, 140, 40);
  f.doc.m_pSelArea = bottom;
  f.view->Invalidate();
  f.view->OnCommand(ID_EDIT_CLEAR);
  EXPECT_EQ(f.doc.m_listArea, (std::list<CArea*>{middle, top}));
  f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(f.doc.m_listArea, (std::list<CArea*>{middle, top, bottom}));
  EXPECT_EQ(f.doc.m_pSelArea, bottom);
  EXPECT_TRUE(ShowsFresh(f));
  f.view->OnCommand(ID_EDIT_REDO);
  EXPECT_EQ(f.doc.m_listArea, (std::list<CArea*>{middle, top}));
  EXPECT_EQ(f.doc.m_pSelArea, nullptr);
  EXPECT_TRUE(ShowsFresh(f));
}

TEST(Undo, ModifiedFlagFollowsTheSavedPosition) {
  ViewFixture f;
  Created(f, f.AddRect(10, 10, 50, 40));
  f.doc.MarkSaved();
  f.doc.SetModifiedFlag(false);
  Created(f, f.AddRect(60, 10, 90, 40));
  EXPECT_TRUE(f.doc.IsModified());
  struct Step {
    unsigned command;
    bool modified;
  } steps[] = {{ID_EDIT_UNDO, false}, {ID_EDIT_UNDO, true}, {ID_EDIT_REDO, false},
               {ID_EDIT_REDO, true},  {ID_EDIT_UNDO, false}};
  for (const Step& s : steps) {
    f.view->OnCommand(s.command);
    EXPECT_EQ(f.doc.IsModified(), s.modified) << s.command;
  }
}

TEST(Undo, AChangeLeavesTheAreaSelectedWithNoPointerIntoFreedPoints) {
  ViewFixture f;
  CArea* other = f.AddRect(300, 200, 350, 250);
  CArea* poly = Created(f, f.AddPolygon({{10, 10}, {60, 10}, {60, 60}, {10, 60}}, true));
  Move(f, poly, 100, 50);
  // Vertices selected, one grabbed, the other area selected: the exchange
  // frees these points, so nothing may keep them.
  f.doc.m_listSelPoint = {poly->GetHeadPoint(), poly->GetTailPoint()};
  f.doc.m_pGrabPoint = poly->GetHeadPoint();
  f.view->Invalidate();
  f.Pixels();

  f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(f.doc.m_pSelArea, poly);
  EXPECT_TRUE(f.doc.m_listSelPoint.empty());
  EXPECT_EQ(f.doc.m_pGrabPoint, nullptr);
  EXPECT_EQ(poly->m_rcBound, CRect(10, 10, 60, 60));
  EXPECT_EQ(*poly->GetHeadPoint(), CPoint(10, 10));
  EXPECT_TRUE(ShowsFresh(f));

  f.doc.m_pSelArea = other;
  f.view->Invalidate();
  f.view->OnCommand(ID_EDIT_REDO);
  EXPECT_EQ(f.doc.m_pSelArea, poly);
  EXPECT_EQ(poly->m_rcBound, CRect(110, 60, 160, 110));
  EXPECT_TRUE(ShowsFresh(f));
  EXPECT_EQ(f.view->m_nToolState, 0);
}

TEST(Undo, GuideRecords) {
  ViewFixture f;
  const auto empty = f.Pixels();
  // Pulled from a ruler.
  CGuide* g = f.AddGuide(true, 50);
  f.doc.PushUndo(GuideRecord(nullptr, g));
  // Moved from 50 to 120.
  auto* copy = new CGuide(*g);
  g->m_nPos = 120;
  f.doc.PushUndo(GuideRecord(copy, g));
  f.view->Invalidate();
  const auto moved = f.Pixels();

  f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(g->m_nPos, 50);
  EXPECT_TRUE(ShowsFresh(f));
  f.doc.m_pSelGuide = g;
  f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_TRUE(f.doc.m_listGuide.empty());
  EXPECT_EQ(f.doc.m_pSelGuide, nullptr);
  EXPECT_EQ(f.Pixels(), empty);
  f.view->OnCommand(ID_EDIT_REDO);
  f.view->OnCommand(ID_EDIT_REDO);
  EXPECT_EQ(f.doc.m_listGuide, (std::list<CGuide*>{g}));
  EXPECT_EQ(f.Pixels(), moved);

  // Removed, then brought back.
  f.doc.m_listGuide.remove(g);
  f.doc.PushUndo(GuideRecord(g, nullptr));
  f.view->Invalidate();
  EXPECT_EQ(f.Pixels(), empty);
  f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(f.Pixels(), moved);
  f.view->OnCommand(ID_EDIT_REDO);
  EXPECT_TRUE(f.doc.m_listGuide.empty());
  EXPECT_EQ(f.Pixels(), empty);
}

TEST(Undo, NothingToUndoAfterTheContentsWereDeleted) {
  ViewFixture f;
  Created(f, f.AddRect(10, 10, 50, 40));
  f.doc.DeleteContents();
  EXPECT_FALSE(Enabled(f, ID_EDIT_UNDO));
  f.view->OnEditUndo();
  f.view->OnEditRedo();
  EXPECT_TRUE(f.doc.m_listArea.empty());
}
