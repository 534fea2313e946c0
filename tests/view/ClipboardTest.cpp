#include <gtest/gtest.h>

#include <algorithm>

#include "EditTestSupport.h"
#include "html/MapCheck.h"

using namespace zorva::test;

TEST(Clipboard, PastesLandAtTheOffsetOnTopAndTwiceAtTheSamePlace) {
  ViewFixture f;
  Select(f, f.AddRect(10, 10, 50, 40));
  f.view->OnCommand(ID_EDIT_COPY);
  f.view->OnCommand(ID_EDIT_CUT);  // the list is empty, paste stays enabled
  CArea* b = Select(f, f.AddRect(200, 10, 240, 40));
  for (int i = 0; i < 2; ++i) {
    CArea* prev = f.doc.m_pSelArea;
    f.view->OnCommand(ID_EDIT_PASTE);
    EXPECT_EQ(f.doc.m_pSelArea, f.doc.m_listArea.back());
    EXPECT_EQ(f.doc.m_pSelArea->m_rcBound, CRect(30, 30, 70, 60));
    EXPECT_EQ(*f.doc.m_pSelArea->GetTailPoint(), CPoint(70, 60));
    EXPECT_EQ(f.doc.RecordToUndo()->PrevSel(), prev);
    EXPECT_TRUE(ShowsFresh(f));
  }
  f.view->m_clipboard.m_ptPasteOffset = CPoint(50, 0);  // as an Alt-drag leaves it
  f.view->OnCommand(ID_EDIT_DUPLICATE);
  EXPECT_EQ(f.doc.m_pSelArea->m_rcBound, CRect(80, 30, 120, 60));
  for (int i = 0; i < 3; ++i) f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(f.doc.m_pSelArea, b);
  EXPECT_TRUE(ShowsFresh(f));
}

TEST(Clipboard, DeleteTakesSelectedPolygonVerticesOrTheWholeArea) {
  struct Case {
    int type;
    std::vector<int> selected;  // vertex indexes
    bool wholeArea;
  } cases[] = {{AREA_POLYGON, {1, 3}, false}, {AREA_POLYGON, {0, 1, 2, 3, 4}, true},
               {AREA_POLYGON, {}, true}, {AREA_RECT, {0}, true}};
  for (const Case& c : cases) {
    ViewFixture f;
    CArea* a = c.type == AREA_RECT
                   ? f.AddRect(10, 10, 60, 60)
                   : f.AddPolygon({{10, 10}, {100, 10}, {120, 80}, {60, 120}, {5, 70}}, true);
    auto points = [a] { return std::vector<CPoint>(a->m_listPoint.begin(), a->m_listPoint.end()); };
    const std::vector<CPoint> original = points();
    const CRect bound = a->m_rcBound;
    CPointRefList sel;
    for (int i : c.selected) sel.push_back(&*std::next(a->m_listPoint.begin(), i));
    Select(f, a, sel);
    f.doc.m_pGrabPoint = sel.empty() ? nullptr : sel.back();
    f.view->OnCommand(ID_EDIT_CLEAR);
    EXPECT_EQ(f.doc.m_pGrabPoint, nullptr);
    EXPECT_TRUE(f.doc.m_listSelPoint.empty());
    EXPECT_TRUE(ShowsFresh(f));
    EXPECT_EQ(f.doc.m_listArea.size(), c.wholeArea ? 0u : 1u);
    if (!c.wholeArea) {
      EXPECT_EQ(f.doc.m_pSelArea, a);
      EXPECT_EQ(points(), (std::vector<CPoint>{{10, 10}, {120, 80}, {5, 70}}));
      EXPECT_EQ(a->m_rcBound, CRect(5, 10, 120, 80));  // bounds follow the outline
    }
    f.view->OnCommand(ID_EDIT_UNDO);
    EXPECT_EQ(points(), original);
    EXPECT_EQ(a->m_rcBound, bound);
    EXPECT_TRUE(ShowsFresh(f));
  }
}

TEST(Clipboard, ACopyFromADocumentInAnotherCharsetIsPastedInThisOnes) {
  ViewFixture f;
  f.doc.SetTextCharset(zorva::ECharset::Utf8);
  CArea* a = Select(f, f.AddRect(10, 10, 50, 40));
  a->m_strAlt = "笑顔 😀";
  a->m_strHref = "café.html";
  a->m_strComment = "é";
  f.view->OnCommand(ID_EDIT_COPY);
  f.doc.DeleteContents();  // another document, in Shift_JIS
  f.doc.SetTextCharset(zorva::ECharset::ShiftJis);
  f.view->OnCommand(ID_EDIT_PASTE);
  ASSERT_NE(f.doc.m_pSelArea, nullptr);
  // Attribute texts keep what Shift_JIS lacks as references, which the page
  // and the panel show as the characters; a comment cannot.
  EXPECT_EQ(f.doc.m_pSelArea->m_strAlt, "\x8F\xCE\x8A\xE7 &#128512;");
  EXPECT_EQ(f.doc.m_pSelArea->m_strHref, "caf&#233;.html");
  EXPECT_EQ(f.doc.m_pSelArea->m_strComment, "?");
}

TEST(Clipboard, ACopyGoesWithoutAnIdOrNameItsSourceStillHasAndTheCheckNamesRepeats) {
  ViewFixture f;
  CArea* a = Select(f, f.AddRect(10, 10, 50, 40));
  a->m_strOtherAttrs = "id=\"a-house\" class=x NAME='h'";
  CArea* other = f.AddRect(100, 10, 140, 40);
  other->m_strOtherAttrs = "id=b";
  Select(f, a);
  f.view->OnCommand(ID_EDIT_DUPLICATE);
  EXPECT_EQ(f.doc.m_pSelArea->m_strOtherAttrs, "class=x");
  Select(f, a);
  f.view->OnCommand(ID_EDIT_COPY);
  f.view->OnCommand(ID_EDIT_PASTE);
  EXPECT_EQ(f.doc.m_pSelArea->m_strOtherAttrs, "class=x");
  // Cut and paste moves the one area that has them: they stay.
  Select(f, a);
  f.view->OnCommand(ID_EDIT_CUT);
  f.view->OnCommand(ID_EDIT_PASTE);
  EXPECT_EQ(f.doc.m_pSelArea->m_strOtherAttrs, "id=\"a-house\" class=x NAME='h'");
  for (const auto& m : zorva::html::CheckMap(f.doc)) EXPECT_NE(m.fault, zorva::html::MapFault::DuplicateId);

  // Repeated identifiers written by hand: the lower area is named, with the
  // one above, by the whole check and by the area list's row alike.
  struct Case {
    const char* top;
    const char* below;
    bool repeated;
  } cases[] = {{"id=x", "ID=\"x\"", true},   {"name=n", "class=c name='n'", true}, {"id=x", "id=y", false},
               {"id=x", "name=x", false},    {"data-id=x", "id=x", false},          {"", "id=\"\"", false}};
  for (const Case& c : cases) {
    ViewFixture g;
    CArea* below = g.AddRect(10, 10, 50, 40);
    CArea* top = g.AddRect(100, 10, 140, 40);
    top->m_strOtherAttrs = c.top;
    below->m_strOtherAttrs = c.below;
    std::vector<zorva::html::MapFinding> found;
    for (const auto& m : zorva::html::CheckMap(g.doc))
      if (m.fault == zorva::html::MapFault::DuplicateId) found.push_back(m);
    const auto row = zorva::html::CheckArea(g.doc, 2, zorva::html::IndexAreaBounds(g.doc));
    const bool rowFound = std::any_of(row.begin(), row.end(), [](const zorva::html::MapFinding& m) {
      return m.fault == zorva::html::MapFault::DuplicateId && m.coveredBy == 1;
    });
    EXPECT_EQ(found.size(), c.repeated ? 1u : 0u) << c.top << " / " << c.below;
    EXPECT_EQ(rowFound, c.repeated) << c.top << " / " << c.below;
    if (c.repeated && !found.empty()) {
      EXPECT_EQ(found[0].area, 2u);
      EXPECT_EQ(found[0].coveredBy, 1u);
      EXPECT_NE(zorva::html::FindingText(found[0]).find("1"), std::string::npos);
    }
  }
}
