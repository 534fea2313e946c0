#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <optional>

#include "FrameTestSupport.h"
#include "platform/CodePage.h"
#include "ui/AreaListBar.h"
#include "ui/CoordDlg.h"
#include "ui/GrowingField.h"
#include "ui/HelpContext.h"
#include "ui/PropertyBar.h"
#include "view/CommandIds.h"
#include "view/ViewPanel.h"

using zorva::test::FrameFixture;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }
std::string Cp932(const char* utf8) { return zorva::Utf8ToCp932(utf8).value(); }

// Runs `body` on the next popup menu or modal dialog once it is up (they run
// event loops of their own, so the test cannot wait for them in line).
void OnNextPopup(std::function<void(QWidget*)> body) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [body, poll] {
    QWidget* w = QApplication::activePopupWidget();
    if (!w) w = QApplication::activeModalWidget();
    if (w) body(w);
    else QTimer::singleShot(10, *poll);
  };
  QTimer::singleShot(0, *poll);
}

}  // namespace

class PropertyBarTest : public FrameFixture {
 protected:
  CPropertyBar* Bar() { return frame->PropertyBar(); }
  QLineEdit* Field(int id) { return Bar()->Field(id); }
  // A click in the view with the arrow tool, on the outline near the first
  // point unless `at` says where.
  void ClickArea(const CArea* area, std::optional<CPoint> at = std::nullopt) {
    const CPoint& first = area->m_listPoint.front();
    const CPoint p = View().m_coords.ToWindow(at.value_or(CPoint(first.x + 2, first.y + 1)));
    View().OnLButtonDown(MK_LBUTTON, p);
    View().OnLButtonUp(0, p);
    ASSERT_EQ(doc->m_pSelArea, area);
  }
  // Records every notice on its way to the view.
  void RecordNotices() {
    auto toView = Bar()->onApply;
    Bar()->onApply = [this, toView](PanelChange change) {
      sent.push_back(change);
      toView(change);
    };
  }
  std::vector<PanelChange> sent;
};

TEST_F(PropertyBarTest, DockedAboveTheAreaListAndToggledByItsCommand) {
  EXPECT_EQ(Bar()->windowTitle(), U("プロパティ"));
  EXPECT_EQ(frame->dockWidgetArea(Bar()), Qt::RightDockWidgetArea);
  frame->AreaList()->show();
  QApplication::processEvents();
  EXPECT_LT(Bar()->geometry().bottom(), frame->AreaList()->geometry().top());
  EXPECT_GE(frame->AreaList()->List()->viewport()->height(), 60);  // a few rows still show

  // Shown again, the panel is filled afresh.
  CArea* a = AddRect(10, 10, 60, 40);
  a->m_strHref = "a.html";
  ClickArea(a);
  QAction* toggle = Action(ID_VIEW_PROPERTY);
  for (bool shown : {false, true}) {
    Field(IDC_URL)->setText(QStringLiteral("stale"));
    toggle->trigger();
    frame->UpdateCommandStates();
    EXPECT_EQ(Bar()->isVisible(), shown);
    EXPECT_EQ(toggle->isChecked(), shown);
  }
  EXPECT_EQ(Field(IDC_URL)->text(), QStringLiteral("a.html"));
}

TEST_F(PropertyBarTest, AFieldIsAppliedOnceWhenLeftByTabOrEnter) {
  struct Case {
    Qt::Key key;
    int field;
    const char* typed;
    std::vector<PanelChange> notices;
  } cases[] = {
      {Qt::Key_Tab, IDC_URL, "日本.html", {PanelChange::Edit}},
      // Enter gives the focus to the view, which is leaving the field too.
      {Qt::Key_Return, IDC_TARGET, "_top", {PanelChange::Edit, PanelChange::Enter}},
  };
  CArea* a = AddRect(10, 10, 60, 40);
  ClickArea(a);
  RecordNotices();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    sent.clear();
    const size_t records = doc->m_listUndo.size();
    QLineEdit* field = Field(c.field);
    field->setFocus();
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, U(c.typed), Qt::NoModifier);
    EXPECT_TRUE(sent.empty());  // typing alone applies nothing
    QTest::keyClick(field, c.key);
    EXPECT_EQ(sent, c.notices);
    EXPECT_EQ(doc->m_listUndo.size(), records + 1);
    EXPECT_FALSE(field->hasFocus());
  }
  EXPECT_TRUE(frame->View()->hasFocus());
  EXPECT_EQ(a->m_strHref, Cp932("日本.html"));
  EXPECT_EQ(a->m_strTarget, "_top");
  EXPECT_EQ(frame->AreaList()->List()->model()->index(0, 1).data().toString(), U("日本.html"));
}

TEST_F(PropertyBarTest, AFieldHoldsTextsPastALineEditsUsualLimit) {
  CArea* a = AddRect(10, 10, 60, 40);
  a->m_bJavaScript = true;
  a->m_strOnClick = std::string(40000, 'x');
  ClickArea(a);
  QLineEdit* onClick = Field(IDC_ONCLICK);
  onClick->setFocus();
  frame->View()->setFocus();
  EXPECT_TRUE(doc->m_listUndo.empty());
  onClick->setFocus();
  onClick->end(false);
  QTest::keyClick(onClick, Qt::Key_Y);
  frame->View()->setFocus();
  EXPECT_EQ(a->m_strOnClick, std::string(40000, 'x') + "y");
}

TEST_F(PropertyBarTest, UncheckingScriptsDisablesTheirFieldsAndMenusAndKeepsTheTexts) {
  CArea* a = AddRect(10, 10, 60, 40);
  // The selected area, then the default area (which the view does not write back).
  for (CArea* shown : {a, &doc->m_areaDefault}) {
    SCOPED_TRACE(shown == a ? "selected area" : "default area");
    shown->m_bJavaScript = true;
    shown->m_strOnMouseOut = "out();";
    doc->m_pSelArea = shown == a ? a : nullptr;
    View().m_panel->Refresh();
    QCheckBox* scripts = Bar()->Check(IDC_JAVASCRIPT);
    for (bool on : {false, true}) {
      QTest::mouseClick(scripts, Qt::LeftButton, {}, QPoint(6, scripts->height() / 2));
      EXPECT_EQ(shown->m_bJavaScript, on);
      for (int id : {IDC_ONCLICK, IDC_ONMOUSEOVER, IDC_ONMOUSEOUT}) EXPECT_EQ(Field(id)->isEnabled(), on);
      for (int id : {CPropertyBar::kOnClickMenu, CPropertyBar::kOnMouseOverMenu, CPropertyBar::kOnMouseOutMenu})
        EXPECT_EQ(Bar()->MenuButton(id)->isEnabled(), on);
      EXPECT_EQ(Field(IDC_ONMOUSEOUT)->text(), QStringLiteral("out();"));
      EXPECT_EQ(shown->m_strOnMouseOut, "out();");
    }
  }
  // Each click a step, the default area's as well.
  EXPECT_EQ(doc->m_listUndo.size(), 4u);
}

TEST_F(PropertyBarTest, TheViewWritingThePanelSendsNothingBack) {
  CArea* first = AddRect(10, 10, 60, 40);
  first->m_bJavaScript = true;
  first->m_strComment = "first";
  CArea* poly = AddArea(AREA_POLYGON, {{100, 100}, {150, 100}, {120, 150}});
  poly->m_strComment = "poly";
  AddArea(AREA_ELLIPSE, {{200, 10}, {260, 50}});
  RecordNotices();
  ClickArea(first);
  ClickArea(poly);
  ClickArea(poly, CPoint(150, 100));  // its second vertex
  EXPECT_TRUE(Bar()->Check(IDC_CLOSED)->isEnabled());
  EXPECT_TRUE(Bar()->PointList()->item(1)->isSelected());
  ClickArea(doc->m_listArea.back(), CPoint(230, 11));  // the ellipse's top
  View().m_panel->SelectFromList(3, nullptr);
  // A field the view disables under the focus loses it halfway through the
  // filling, while the comment still shows the last area's.
  View().m_panel->SelectFromList(0, first);
  Field(IDC_ONCLICK)->setFocus();
  View().m_panel->SelectFromList(1, poly);
  EXPECT_FALSE(Field(IDC_ONCLICK)->isEnabled());
  EXPECT_TRUE(sent.empty());
  EXPECT_TRUE(doc->m_listUndo.empty());
  EXPECT_EQ(poly->m_strComment, "poly");
}

TEST_F(PropertyBarTest, ARefusedTypeLeavesAreaAndHistoryAndAPolygonIsTaken) {
  CArea* a = AddRect(10, 10, 60, 40);
  ClickArea(a);
  RecordNotices();
  QComboBox* type = Bar()->TypeList();
  EXPECT_EQ(type->itemText(AREA_ELLIPSE), U("楕円(circle)"));
  type->setFocus();
  QTest::keyClick(type, Qt::Key_Down);
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61225});
  EXPECT_EQ(type->currentIndex(), AREA_RECT);
  EXPECT_EQ(a->m_nType, AREA_RECT);
  EXPECT_TRUE(doc->m_listUndo.empty());
  EXPECT_FALSE(doc->IsModified());
  EXPECT_EQ(sent, std::vector<PanelChange>{PanelChange::Edit});  // putting the list back told the view nothing

  type->setCurrentIndex(AREA_POLYGON);
  EXPECT_EQ(a->m_nType, AREA_POLYGON);
  EXPECT_EQ(doc->m_listUndo.size(), 1u);
  EXPECT_EQ(Bar()->PointList()->count(), 4);
}

TEST_F(PropertyBarTest, EditingKeysActOnTheFieldNeverOnTheAreas) {
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifier mods;
    int caret;  // -1: all selected
    const char* after;
  } cases[] = {
      {Qt::Key_Backspace, Qt::NoModifier, 0, "abc"},
      {Qt::Key_Backspace, Qt::NoModifier, 3, "ab"},
      {Qt::Key_Delete, Qt::NoModifier, 0, "bc"},
      {Qt::Key_X, Qt::ControlModifier, -1, ""},
  };
  CArea* a = AddRect(10, 10, 60, 40);
  ClickArea(a);
  Field(IDC_URL)->setText(QStringLiteral("u"));
  View().m_panel->Apply(PanelChange::Edit);  // a step the frame's undo would take back
  ASSERT_EQ(doc->m_listUndo.size(), 1u);
  QLineEdit* alt = Field(IDC_ALT);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.after);
    alt->setFocus();
    alt->setText(QStringLiteral("abc"));
    if (c.caret < 0) alt->selectAll();
    else alt->setCursorPosition(c.caret);
    QTest::keyClick(alt, c.key, c.mods);
    EXPECT_EQ(alt->text(), QString::fromUtf8(c.after));
    EXPECT_EQ(doc->m_listArea.size(), 1u);
    EXPECT_EQ(doc->m_pSelArea, a);
  }
  // Ctrl+Z undoes in the field, not in the document.
  alt->setText(QStringLiteral("abc"));
  alt->end(false);
  QTest::keyClicks(alt, QStringLiteral("d"));
  QTest::keyClick(alt, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(alt->text(), QStringLiteral("abc"));
  EXPECT_EQ(doc->m_listUndo.size(), 1u);
  EXPECT_EQ(a->m_strHref, "u");
  // Ctrl+T is the view's picture display, wherever the focus is.
  const ImageMode mode = View().m_canvas.m_imageMode;
  QTest::keyClick(alt, Qt::Key_T, Qt::ControlModifier);
  EXPECT_NE(View().m_canvas.m_imageMode, mode);
}

TEST_F(PropertyBarTest, APointListSelectionGoesToTheViewAsSuchAndStays) {
  CArea* poly = AddArea(AREA_POLYGON, {{10, 10}, {90, 10}, {50, 80}});
  ClickArea(poly);
  RecordNotices();
  QListWidget* list = Bar()->PointList();
  QListWidgetItem* first = list->item(0);
  for (auto [row, mods] : {std::pair{1, Qt::NoModifier}, std::pair{2, Qt::ControlModifier}})
    QTest::mouseClick(list->viewport(), Qt::LeftButton, mods, list->visualItemRect(list->item(row)).center());
  EXPECT_EQ(sent,
            (std::vector<PanelChange>{PanelChange::PointSelection, PanelChange::PointSelection}));
  ASSERT_EQ(doc->m_listSelPoint.size(), 2u);
  EXPECT_EQ(*doc->m_listSelPoint.back(), CPoint(50, 80));
  EXPECT_EQ(list->item(0), first);  // not rebuilt under the user's hand
  EXPECT_EQ(list->selectedItems().size(), 2);
}

TEST_F(PropertyBarTest, DoubleClickingAPointEditsItInTheCoordinateDialog) {
  CArea* poly = AddArea(AREA_POLYGON, {{10, 10}, {90, 10}, {50, 80}});
  ClickArea(poly);
  QListWidget* list = Bar()->PointList();
  auto doubleClick = [&](std::function<void(CCoordDlg*)> inDialog) {
    OnNextPopup([inDialog](QWidget* w) {
      auto* dlg = qobject_cast<CCoordDlg*>(w);
      ASSERT_NE(dlg, nullptr);
      inDialog(dlg);
    });
    const QPoint at = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);  // the row the double-click is on
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  };
  doubleClick([](CCoordDlg* dlg) {
    dlg->Field(CCoordDlg::kX)->setText(QStringLiteral("99"));
    dlg->reject();
  });
  EXPECT_EQ(list->item(1)->text(), QStringLiteral("  90,  10"));
  const size_t records = doc->m_listUndo.size();

  doubleClick([this](CCoordDlg* dlg) {
    EXPECT_TRUE(QTest::qWaitForWindowActive(dlg));
    EXPECT_EQ(dlg->Field(CCoordDlg::kX)->text(), QStringLiteral("90"));
    EXPECT_TRUE(dlg->Field(CCoordDlg::kH1X)->isReadOnly());
    dlg->Field(CCoordDlg::kX)->setText(QStringLiteral("abc"));
    dlg->accept();
    EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61712});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->Field(CCoordDlg::kX)->hasFocus());
    // Integers beyond the coordinate range are refused, naming the range.
    for (const char* big : {"99999999999", "2147483647", "2000001", "-2000001"}) {
      dlg->Field(CCoordDlg::kX)->setText(QString::fromLatin1(big));
      dlg->accept();
      EXPECT_TRUE(dlg->isVisible()) << big;
      ASSERT_EQ(host.MessageIds().back(), 65028u) << big;
      EXPECT_NE(host.Messages().back().text.find("-2000000 から 2000000"), std::string::npos)
          << host.Messages().back().text;
    }
    dlg->Field(CCoordDlg::kX)->setText(QStringLiteral("12"));
    dlg->Field(CCoordDlg::kY)->setText(QStringLiteral("7"));
    dlg->accept();
  });
  EXPECT_EQ(list->item(1)->text(), QStringLiteral("  12,   7"));
  EXPECT_TRUE(list->item(1)->isSelected());
  EXPECT_EQ(*std::next(poly->m_listPoint.begin()), CPoint(12, 7));
  EXPECT_EQ(doc->m_listUndo.size(), records + 1);
}

TEST_F(PropertyBarTest, AScriptNameGoesInAtTheCaretAndTheFieldUndoesIt) {
  doc->m_listScriptName = {"go();", Cp932("表示(a);")};
  CArea* a = AddRect(10, 10, 60, 40);
  a->m_bJavaScript = true;
  a->m_strOnMouseOver = "ab";
  ClickArea(a);
  QLineEdit* over = Field(IDC_ONMOUSEOVER);
  over->setFocus();
  over->setCursorPosition(1);
  OnNextPopup([](QWidget* w) {
    auto* menu = qobject_cast<QMenu*>(w);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 2);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}) QTest::keyClick(menu, key);
  });
  QTest::mouseClick(Bar()->MenuButton(CPropertyBar::kOnMouseOverMenu), Qt::LeftButton);
  EXPECT_EQ(over->text(), U("a表示(a);b"));
  EXPECT_EQ(a->m_strOnMouseOver, Cp932("a表示(a);b"));
  EXPECT_EQ(doc->m_listUndo.size(), 1u);

  // The offscreen platform leaves the window inactive after a popup.
  frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  QTest::keyClick(over, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(over->text(), QStringLiteral("ab"));
  frame->View()->setFocus();
  EXPECT_EQ(a->m_strOnMouseOver, "ab");

  // With no page read the menu offers only a disabled "なし".
  doc->m_listScriptName.clear();
  OnNextPopup([](QWidget* w) {
    auto* menu = qobject_cast<QMenu*>(w);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), U("なし"));
    EXPECT_FALSE(menu->actions()[0]->isEnabled());
    menu->close();
  });
  QTest::mouseClick(Bar()->MenuButton(CPropertyBar::kOnClickMenu), Qt::LeftButton);
  EXPECT_TRUE(Field(IDC_ONCLICK)->text().isEmpty());
}

TEST_F(PropertyBarTest, TypedTextReachesTheDocumentBeforeACommand) {
  CArea* a = AddRect(10, 10, 60, 40);
  ClickArea(a);
  QLineEdit* url = Field(IDC_URL);
  url->setFocus();
  QTest::keyClicks(url, QStringLiteral("b.html"));
  frame->UpdateCommandStates();
  Action(ID_EDIT_COPY)->trigger();  // as by Ctrl+C from the menu: the focus stays
  EXPECT_EQ(View().m_clipboard.Area().m_strHref, "b.html");
}

TEST_F(PropertyBarTest, OtherAttributesSitUnderTheCommentAndAreTakenOrRefusedWhenLeft) {
  CGrowingField* other = Bar()->OtherAttrsField();
  auto* form = qobject_cast<QFormLayout*>(Bar()->widget()->layout());
  int row = -1, commentRow = -1;
  QFormLayout::ItemRole role;
  form->getWidgetPosition(other, &row, &role);
  form->getWidgetPosition(Field(IDC_COMMENT), &commentRow, &role);
  EXPECT_EQ(row, commentRow + 1);
  EXPECT_EQ(qobject_cast<QLabel*>(form->labelForField(other))->text(), U("その他の属性"));
  EXPECT_EQ(HelpIdOf(other), 0x50406u);

  CArea* a = AddRect(10, 10, 60, 40);
  a->m_strOtherAttrs = "class=a1";
  ClickArea(a);
  EXPECT_TRUE(other->isEnabled());
  RecordNotices();
  other->setFocus();
  other->selectAll();
  QTest::keyClicks(other, QStringLiteral("title=\"x"));
  QTest::keyClick(other, Qt::Key_Tab);
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{65012});
  EXPECT_EQ(other->text(), QStringLiteral("class=a1"));
  EXPECT_TRUE(doc->m_listUndo.empty());

  // Enter sends twice (leaving the field, then Enter): one step is recorded.
  sent.clear();
  other->setFocus();
  other->selectAll();
  QTest::sendKeyEvent(QTest::Click, other, Qt::Key_unknown, U(" title=\"ニュース\" "), Qt::NoModifier);
  QTest::keyClick(other, Qt::Key_Return);
  EXPECT_EQ(sent, (std::vector<PanelChange>{PanelChange::Edit, PanelChange::Enter}));
  EXPECT_EQ(a->m_strOtherAttrs, Cp932("title=\"ニュース\""));
  EXPECT_EQ(other->text(), U("title=\"ニュース\""));
  EXPECT_EQ(doc->m_listUndo.size(), 1u);
}
