#include <gtest/gtest.h>

#include <algorithm>

#include "ViewFixture.h"
#include "platform/StringTable.h"
#include "view/AreaList.h"
#include "view/PanelPoints.h"
#include "view/PanelText.h"

using zorva::test::FakeDocumentHost;
using zorva::test::ViewFixture;

namespace {

struct PanelFixture : ViewFixture {
  PanelFixture() { doc.SetHost(&docHost); }
  void Select(CArea* a) {
    doc.m_pSelArea = a;
    view->m_panel->Refresh();
  }
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (const auto& r : panel.rows) rows.push_back(r.text);
    return rows;
  }
  std::vector<CPoint> Points(const CArea& a) { return zorva::test::PointsOf(a); }
  bool SelectionIsLive() { return zorva::test::SelectionIsOwnedBySelArea(doc); }
  FakeDocumentHost docHost;
};

}  // namespace

TEST(Panel, PointRowsInDrawingOrderWithSelection) {
  EXPECT_EQ(FormatPointRow({5, 7}), "   5,   7");
  EXPECT_EQ(FormatPointRow({-12, 1000}), " -12,1000");
  EXPECT_EQ(FormatPointRow({12345, -1234}), "12345,-1234");

  PanelFixture f;
  CArea* poly = f.AddPolygon({{1, 2}, {3, 4}, {5, 6}}, false);
  poly->m_bTailEnd = false;  // drawn tail to head
  f.doc.m_listSelPoint.push_back(&poly->m_listPoint.front());
  f.Select(poly);
  EXPECT_EQ(f.Rows(), (std::vector<std::string>{"   5,   6", "   3,   4", "   1,   2"}));
  EXPECT_FALSE(f.panel.rows[0].selected);
  EXPECT_TRUE(f.panel.rows[2].selected);
}

// The panel, the coordinate dialog and zorva-cli share this text.
TEST(Panel, PointRowsReadAndWrittenInTheirOwnForm) {
  struct Case {
    const char* row;
    PointRowForm form;
    CPoint point;
    const char* h1x;
    const char* h2y;
    const char* rewritten;
  } cases[] = {
      {"   5,   7", PointRowForm::Plain, {5, 7}, "", "", "   5,   7"},
      {"12345,-1234", PointRowForm::Plain, {12345, -1234}, "", "", "12345,-1234"},  // long, still plain
      {" +8 ,\t9", PointRowForm::Plain, {8, 9}, "", "", "   8,   9"},
      {"   1,   2,    3,   4,    5,   6", PointRowForm::Handles, {1, 2}, "3", "6",
       "   1,   2,    3,   4,    5,   6"},
      {"-10000,20, 100000,x,,7", PointRowForm::Handles, {-10000, 20}, "100000", "7",
       "-10000,  20, 100000,   x,     ,   7"},
      {"1,2,3", PointRowForm::Other, {}, "", "", nullptr},
      {"1,y", PointRowForm::Other, {}, "", "", nullptr},
      {"1,2,a,b,c,d,e", PointRowForm::Other, {}, "", "", nullptr},
      {"99999999999,1", PointRowForm::Other, {}, "", "", nullptr},  // beyond 32 bits
      {"", PointRowForm::Other, {}, "", "", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    const PointRow r = ParsePointRow(c.row);
    EXPECT_EQ(r.form, c.form);
    if (!c.rewritten) continue;
    EXPECT_EQ(r.point, c.point);
    EXPECT_EQ(r.h1x, c.h1x);
    EXPECT_EQ(r.h2y, c.h2y);
    EXPECT_EQ(FormatPointRow(r), c.rewritten);
  }
}

TEST(Panel, ControlsFollowTypeAndSelection) {
  PanelFixture f;
  CArea* rect = f.AddRect(10, 10, 50, 50);
  CArea* poly = f.AddPolygon({{1, 2}, {30, 4}, {5, 60}}, true);
  poly->m_bJavaScript = true;
  poly->m_strOnClick = "go()";

  f.Select(rect);
  EXPECT_EQ(f.panel.GetCurSel(IDC_TYPE), AREA_RECT);
  EXPECT_FALSE(f.panel.IsEnabled(IDC_CLOSED));
  EXPECT_FALSE(f.panel.IsEnabled(IDC_ONCLICK));
  EXPECT_TRUE(f.panel.IsEnabled(IDC_COMMENT));

  f.Select(poly);
  EXPECT_TRUE(f.panel.IsEnabled(IDC_CLOSED));
  EXPECT_TRUE(f.panel.GetCheck(IDC_CLOSED));
  EXPECT_TRUE(f.panel.IsEnabled(IDC_ONCLICK));
  EXPECT_EQ(f.panel.GetText(IDC_ONCLICK), "go()");

  f.Select(nullptr);
  EXPECT_EQ(f.frame.listSelected, -1);
  EXPECT_FALSE(f.panel.IsEnabled(IDC_TYPE));
  EXPECT_FALSE(f.panel.IsEnabled(IDC_POINTS));
  EXPECT_TRUE(f.panel.rows.empty());
  EXPECT_EQ(f.panel.GetText(IDC_COMMENT), "デフォルトエリア");
  EXPECT_FALSE(f.panel.IsEnabled(IDC_COMMENT));
  EXPECT_TRUE(f.panel.IsEnabled(IDC_URL));
}

TEST(Panel, PointRowEditsOfEveryWidth) {
  PanelFixture f;
  CArea* poly = f.AddPolygon({{-10000, 20}, {10, -1500}, {40, 40}}, true);
  f.Select(poly);
  EXPECT_EQ(f.panel.rows[0].text, "-10000,  20");  // longer than ten characters

  f.panel.rows[0].text = FormatPointRow({-12345, 30});
  f.panel.rows[1].text = "  11,-1501";
  f.panel.rows[2].text = "junk";  // no point: stays where it is
  f.view->m_panel->Apply(PanelChange::Edit);
  EXPECT_EQ(f.Points(*poly), (std::vector<CPoint>{{-12345, 30}, {11, -1501}, {40, 40}}));
  EXPECT_EQ(poly->m_rcBound, CRect(-12345, -1501, 40, 40));
  ASSERT_EQ(f.doc.m_listUndo.size(), 1u);
  const CUndoRecord* r = f.doc.LastRecord();
  EXPECT_EQ(r->Item(), poly);
  EXPECT_EQ(CopyBefore<CArea>(r)->m_listPoint.front(), CPoint(-10000, 20));
  EXPECT_TRUE(f.doc.IsModified());
  EXPECT_EQ(f.panel.rows[2].text, "  40,  40");  // refilled from the area

  // A list in the handle form is the coordinate dialog's: nothing is read.
  f.panel.rows[0].text = "   1,   2,    3,   4,    5,   6";
  f.panel.rows[1].text = "   7,   8,    9,  10,   11,  12";
  f.panel.rows[1].selected = true;
  f.view->m_panel->Apply(PanelChange::Edit);
  EXPECT_EQ(f.Points(*poly)[1], CPoint(11, -1501));
  EXPECT_TRUE(f.doc.m_listSelPoint.empty());
  EXPECT_EQ(f.doc.m_listUndo.size(), 1u);
}

TEST(Panel, TypeChanges) {
  struct Case {
    int type;  // 0 rect, 1 ellipse, 2 polygon, 3 Bezier
    int requested;
    unsigned message;  // 0: accepted
    int typeAfter;
  } cases[] = {
      {AREA_RECT, AREA_ELLIPSE, 61225, AREA_RECT},   {AREA_RECT, AREA_POLYGON, 0, AREA_POLYGON},
      {AREA_ELLIPSE, AREA_RECT, 61226, AREA_ELLIPSE}, {AREA_ELLIPSE, AREA_POLYGON, 0, AREA_POLYGON},
      {AREA_POLYGON, AREA_RECT, 61227, AREA_POLYGON}, {AREA_BEZIER, AREA_ELLIPSE, 61228, AREA_BEZIER},
      {AREA_BEZIER, AREA_POLYGON, 0, AREA_BEZIER},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.type << "->" << c.requested);
    PanelFixture f;
    CArea* a = c.type == AREA_POLYGON ? f.AddPolygon({{10, 10}, {90, 10}, {50, 80}}, true)
                                      : f.AddRect(10, 10, 90, 50);
    a->m_nType = c.type;
    f.doc.m_listSelPoint.push_back(&a->m_listPoint.back());
    f.Select(a);
    const std::vector<CPoint> before = f.Points(*a);
    // A point edit read before the type is refused takes no effect either.
    f.panel.rows[0].text = "   1,   1";
    f.panel.SetCurSel(IDC_TYPE, c.requested);
    f.view->m_panel->Apply(PanelChange::Edit);

    EXPECT_EQ(a->m_nType, c.typeAfter);
    EXPECT_TRUE(f.SelectionIsLive());
    if (c.message) {
      EXPECT_EQ(f.docHost.MessageIds(), std::vector<unsigned>{c.message});
      EXPECT_EQ(f.panel.GetCurSel(IDC_TYPE), c.type);
      EXPECT_EQ(f.Points(*a), before);
      EXPECT_TRUE(f.doc.m_listUndo.empty());
      EXPECT_FALSE(f.doc.IsModified());
      // The selected vertex is found again among the restored points.
      ASSERT_EQ(f.doc.m_listSelPoint.size(), 1u);
      EXPECT_EQ(f.doc.m_listSelPoint.front(), &a->m_listPoint.back());
    } else {
      EXPECT_TRUE(f.docHost.MessageIds().empty());
      EXPECT_EQ(f.doc.m_listUndo.size(), 1u);
      if (c.typeAfter == AREA_POLYGON) {
        EXPECT_TRUE(a->m_bClosed);
        EXPECT_GE(a->m_listPoint.size(), 4u);
        EXPECT_EQ(f.panel.GetCurSel(IDC_TYPE), AREA_POLYGON);
      }
    }
    EXPECT_TRUE(f.view->m_pStepBackup == nullptr && f.view->m_pNewArea == nullptr);
  }
}

TEST(Panel, TextsScriptsAndNoChange) {
  PanelFixture f;
  CArea* a = f.AddRect(10, 10, 90, 50);
  a->m_strHref = "a\x83";  // a broken byte pair read from some page
  a->m_bJavaScript = true;
  a->m_strOnClick = "f()";
  f.Select(a);

  // Applying the panel as it was filled changes nothing, broken bytes included.
  f.view->m_panel->Apply(PanelChange::Enter);
  EXPECT_TRUE(f.doc.m_listUndo.empty());
  EXPECT_EQ(a->m_strHref, "a\x83");
  EXPECT_TRUE(f.docHost.MessageIds().empty());

  f.panel.SetText(IDC_ALT, "写真");
  f.panel.SetCheck(IDC_JAVASCRIPT, false);
  f.panel.SetText(IDC_ONCLICK, "ignored()");
  f.view->m_panel->Apply(PanelChange::Edit);
  EXPECT_EQ(a->m_strAlt, "\x8E\xCA\x90\x5E");  // CP932
  EXPECT_FALSE(a->m_bJavaScript);
  EXPECT_EQ(a->m_strOnClick, "f()");
  EXPECT_FALSE(f.panel.IsEnabled(IDC_ONCLICK));
  EXPECT_EQ(f.panel.GetText(IDC_ONCLICK), "f()");
  EXPECT_EQ(f.doc.m_listUndo.size(), 1u);

  // Characters CP932 lacks, or would give back as others (the yen sign),
  // are kept in an attribute as references and shown as typed.
  f.panel.SetText(IDC_URL, "x\xF0\x9F\x98\x80\xC2\xA5&#65;");
  f.view->m_panel->Apply(PanelChange::Edit);
  EXPECT_TRUE(f.docHost.MessageIds().empty());
  EXPECT_EQ(a->m_strHref, "x&#128512;&#165;&#65;");
  EXPECT_EQ(ToPanelText(f.doc, a->m_strHref), "x\xF0\x9F\x98\x80\xC2\xA5&#65;");
  EXPECT_EQ(f.doc.m_listUndo.size(), 2u);

  // A comment has no references: such a character is refused by name; the
  // area keeps its comment.
  const CString comment = a->m_strComment;
  f.panel.SetText(IDC_COMMENT, "x\xE3\x80\x9C");  // the wave dash, one way only in CP932
  f.view->m_panel->Apply(PanelChange::Edit);
  ASSERT_EQ(f.docHost.MessageIds(), std::vector<unsigned>{65010});
  EXPECT_NE(f.docHost.Messages()[0].text.find("\xE3\x80\x9C"), std::string::npos);
  EXPECT_EQ(a->m_strComment, comment);
  EXPECT_EQ(f.doc.m_listUndo.size(), 2u);
}

TEST(Panel, PointSelectionChangeKeepsTheList) {
  for (PanelChange change : {PanelChange::Edit, PanelChange::PointSelection}) {
    PanelFixture f;
    CArea* poly = f.AddPolygon({{10, 20}, {30, 40}, {50, 10}}, true);
    f.Select(poly);
    f.panel.rows[0].text = "10,20";  // same point, other spelling
    f.panel.rows[1].selected = true;
    f.view->m_panel->Apply(change);
    ASSERT_EQ(f.doc.m_listSelPoint.size(), 1u);
    EXPECT_EQ(*f.doc.m_listSelPoint.front(), CPoint(30, 40));
    EXPECT_TRUE(f.panel.rows[1].selected);
    EXPECT_EQ(f.panel.rows[0].text, change == PanelChange::PointSelection ? "10,20" : "  10,  20");
  }
}

TEST(Panel, DefaultAreaEditsKeepTheirRulesAndAStepOfTheHistory) {
  PanelFixture f;
  CArea* a = f.AddRect(10, 10, 90, 50);
  f.doc.m_areaDefault.m_bJavaScript = true;
  f.doc.m_areaDefault.m_strOnClick = "keep()";
  f.Select(nullptr);
  f.panel.SetText(IDC_URL, "index.html");
  f.panel.SetText(IDC_COMMENT, "not read");
  f.panel.SetCheck(IDC_JAVASCRIPT, false);
  f.frame.rowsChanged.clear();
  f.view->m_panel->Apply(PanelChange::Edit);
  EXPECT_EQ(f.doc.m_areaDefault.m_strHref, "index.html");
  EXPECT_EQ(f.doc.m_areaDefault.m_strComment, zorva::LoadStringCp932(61207));
  EXPECT_FALSE(f.doc.m_areaDefault.m_bJavaScript);
  EXPECT_EQ(f.doc.m_areaDefault.m_strOnClick, "keep()");
  EXPECT_EQ(f.doc.m_listUndo.size(), 1u);
  EXPECT_TRUE(f.doc.IsModified());
  // Only the default area's row, the last, shows it.
  EXPECT_EQ(f.frame.rowsChanged, std::vector<int>{1});

  // An area's URL shows in its row at once.
  f.Select(a);
  f.panel.SetText(IDC_URL, "b.html");
  f.view->m_panel->Apply(PanelChange::Edit);
  EXPECT_EQ(AreaListRows(f.doc).front().link, "b.html");
  EXPECT_EQ(AreaListRows(f.doc).back().link, "index.html");

  // Undone, the default area's step selects nothing and the panel shows it.
  f.view->OnCommand(ID_EDIT_UNDO);
  f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(f.doc.m_pSelArea, nullptr);
  EXPECT_EQ(f.doc.m_areaDefault.m_strHref, "");
  EXPECT_EQ(f.panel.GetText(IDC_URL), "");
  EXPECT_TRUE(f.doc.m_areaDefault.m_bJavaScript);
  EXPECT_FALSE(f.doc.IsModified());
}

// Every field the user can change, for an area and for the default area:
// each change marks the document, undo takes it back and clears the mark,
// and a field set to what it shows changes nothing.
TEST(Panel, EveryFieldEditMarksTheDocumentModified) {
  struct Field {
    const char* name;
    bool forDefault;
    void (*edit)(CMemoryPropertyPanel&);
  } fields[] = {
      {"url", true, [](CMemoryPropertyPanel& p) { p.SetText(IDC_URL, "home.html"); }},
      {"target", true, [](CMemoryPropertyPanel& p) { p.SetText(IDC_TARGET, "_top"); }},
      {"alt", true, [](CMemoryPropertyPanel& p) { p.SetText(IDC_ALT, "Home"); }},
      {"other attributes", true, [](CMemoryPropertyPanel& p) { p.SetText(IDC_OTHERATTRS, "id=x"); }},
      {"script on", true, [](CMemoryPropertyPanel& p) { p.SetCheck(IDC_JAVASCRIPT, true); }},
      {"onclick", true, [](CMemoryPropertyPanel& p) {
         p.SetCheck(IDC_JAVASCRIPT, true);
         p.SetText(IDC_ONCLICK, "go()");
       }},
      {"onmouseover", true, [](CMemoryPropertyPanel& p) {
         p.SetCheck(IDC_JAVASCRIPT, true);
         p.SetText(IDC_ONMOUSEOVER, "on()");
       }},
      {"onmouseout", true, [](CMemoryPropertyPanel& p) {
         p.SetCheck(IDC_JAVASCRIPT, true);
         p.SetText(IDC_ONMOUSEOUT, "off()");
       }},
      {"comment", false, [](CMemoryPropertyPanel& p) { p.SetText(IDC_COMMENT, "note"); }},
      {"type", false, [](CMemoryPropertyPanel& p) { p.SetCurSel(IDC_TYPE, AREA_POLYGON); }},
      {"point", false, [](CMemoryPropertyPanel& p) { p.rows[0].text = "  11,  12"; }},
  };
  for (const Field& field : fields) {
    for (bool onDefault : {false, true}) {
      if (onDefault && !field.forDefault) continue;
      SCOPED_TRACE(std::string(field.name) + (onDefault ? " of the default area" : " of an area"));
      PanelFixture f;
      CArea* a = f.AddRect(10, 10, 90, 50);
      f.Select(onDefault ? nullptr : a);
      const CArea& edited = onDefault ? f.doc.m_areaDefault : *a;
      CArea before;
      before.CopyFrom(edited);

      f.view->m_panel->Apply(PanelChange::Edit);  // nothing typed yet
      EXPECT_FALSE(f.doc.IsModified());

      field.edit(f.panel);
      f.view->m_panel->Apply(PanelChange::Enter);
      EXPECT_TRUE(f.doc.IsModified());
      EXPECT_TRUE(f.doc.CanUndo());
      f.view->OnCommand(ID_EDIT_UNDO);
      EXPECT_FALSE(f.doc.IsModified());
      EXPECT_EQ(edited.m_strHref, before.m_strHref);
      EXPECT_EQ(edited.m_strOtherAttrs, before.m_strOtherAttrs);
      EXPECT_EQ(edited.m_bJavaScript, before.m_bJavaScript);
      EXPECT_EQ(edited.m_nType, before.m_nType);
    }
  }
  // The closed check of a polygon.
  PanelFixture f;
  f.Select(f.AddPolygon({{1, 2}, {30, 4}, {5, 60}}, true));
  f.panel.SetCheck(IDC_CLOSED, false);
  f.view->m_panel->Apply(PanelChange::Edit);
  EXPECT_TRUE(f.doc.IsModified());
}

TEST(Panel, LoadNotices) {
  PanelFixture f;
  f.view->OnLoadNotify(0, 61206);
  EXPECT_EQ(f.docHost.MessageIds(), std::vector<unsigned>{61206});
  const int resets = f.frame.areaListResets;
  f.view->OnLoadNotify(1, 7);
  EXPECT_EQ(f.frame.areaListResets, resets);
  f.view->OnLoadNotify(1, 0);  // decoded: a full update
  EXPECT_EQ(f.frame.areaListResets, resets + 1);
}

TEST(Panel, OtherAttributesThatNoTagCouldHoldAreRefused) {
  struct Case {
    const char* typed;
    unsigned message;
    const char* named;  // what the message quotes
  } cases[] = {
      {"title=\"x", 65012, "title=\"x"}, {"href=\"a\"", 65013, "href"},   {"HREF=a", 65013, "HREF"},
      {"a=1 A=2", 65014, "A"},           {"=x", 65012, "=x"},             {"a=\"1\"b=\"2\"", 65012, "b=\"2\""},
      {"a=<b>", 65012, "a=<b>"},
      // A character CP932 lacks may stand in a value (as a reference), not in a name.
      {"t\xC3\xA9=\"x\"", 65010, "\xC3\xA9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    PanelFixture f;
    CArea* a = f.AddRect(10, 10, 90, 50);
    a->m_strOtherAttrs = "title=\"News\"";
    f.Select(a);
    f.panel.SetText(IDC_OTHERATTRS, c.typed);
    f.view->m_panel->Apply(PanelChange::Edit);
    ASSERT_EQ(f.docHost.MessageIds(), std::vector<unsigned>{c.message});
    EXPECT_NE(f.docHost.Messages()[0].text.find(std::string("「") + c.named + "」"), std::string::npos);
    EXPECT_EQ(a->m_strOtherAttrs, "title=\"News\"");
    EXPECT_EQ(f.panel.GetText(IDC_OTHERATTRS), "title=\"News\"");
    EXPECT_TRUE(f.doc.m_listUndo.empty());
  }
}

TEST(Panel, OtherAttributesAreTakenTrimmedAsOneStepAndLeftAloneKeepTheirBytes) {
  PanelFixture f;
  CArea* a = f.AddRect(10, 10, 90, 50);
  // As a page may have them: a name twice and a byte CP932 cannot decode.
  const CString kept = "a=1 A=2 t=\"\x83\"";
  a->m_strOtherAttrs = kept;
  f.Select(a);
  f.panel.SetText(IDC_URL, "b.html");
  f.view->m_panel->Apply(PanelChange::Enter);
  EXPECT_EQ(a->m_strOtherAttrs, kept);
  EXPECT_TRUE(f.docHost.MessageIds().empty());

  f.panel.SetText(IDC_OTHERATTRS, " \ttitle=\"ニュース\" data-x='y' hidden  ");
  f.view->m_panel->Apply(PanelChange::Edit);
  EXPECT_EQ(a->m_strOtherAttrs, "title=\"\x83\x6A\x83\x85\x81\x5B\x83\x58\" data-x='y' hidden");
  EXPECT_EQ(f.panel.GetText(IDC_OTHERATTRS), "title=\"ニュース\" data-x='y' hidden");
  EXPECT_EQ(f.doc.m_listUndo.size(), 2u);
  f.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(a->m_strOtherAttrs, kept);

  // A character CP932 lacks stands in a value as a reference, shown as typed.
  f.panel.SetText(IDC_OTHERATTRS, "title=\"\xF0\x9F\x98\x80\"");
  f.view->m_panel->Apply(PanelChange::Edit);
  EXPECT_EQ(a->m_strOtherAttrs, "title=\"&#128512;\"");
  EXPECT_EQ(ToPanelText(f.doc, a->m_strOtherAttrs), "title=\"\xF0\x9F\x98\x80\"");

  // The default area takes them as a step of the history, trimmed too.
  const size_t records = f.doc.m_listUndo.size();
  f.Select(nullptr);
  f.panel.SetText(IDC_OTHERATTRS, "id=bg ");
  f.view->m_panel->Apply(PanelChange::Edit);
  EXPECT_EQ(f.doc.m_areaDefault.m_strOtherAttrs, "id=bg");
  EXPECT_EQ(f.panel.GetText(IDC_OTHERATTRS), "id=bg");
  EXPECT_EQ(f.doc.m_listUndo.size(), records + 1);
}

// A command that ends a drawing gesture drops its new shape: the panel must
// show the default area again, or the next edit would write the dropped
// shape's empty texts over the default area's.
TEST(Panel, EditAfterACommandEndedADrawingKeepsTheDefaultAreasTexts) {
  PanelFixture f;
  f.doc.m_areaDefault.m_strAlt = "Home";
  f.doc.m_areaDefault.m_strHref = "index.html";
  f.view->m_panel->Refresh();
  f.Tool(ID_TOOL_RECT);
  f.Press(100, 100);
  f.Move(200, 160);
  f.view->OnCommand(ID_IMAGE_LIGHT);
  EXPECT_EQ(f.doc.m_pSelArea, nullptr);
  EXPECT_FALSE(f.panel.IsEnabled(IDC_TYPE));
  EXPECT_EQ(f.panel.GetText(IDC_ALT), "Home");
  f.panel.SetText(IDC_URL, "x.html");
  f.view->m_panel->Apply(PanelChange::Edit);
  EXPECT_EQ(f.doc.m_areaDefault.m_strHref, "x.html");
  EXPECT_EQ(f.doc.m_areaDefault.m_strAlt, "Home");
}
