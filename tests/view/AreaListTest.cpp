#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "view/AreaList.h"

using zorva::test::ViewFixture;


TEST(AreaList, RowsTopmostFirstWithKindsImagesAndLinks) {
  ViewFixture f;
  CArea* rect = f.AddRect(10, 10, 50, 50);
  rect->m_strHref = "\x83\x79\x81\x5B\x83\x57.html";  // ページ.html in CP932
  rect->m_strAlt = "A";  // a link without ALT is a finding of the map check
  CArea* openPoly = f.AddPolygon({{1, 1}, {20, 1}, {9, 30}}, false);
  CArea* closedPoly = f.AddPolygon({{1, 1}, {20, 1}, {9, 30}}, true);
  CArea* oval = f.AddEllipse(0, 0, 40, 20);
  CArea* circle = f.AddEllipse(0, 0, 40, 40);
  CArea* bezier = f.AddRect(0, 0, 5, 5);
  bezier->m_nType = AREA_BEZIER;
  CArea* selectedBezier = f.AddRect(0, 0, 5, 5);
  selectedBezier->m_nType = AREA_BEZIER;
  f.doc.m_pSelArea = selectedBezier;

  struct Expect {
    CArea* area;
    const char* kind;
    int image;
  } expected[] = {
      {selectedBezier, "ベジェ", 1}, {bezier, "ベジェ", 0}, {circle, "楕円", 2},
      {oval, "楕円", 1},            {closedPoly, "多角形", 2}, {openPoly, "多角形", 0},
      {rect, "矩形", 2},            {nullptr, "背景", 2},
  };
  const std::vector<AreaListRow> rows = AreaListRows(f.doc);
  ASSERT_EQ(rows.size(), std::size(expected));
  for (size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i].area, expected[i].area);
    EXPECT_EQ(rows[i].kind, expected[i].kind);
    EXPECT_EQ(rows[i].image, expected[i].image);
    EXPECT_EQ(rows[i].selected, expected[i].area == selectedBezier);
  }
  EXPECT_EQ(rows[6].link, "ページ.html");
  EXPECT_EQ(rows[5].link, "指定なし");
}

TEST(AreaList, ClickedRowsSelectWithoutStaleMarks) {
  ViewFixture f;
  CArea* a = f.AddPolygon({{20, 20}, {120, 30}, {60, 110}}, true);
  CArea* b = f.AddRect(80, 60, 200, 150);
  f.doc.m_pSelArea = a;
  f.doc.m_listSelPoint.push_back(&a->m_listPoint.front());
  f.view->m_canvas.Invalidate();
  f.Pixels();
  const int resets = f.frame.areaListResets;

  // Rows are B, A, default.
  f.view->m_panel->SelectFromList(0, b);
  EXPECT_EQ(f.doc.m_pSelArea, b);
  EXPECT_TRUE(f.doc.m_listSelPoint.empty());
  EXPECT_EQ(f.StalePixels(), 0u);
  EXPECT_EQ(f.panel.GetCurSel(IDC_TYPE), AREA_RECT);

  f.view->m_panel->SelectFromList(0, b);  // the same row again
  EXPECT_EQ(f.StalePixels(), 0u);

  f.view->m_panel->SelectFromList(2, nullptr);
  EXPECT_EQ(f.doc.m_pSelArea, nullptr);
  EXPECT_EQ(f.StalePixels(), 0u);
  EXPECT_EQ(f.panel.GetText(IDC_COMMENT), "デフォルトエリア");
  EXPECT_FALSE(f.panel.IsEnabled(IDC_TYPE));
  // The list itself is not rebuilt: only its marked row moves.
  EXPECT_EQ(f.frame.areaListResets, resets);
  EXPECT_TRUE(f.frame.rowsInserted.empty());
  EXPECT_TRUE(f.frame.rowsRemoved.empty());
  EXPECT_TRUE(f.frame.rowsChanged.empty());

  // A row whose area has left the document is ignored.
  CArea gone;
  f.view->m_panel->SelectFromList(1, &gone);
  EXPECT_EQ(f.doc.m_pSelArea, nullptr);
}
