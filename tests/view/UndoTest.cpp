#include <gtest/gtest.h>

#include <vector>

#include "EditTestSupport.h"

namespace {
template <typename T>
std::vector<T*> Listed(const COwnedList<T>& list) { return {list.begin(), list.end()}; }
}  // namespace

using namespace zorva::test;

TEST(Undo, WalksAdditionsAndDeletionsWithSelectionModifiedFlagAndDrawing) {
  ViewFixture f;
  CArea* a = Select(f, f.AddRect(10, 10, 50, 40), {}, true);
  f.doc.MarkSaved();
  f.doc.SetModifiedFlag(false);
  CArea* b = Select(f, f.AddEllipse(100, 10, 150, 60), {}, true);
  CArea* c = Select(f, f.AddPolygon({{200, 100}, {260, 120}, {220, 180}}, true), {}, true);
  struct Step {
    unsigned command;
    std::vector<CArea*> areas;
    CArea* selected;
    bool modified;
  } steps[] = {
      {ID_EDIT_UNDO, {a, b}, b, true},     {ID_EDIT_UNDO, {a}, a, false},
      {ID_EDIT_UNDO, {}, nullptr, true},   {ID_EDIT_UNDO, {}, nullptr, true},  // disabled
      {ID_EDIT_REDO, {a}, a, false},       {ID_EDIT_REDO, {a, b}, b, true},
      {ID_EDIT_REDO, {a, b, c}, c, true},  {ID_EDIT_CLEAR, {b, c}, nullptr, true},  // a selected
      {ID_EDIT_UNDO, {a, b, c}, a, true},  // the deleted bottom area comes back where it stood
      {ID_EDIT_REDO, {b, c}, nullptr, true},
  };
  for (const Step& s : steps) {
    if (s.command == ID_EDIT_CLEAR) Select(f, a);
    f.view->OnCommand(s.command);
    EXPECT_EQ(Listed(f.doc.m_listArea), s.areas) << &s - steps;
    EXPECT_EQ(f.doc.m_pSelArea, s.selected) << &s - steps;
    EXPECT_EQ(f.doc.IsModified(), s.modified) << &s - steps;
    EXPECT_TRUE(ShowsFresh(f)) << &s - steps;
  }
}

TEST(Undo, AChangeKeepsNoPointerIntoTheExchangedPoints) {
  ViewFixture f;
  CArea* other = f.AddRect(300, 200, 350, 250);
  CArea* poly = f.AddPolygon({{10, 10}, {60, 10}, {60, 60}, {10, 60}}, true);
  auto before = std::make_unique<CArea>();  // a move by (100, 50), as the arrow tool records it
  before->CopyFrom(*poly);
  poly->Offset(100, 50);
  f.doc.PushAreaChanged(poly, std::move(before));
  for (unsigned command : {ID_EDIT_UNDO, ID_EDIT_REDO, ID_EDIT_UNDO}) {
    Select(f, command == ID_EDIT_REDO ? other : poly, {poly->GetHeadPoint(), poly->GetTailPoint()});
    f.doc.m_pGrabPoint = poly->GetHeadPoint();
    f.view->OnCommand(command);
    EXPECT_EQ(f.doc.m_pSelArea, poly);
    EXPECT_TRUE(f.doc.m_listSelPoint.empty());
    EXPECT_EQ(f.doc.m_pGrabPoint, nullptr);
    EXPECT_EQ(poly->m_rcBound.left, command == ID_EDIT_UNDO ? 10 : 110);
    EXPECT_TRUE(ShowsFresh(f));
  }
}

TEST(Undo, GuideRecordsRepaintTheirBands) {
  ViewFixture f;
  auto push = [&](CGuide* before, CGuide* after) {
    if (before) f.doc.PushGuideMoved(after, std::unique_ptr<CGuide>(before));
    else f.doc.PushGuideAdded(after);
  };
  CGuide* g = f.AddGuide(true, 120);
  push(new CGuide(*g), g);  // then moved from 120 to 50
  g->m_nPos = 50;
  push(nullptr, f.AddGuide(false, 200));  // then one pulled out of a ruler
  f.doc.m_pSelGuide = f.doc.m_listGuide.back();
  f.view->m_canvas.Invalidate();
  for (unsigned command : {ID_EDIT_UNDO, ID_EDIT_UNDO, ID_EDIT_REDO, ID_EDIT_REDO}) {
    f.view->OnCommand(command);
    EXPECT_TRUE(ShowsFresh(f));
  }
  EXPECT_EQ(f.doc.m_pSelGuide, nullptr);
  EXPECT_EQ(f.doc.m_listGuide.size(), 2u);
  EXPECT_EQ(g->m_nPos, 50);
  f.view->OnCommand(ID_EDIT_UNDO);
  f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(g->m_nPos, 120);
}

TEST(Undo, ADeletedAreaOrGuideComesBackWhereItStood) {
  // Which area a browser gives a shared pixel to follows the list's order;
  // an undone delete must not change it.
  ViewFixture f;
  CArea* low = f.AddRect(10, 10, 200, 200);
  CArea* mid = f.AddRect(20, 20, 100, 100);
  CArea* top = f.AddRect(30, 30, 60, 60);
  Select(f, mid);
  f.view->OnCommand(ID_EDIT_CLEAR);
  EXPECT_EQ(Listed(f.doc.m_listArea), (std::vector<CArea*>{low, top}));
  f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(Listed(f.doc.m_listArea), (std::vector<CArea*>{low, mid, top}));
  EXPECT_TRUE(ShowsFresh(f));
  f.view->OnCommand(ID_EDIT_REDO);
  EXPECT_EQ(Listed(f.doc.m_listArea), (std::vector<CArea*>{low, top}));

  CGuide* first = f.AddGuide(true, 50);
  CGuide* dragged = f.AddGuide(true, 100);
  CGuide* last = f.AddGuide(true, 150);
  f.Press(300, 101);
  ASSERT_EQ(f.doc.m_pSelGuide, dragged);
  f.Move(300, 200);
  f.Move(300, 350);
  f.Release(300, 350);  // off the picture: deleted
  EXPECT_EQ(Listed(f.doc.m_listGuide), (std::vector<CGuide*>{first, last}));
  f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(Listed(f.doc.m_listGuide), (std::vector<CGuide*>{first, dragged, last}));
  f.view->OnCommand(ID_EDIT_REDO);
  EXPECT_EQ(Listed(f.doc.m_listGuide), (std::vector<CGuide*>{first, last}));
}
