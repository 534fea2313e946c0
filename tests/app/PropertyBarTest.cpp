#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <functional>
#include <optional>

#include "FrameTestSupport.h"
#include "platform/CodePage.h"
#include "ui/AreaListBar.h"
#include "ui/CoordDlg.h"
#include "ui/FrameCommands.h"
#include "ui/PropertyBar.h"

using zorva::test::FrameFixture;

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Runs `body` on the next modal dialog or popup menu once it is up (they run
// their own event loops, so the test cannot wait for them in line).
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
  // Selects `area` by a click in the view with the arrow tool, on its
  // outline near its first point unless `at` says where.
  void ClickArea(const CArea* area, std::optional<CPoint> at = std::nullopt) {
    const CPoint& first = area->m_listPoint.front();
    const CPoint p = View().ToWindow(at.value_or(CPoint(first.x + 2, first.y + 1)));
    View().OnLButtonDown(MK_LBUTTON, p);
    View().OnLButtonUp(0, p);
    ASSERT_EQ(doc->m_pSelArea, area);
  }
  // Records every change notice on its way to the view.
  void RecordNotices() {
    auto sent = std::make_shared<std::vector<uintptr_t>>();
    m_sent = sent;
    auto toView = Bar()->onApply;
    Bar()->onApply = [sent, toView](uintptr_t w) {
      sent->push_back(w);
      toView(w);
    };
  }
  std::vector<uintptr_t> Sent() const { return m_sent ? *m_sent : std::vector<uintptr_t>{}; }

 private:
  std::shared_ptr<std::vector<uintptr_t>> m_sent;
};

TEST_F(PropertyBarTest, DockedAtTheRightAboveTheAreaList) {
  EXPECT_EQ(Bar()->windowTitle(), U("プロパティ"));
  EXPECT_EQ(Bar()->allowedAreas(), Qt::RightDockWidgetArea);
  EXPECT_EQ(frame->dockWidgetArea(Bar()), Qt::RightDockWidgetArea);
  frame->AreaList()->show();
  QApplication::processEvents();
  EXPECT_LT(Bar()->geometry().bottom(), frame->AreaList()->geometry().top());
  // The list still shows a few rows below the panel.
  EXPECT_GE(frame->AreaList()->List()->viewport()->height(), 60);
  const QStringList types = {U("矩形(rect)"), U("楕円(circle)"), U("多角形(poly)"), U("ベジェ(bezier)")};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(Bar()->TypeList()->itemText(i), types[i]);

  // The bar toggle hides and shows it, and a shown panel is filled afresh.
  CArea* a = AddRect(10, 10, 60, 40);
  a->m_strHref = "a.html";
  ClickArea(a);
  QAction* toggle = Action(ID_VIEW_PROPERTY);
  toggle->trigger();
  frame->UpdateCommandStates();
  EXPECT_TRUE(Bar()->isHidden());
  EXPECT_FALSE(toggle->isChecked());
  Field(IDC_URL)->setText(QStringLiteral("stale"));
  toggle->trigger();
  frame->UpdateCommandStates();
  EXPECT_TRUE(toggle->isChecked());
  EXPECT_EQ(Field(IDC_URL)->text(), QStringLiteral("a.html"));
}

TEST_F(PropertyBarTest, LeavingAFieldAppliesItOnceAndTheListFollows) {
  CArea* a = AddRect(10, 10, 60, 40);
  ClickArea(a);
  QLineEdit* url = Field(IDC_URL);
  url->setFocus();
  QTest::sendKeyEvent(QTest::Click, url, Qt::Key_unknown, U("日本.html"), Qt::NoModifier);
  EXPECT_TRUE(a->m_strHref.empty());  // typing alone applies nothing
  QTest::keyClick(url, Qt::Key_Tab);
  EXPECT_FALSE(url->hasFocus());
  EXPECT_EQ(a->m_strHref, zorva::Utf8ToCp932("日本.html").value());
  EXPECT_EQ(doc->m_listUndo.size(), 1u);
  EXPECT_EQ(frame->AreaList()->List()->topLevelItem(0)->text(1), U("日本.html"));
  // Coming back and leaving again without typing changes nothing.
  url->setFocus();
  QTest::keyClick(url, Qt::Key_Tab);
  EXPECT_EQ(doc->m_listUndo.size(), 1u);
}

TEST_F(PropertyBarTest, TextsTheFieldsCannotShowAsGivenComeBackUnchanged) {
  // Longer than a line edit's usual limit, and characters a line edit shows
  // its own way: applying an untouched panel must not rewrite them.
  CArea* a = AddRect(10, 10, 60, 40);
  a->m_bJavaScript = true;
  a->m_strOnClick = std::string(40000, 'x');
  a->m_strHref = "a\nb\tc";
  a->m_strAlt = "\x82\xa0\xff";  // a CP932 character, then a byte that is none
  ClickArea(a);
  const CArea before = [&] {
    CArea copy;
    copy.CopyFrom(*a);
    return copy;
  }();
  Field(IDC_URL)->setFocus();
  Field(IDC_ALT)->setFocus();
  Field(IDC_ONCLICK)->setFocus();
  View().OnApplyPanel(0, 0);
  EXPECT_EQ(a->m_strOnClick, before.m_strOnClick);
  EXPECT_EQ(a->m_strHref, before.m_strHref);
  EXPECT_EQ(a->m_strAlt, before.m_strAlt);
  EXPECT_TRUE(doc->m_listUndo.empty());
  // And typing goes on past any usual limit.
  QLineEdit* onClick = Field(IDC_ONCLICK);
  onClick->setFocus();
  onClick->end(false);
  QTest::keyClick(onClick, Qt::Key_Y);
  frame->View()->setFocus();
  EXPECT_EQ(a->m_strOnClick, std::string(40000, 'x') + "y");
}

TEST_F(PropertyBarTest, UncheckingScriptsDisablesTheirFieldsAndMenusAndKeepsTheTexts) {
  const int fields[] = {IDC_ONCLICK, IDC_ONMOUSEOVER, IDC_ONMOUSEOUT};
  const int menus[] = {CPropertyBar::kOnClickMenu, CPropertyBar::kOnMouseOverMenu,
                       CPropertyBar::kOnMouseOutMenu};
  CArea* a = AddRect(10, 10, 60, 40);
  // The selected area, then the default area (which the view does not write back).
  for (CArea* shown : {a, &doc->m_areaDefault}) {
    SCOPED_TRACE(shown == a ? "selected area" : "default area");
    shown->m_bJavaScript = true;
    shown->m_strOnMouseOut = "out();";
    doc->m_pSelArea = shown == a ? a : nullptr;
    View().UpdatePanel(-1, true);
    QCheckBox* scripts = Bar()->Check(IDC_JAVASCRIPT);
    for (bool on : {false, true}) {
      SCOPED_TRACE(on);
      QTest::mouseClick(scripts, Qt::LeftButton, {}, QPoint(6, scripts->height() / 2));
      EXPECT_EQ(shown->m_bJavaScript, on);
      for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Field(fields[i])->isEnabled(), on);
        EXPECT_EQ(Bar()->MenuButton(menus[i])->isEnabled(), on);
      }
      EXPECT_EQ(Field(IDC_ONMOUSEOUT)->text(), QStringLiteral("out();"));
      EXPECT_EQ(shown->m_strOnMouseOut, "out();");
    }
  }
  EXPECT_EQ(doc->m_listUndo.size(), 2u);
}

TEST_F(PropertyBarTest, TheViewWritingThePanelSendsNothingBack) {
  CArea* rect = AddRect(10, 10, 60, 40);
  CArea* poly = AddArea(AREA_POLYGON, {{100, 100}, {150, 100}, {120, 150}});
  poly->m_bJavaScript = true;
  AddArea(AREA_ELLIPSE, {{200, 10}, {260, 50}});
  RecordNotices();
  ClickArea(rect);
  ClickArea(poly);
  ClickArea(poly, CPoint(150, 100));  // its second vertex
  EXPECT_TRUE(Bar()->Check(IDC_CLOSED)->isEnabled());
  EXPECT_TRUE(Bar()->PointList()->item(1)->isSelected());
  ClickArea(doc->m_listArea.back(), CPoint(230, 11));  // the ellipse's top
  View().SelectFromList(3, nullptr);
  EXPECT_TRUE(Sent().empty());
  EXPECT_TRUE(doc->m_listUndo.empty());
}

TEST_F(PropertyBarTest, AFieldTheViewDisablesUnderTheFocusIsNoEdit) {
  // The view fills the panel for another area while the focus is in a
  // script field that area has switched off: the field loses the focus
  // halfway through the filling, when the comment still shows the first area's.
  CArea* first = AddRect(10, 10, 60, 40);
  first->m_bJavaScript = true;
  first->m_strComment = "first";
  CArea* second = AddRect(100, 10, 160, 40);
  second->m_strComment = "second";
  ClickArea(first);
  Field(IDC_ONCLICK)->setFocus();
  View().SelectFromList(0, second);
  EXPECT_FALSE(Field(IDC_ONCLICK)->isEnabled());
  EXPECT_EQ(second->m_strComment, "second");
  EXPECT_EQ(first->m_strComment, "first");
  EXPECT_TRUE(doc->m_listUndo.empty());
  EXPECT_EQ(Field(IDC_COMMENT)->text(), QStringLiteral("second"));
}

TEST_F(PropertyBarTest, ARefusedTypeLeavesAreaAndHistoryAndAPolygonIsTaken) {
  CArea* a = AddRect(10, 10, 60, 40);
  ClickArea(a);
  RecordNotices();
  QComboBox* type = Bar()->TypeList();
  type->setFocus();
  QTest::keyClick(type, Qt::Key_Down);  // to "楕円(circle)"
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61225});
  EXPECT_EQ(type->currentIndex(), AREA_RECT);
  EXPECT_EQ(a->m_nType, AREA_RECT);
  EXPECT_EQ(a->m_listPoint.size(), 2u);
  EXPECT_TRUE(doc->m_listUndo.empty());
  EXPECT_FALSE(doc->IsModified());
  // Putting the list back told the view nothing.
  EXPECT_EQ(Sent(), std::vector<uintptr_t>{0});

  type->setCurrentIndex(AREA_POLYGON);
  EXPECT_EQ(a->m_nType, AREA_POLYGON);
  EXPECT_EQ(doc->m_listUndo.size(), 1u);
  EXPECT_TRUE(Bar()->Check(IDC_CLOSED)->isEnabled());
  EXPECT_EQ(Bar()->PointList()->count(), 4);
}

TEST_F(PropertyBarTest, EnterAppliesAndGivesTheFocusBackToTheView) {
  CArea* a = AddRect(10, 10, 60, 40);
  ClickArea(a);
  RecordNotices();
  QLineEdit* target = Field(IDC_TARGET);
  target->setFocus();
  QTest::keyClicks(target, QStringLiteral("_top"));
  QTest::keyClick(target, Qt::Key_Return);
  EXPECT_TRUE(frame->View()->hasFocus());
  EXPECT_EQ(a->m_strTarget, "_top");
  EXPECT_EQ(doc->m_listUndo.size(), 1u);
  // Leaving the field applied it; Enter's own notice follows and finds nothing new.
  EXPECT_EQ(Sent(), (std::vector<uintptr_t>{0, CPropertyBar::kEnterNotice}));
}

TEST_F(PropertyBarTest, EditingKeysActOnTheFieldNeverOnTheAreas) {
  struct Case {
    Qt::Key key;
    Qt::KeyboardModifier mods;
    int caret;
    const char* after;
  } cases[] = {
      {Qt::Key_Backspace, Qt::NoModifier, 0, "abc"},
      {Qt::Key_Backspace, Qt::NoModifier, 3, "ab"},
      {Qt::Key_Delete, Qt::NoModifier, 0, "bc"},
      {Qt::Key_X, Qt::ControlModifier, -1, ""},  // caret -1: all selected
  };
  CArea* a = AddRect(10, 10, 60, 40);
  a->m_strAlt = "abc";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.after);
    ClickArea(a);
    QLineEdit* alt = Field(IDC_ALT);
    alt->setFocus();
    alt->setText(QStringLiteral("abc"));
    if (c.caret < 0) alt->selectAll();
    else alt->setCursorPosition(c.caret);
    QTest::keyClick(alt, c.key, c.mods);
    EXPECT_EQ(alt->text(), QString::fromUtf8(c.after));
    EXPECT_EQ(doc->m_listArea.size(), 1u);
    EXPECT_EQ(doc->m_pSelArea, a);
    frame->View()->setFocus();  // applies; the next case starts from "abc" again
    a->m_strAlt = "abc";
  }
  // Ctrl+Z undoes in the field, not in the document.
  const size_t records = doc->m_listUndo.size();
  ClickArea(a);
  QLineEdit* alt = Field(IDC_ALT);
  alt->setFocus();
  alt->end(false);
  QTest::keyClicks(alt, QStringLiteral("d"));
  QTest::keyClick(alt, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(alt->text(), QStringLiteral("abc"));
  EXPECT_EQ(doc->m_listUndo.size(), records);
  EXPECT_EQ(doc->m_listArea.size(), 1u);
  // Ctrl+T is the view's picture display, wherever the focus is.
  const int mode = View().m_nImageMode;
  QTest::keyClick(alt, Qt::Key_T, Qt::ControlModifier);
  EXPECT_NE(View().m_nImageMode, mode);
  EXPECT_EQ(alt->text(), QStringLiteral("abc"));
}

TEST_F(PropertyBarTest, APointListSelectionGoesToTheViewAsSuchAndStays) {
  CArea* poly = AddArea(AREA_POLYGON, {{10, 10}, {90, 10}, {50, 80}});
  ClickArea(poly);
  RecordNotices();
  QListWidget* list = Bar()->PointList();
  ASSERT_EQ(list->count(), 3);
  QListWidgetItem* first = list->item(0);
  auto click = [&](int row, Qt::KeyboardModifiers mods) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, mods, list->visualItemRect(list->item(row)).center());
  };
  click(1, Qt::NoModifier);
  click(2, Qt::ControlModifier);
  EXPECT_EQ(Sent(), (std::vector<uintptr_t>{1, 1}));
  ASSERT_EQ(doc->m_listSelPoint.size(), 2u);
  EXPECT_EQ(*doc->m_listSelPoint.front(), CPoint(90, 10));
  EXPECT_EQ(*doc->m_listSelPoint.back(), CPoint(50, 80));
  // The rows were not rebuilt under the user's hand.
  EXPECT_EQ(list->item(0), first);
  EXPECT_FALSE(list->item(0)->isSelected());
  EXPECT_TRUE(list->item(1)->isSelected());
  EXPECT_TRUE(list->item(2)->isSelected());
}

TEST_F(PropertyBarTest, DoubleClickingAPointEditsItInTheCoordinateDialog) {
  CArea* poly = AddArea(AREA_POLYGON, {{10, 10}, {90, 10}, {50, 80}});
  ClickArea(poly);
  QListWidget* list = Bar()->PointList();
  auto doubleClick = [&](int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  };
  const size_t records = doc->m_listUndo.size();

  // Cancel changes nothing.
  OnNextPopup([](QWidget* w) {
    auto* dlg = qobject_cast<CCoordDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    dlg->Field(CCoordDlg::kX)->setText(QStringLiteral("99"));
    dlg->reject();
  });
  doubleClick(1);
  EXPECT_EQ(list->item(1)->text(), QStringLiteral("  90,  10"));
  EXPECT_EQ(*std::next(poly->m_listPoint.begin()), CPoint(90, 10));
  const size_t afterSelection = doc->m_listUndo.size();

  // "abc" is refused and the dialog stays; then OK with 12, 7.
  OnNextPopup([this](QWidget* w) {
    auto* dlg = qobject_cast<CCoordDlg*>(w);
    ASSERT_NE(dlg, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(dlg));
    EXPECT_EQ(dlg->windowTitle(), U("座標値変更"));
    EXPECT_EQ(dlg->Field(CCoordDlg::kX)->text(), QStringLiteral("90"));
    EXPECT_TRUE(dlg->Field(CCoordDlg::kH1X)->isReadOnly());
    dlg->Field(CCoordDlg::kX)->setText(QStringLiteral("abc"));
    dlg->accept();
    EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61712});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_TRUE(dlg->Field(CCoordDlg::kX)->hasFocus());
    dlg->Field(CCoordDlg::kX)->setText(QStringLiteral("12"));
    dlg->Field(CCoordDlg::kY)->setText(QStringLiteral("7"));
    dlg->accept();
  });
  doubleClick(1);
  EXPECT_EQ(list->item(1)->text(), QStringLiteral("  12,   7"));
  EXPECT_TRUE(list->item(1)->isSelected());
  EXPECT_EQ(*std::next(poly->m_listPoint.begin()), CPoint(12, 7));
  EXPECT_EQ(doc->m_listUndo.size(), afterSelection + 1);
  EXPECT_GE(afterSelection, records);
}

TEST_F(PropertyBarTest, AScriptNameGoesInAtTheCaretAndTheFieldUndoesIt) {
  doc->m_listScriptName = {"go();", zorva::Utf8ToCp932("表示(a);").value()};
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
    EXPECT_EQ(menu->actions()[1]->text(), U("表示(a);"));
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
  });
  QTest::mouseClick(Bar()->MenuButton(CPropertyBar::kOnMouseOverMenu), Qt::LeftButton);
  EXPECT_EQ(over->text(), U("a表示(a);b"));
  EXPECT_EQ(a->m_strOnMouseOver, zorva::Utf8ToCp932("a表示(a);b").value());
  EXPECT_EQ(doc->m_listUndo.size(), 1u);

  // The offscreen platform leaves the window inactive after a popup.
  frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  ASSERT_TRUE(over->hasFocus());
  QTest::keyClick(over, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(over->text(), QStringLiteral("ab"));
  frame->View()->setFocus();
  EXPECT_EQ(a->m_strOnMouseOver, "ab");
  EXPECT_EQ(doc->m_listUndo.size(), 2u);

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
  // A key command leaves the focus in the field; what it acts on must
  // include what the field shows.
  CArea* a = AddRect(10, 10, 60, 40);
  ClickArea(a);
  QLineEdit* url = Field(IDC_URL);
  url->setFocus();
  QTest::keyClicks(url, QStringLiteral("b.html"));
  frame->UpdateCommandStates();
  Action(ID_EDIT_COPY)->trigger();
  EXPECT_EQ(a->m_strHref, "b.html");
  EXPECT_EQ(View().m_areaClipboard.m_strHref, "b.html");
  EXPECT_TRUE(url->hasFocus());
}

TEST(CoordRow, ReadAndBuiltInItsOwnForm) {
  struct Case {
    const char* row;
    bool valid, handles;
    int x, y;
    const char* h1x;
    const char* rebuilt;
  } cases[] = {
      {"   5,   7", true, false, 5, 7, "", "   5,   7"},
      // Eleven characters and still a plain point.
      {"12345,-1234", true, false, 12345, -1234, "", "12345,-1234"},
      {"   1,   2,    3,   4,    5,   6", true, true, 1, 2, "3", "   1,   2,    3,   4,    5,   6"},
      {"-10000,20, 100000,x,,7", true, true, -10000, 20, "100000", "-10000,  20, 100000,   x,     ,   7"},
      {"junk", false, false, 0, 0, "", ""},
      {"1,2,3", false, false, 0, 0, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    const std::optional<CoordRow> r = ReadCoordRow(c.row);
    ASSERT_EQ(r.has_value(), c.valid);
    if (!r) continue;
    EXPECT_EQ(r->handles, c.handles);
    EXPECT_EQ(r->x, c.x);
    EXPECT_EQ(r->y, c.y);
    EXPECT_EQ(r->h1x, c.h1x);
    EXPECT_EQ(BuildCoordRow(*r), c.rebuilt);
  }
  CoordRow point;
  point.x = 12;
  point.y = 7;
  EXPECT_EQ(BuildCoordRow(point), "  12,   7");
}
