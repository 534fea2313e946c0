#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <functional>
#include <map>

#include "FrameTestSupport.h"
#include "ui/AreaListBar.h"
#include "ui/MainToolBar.h"
#include "ui/PropertyBar.h"
#include "ui/QtDocumentHost.h"
#include "ui/RulerWidget.h"
#include "ui/ToolBox.h"
#include "ui/ViewPane.h"
#include "view/CommandIds.h"

using zorva::test::FrameFixture;
using zorva::test::RunLoop;

namespace {

// A document-side target: records what reaches it and whether a gesture
// still held the mouse then.
struct RecordingTarget : ICommandTarget {
  explicit RecordingTarget(CZorvaView& v) : view(v) {}
  bool Knows(unsigned id) const { return id == ID_FILE_OPEN || id == ID_FILE_SAVE || id >= 57616; }
  bool OnCommand(unsigned id) override {
    if (Knows(id)) ran.push_back({id, view.m_host.HasCapture()});
    return Knows(id);
  }
  bool OnUpdateCommand(unsigned id, CCmdState& state) override {
    state.enabled = !disabled.count(id);
    return Knows(id);
  }
  bool GetCommandText(unsigned id, std::string& text) override {
    if (!texts.count(id)) return false;
    text = texts[id];
    return true;
  }
  CZorvaView& view;
  std::vector<std::pair<unsigned, bool>> ran;  // id, captured
  std::map<unsigned, bool> disabled;
  std::map<unsigned, std::string> texts;
};

}  // namespace

class FrameCommands : public FrameFixture {};

TEST_F(FrameCommands, MenuActionsReachTheirHandlers) {
  struct Case {
    unsigned id;
    std::function<void()> before;
    std::function<void()> check;
  };
  CArea* selected = nullptr;
  auto select = [&] { doc->m_pSelArea = selected = AddRect(10, 10, 60, 40); };
  const Case cases[] = {
      {ID_VIEW_ZOOM200, nullptr, [&] { EXPECT_EQ(View().m_coords.m_zoom, kZoom200); }},
      {ID_VIEW_GUIDE, nullptr, [&] { EXPECT_FALSE(View().m_canvas.m_bShowGuides); }},
      {ID_IMAGE_LIGHT, nullptr, [&] { EXPECT_EQ(View().m_canvas.m_imageMode, ImageMode::Light); }},
      {ID_VIEW_RULER, nullptr,
       [&] {
         EXPECT_FALSE(View().m_bShowRulers);
         EXPECT_TRUE(frame->ViewPane()->Ruler(false)->isHidden());
         EXPECT_TRUE(frame->ViewPane()->Corner()->isHidden());
         EXPECT_EQ(frame->View()->geometry(), frame->ViewPane()->rect());
       }},
      {ID_TOOL_RECT, nullptr,
       [&] {
         EXPECT_EQ(frame->GetCurrentTool(), ID_TOOL_RECT);
         EXPECT_EQ(frame->Tools().GetBaseTool(), ID_TOOL_RECT);
       }},
      {ID_TOOL_BEZIER, nullptr, [&] { EXPECT_EQ(frame->GetCurrentTool(), ID_TOOL_ARROW); }},
      {ID_VIEW_TOOLBAR, nullptr, [&] { EXPECT_TRUE(frame->MainToolBar()->isHidden()); }},
      {ID_VIEW_TOOLBOX, nullptr,
       [&] {
         EXPECT_TRUE(frame->ToolBox()->isHidden());
         EXPECT_FALSE(Action(ID_VIEW_TOOLBOX)->isChecked());
       }},
      {ID_VIEW_STATUS_BAR, nullptr, [&] { EXPECT_TRUE(frame->statusBar()->isHidden()); }},
      {ID_VIEW_AREALIST, [&] { frame->AreaList()->show(); },
       [&] { EXPECT_TRUE(frame->AreaList()->isHidden()); }},
      {ID_VIEW_PROPERTY, nullptr,
       [&] {
         EXPECT_TRUE(frame->PropertyBar()->isHidden());
         EXPECT_FALSE(Action(ID_VIEW_PROPERTY)->isChecked());
       }},
      {ID_EDIT_DUPLICATE, select,
       [&] {
         ASSERT_EQ(doc->m_listArea.size(), 2u);
         EXPECT_EQ(doc->m_pSelArea, doc->m_listArea.back());
         EXPECT_NE(doc->m_pSelArea, selected);
       }},
      {ID_EDIT_CLEAR, select, [&] { EXPECT_TRUE(doc->m_listArea.empty()); }},
      {ID_EDIT_COPY, select, [&] { EXPECT_TRUE(View().m_clipboard.IsFull()); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    TearDown();
    SetUp();
    if (c.before) c.before();
    frame->UpdateCommandStates();
    QAction* a = Action(c.id);
    ASSERT_NE(a, nullptr);
    a->trigger();
    c.check();
  }
}

TEST_F(FrameCommands, StatesFollowTheDocument) {
  QAction* undo = Action(ID_EDIT_UNDO);
  QAction* bezier = Action(ID_TOOL_BEZIER);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(bezier->isEnabled());
  // Nobody handles the file commands here: they are disabled, not dead buttons.
  EXPECT_FALSE(Action(ID_FILE_NEW)->isEnabled());

  // An edit through the view; the document tells the frame, whose states
  // follow once the event is handled.
  Action(ID_TOOL_RECT)->trigger();
  Drag(CPoint(20, 20), CPoint(120, 90));
  ASSERT_EQ(doc->m_listArea.size(), 1u);
  RunLoop(100);
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_FALSE(bezier->isEnabled());
  EXPECT_TRUE(Action(ID_TOOL_RECT)->isChecked());

  undo->trigger();
  EXPECT_TRUE(doc->m_listArea.empty());
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_TRUE(Action(ID_EDIT_REDO)->isEnabled());
}

TEST_F(FrameCommands, ZoomBoxAndMenuChecksFollowEachOther) {
  QComboBox* combo = frame->MainToolBar()->ZoomCombo();
  ASSERT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->currentText(), QStringLiteral("100%"));

  // The user picks the next item ("50%") in the box.
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(View().m_coords.m_zoom, kZoom50);
  EXPECT_TRUE(Action(ID_VIEW_ZOOM50)->isChecked());
  EXPECT_FALSE(Action(ID_VIEW_ZOOM100)->isChecked());
  EXPECT_TRUE(frame->View()->hasFocus());

  Action(ID_VIEW_ZOOM200)->trigger();
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_TRUE(Action(ID_VIEW_ZOOM200)->isChecked());
  // Ctrl+1 from the view goes through the same action.
  QTest::keyClick(frame->View(), Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(View().m_coords.m_zoom, kZoom100);
  EXPECT_EQ(combo->currentIndex(), 1);
  // Showing a zoom in the box does not zoom.
  frame->SetZoomComboIndex(2);
  EXPECT_EQ(View().m_coords.m_zoom, kZoom100);
}

TEST_F(FrameCommands, AddedTargetsAreRoutedAfterTheView) {
  RecordingTarget target(View());
  frame->AddCommandTarget(&target);
  target.texts[57616] = "&1 /home/a/map.zvf";
  target.texts[57617] = "";
  frame->UpdateCommandStates();
  EXPECT_TRUE(Action(ID_FILE_OPEN)->isEnabled());
  EXPECT_TRUE(Action(57616)->isVisible());
  EXPECT_EQ(Action(57616)->text(), QStringLiteral("&1 /home/a/map.zvf"));
  EXPECT_FALSE(Action(57617)->isVisible());
  EXPECT_FALSE(Action(57619)->isVisible());

  // A command for a target after the view first ends the running drag, so
  // no working copy outlives what the command does to the document.
  Action(ID_TOOL_RECT)->trigger();
  View().OnLButtonDown(MK_LBUTTON, CPoint(20, 20));
  View().OnMouseMove(MK_LBUTTON, CPoint(80, 70));
  ASSERT_TRUE(frame->View()->HasCapture());
  Action(ID_FILE_OPEN)->trigger();
  ASSERT_EQ(target.ran.size(), 1u);
  EXPECT_EQ(target.ran[0], std::make_pair(ID_FILE_OPEN, false));
  EXPECT_TRUE(doc->m_listArea.empty());

  // A command its target reports disabled does not run, whoever sends it.
  target.disabled[ID_FILE_SAVE] = true;
  EXPECT_TRUE(frame->RouteCommand(ID_FILE_SAVE));
  EXPECT_EQ(target.ran.size(), 1u);
}

TEST_F(FrameCommands, EveryMenuCommandHasAPromptShownInTheStatusBar) {
  for (QAction* menu : frame->menuBar()->actions())
    for (QAction* a : menu->menu()->actions()) {
      if (a->isSeparator()) continue;
      EXPECT_FALSE(a->statusTip().isEmpty()) << a->text().toStdString();
    }
  QWidget* button = frame->MainToolBar()->widgetForAction(Action(ID_EDIT_DUPLICATE));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->toolTip(), QString::fromUtf8("複製"));
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
  QApplication::sendEvent(button, &enter);
  EXPECT_EQ(frame->statusBar()->currentMessage(), QString::fromUtf8("選択されているエリアを複製"));
}

TEST_F(FrameCommands, HelpWithoutAHelpFileSaysWhereItLooked) {
  QString text;
  QTimer::singleShot(0, [&text] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      text = box->text();
      box->accept();
    }
  });
  Action(ID_HELP_CONTENTS)->trigger();
  EXPECT_TRUE(text.startsWith(QStringLiteral("Not Exist Html Help File\n\n   File Path [ ")));
  EXPECT_TRUE(text.endsWith(QStringLiteral("test_app.qhc ]"))) << text.toStdString();
}

TEST_F(FrameCommands, MessagesShowTheirTextAsTextNotMarkup) {
  // The page reader's "no <IMG> tag" message, and a file name with markup in
  // it, must read as they are written.
  CQtDocumentHost qtHost;
  for (const char* text : {"指定されたHTMLファイルには<IMG>タグがありません", "<b>a</b>&amp;.jpg"}) {
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        format = box->textFormat();
        shown = box->text();
        box->accept();
      }
    });
    qtHost.MessageBox(61219, text, MB_OK);
    EXPECT_EQ(format, Qt::PlainText) << text;
    EXPECT_EQ(shown, QString::fromUtf8(text));
  }
}

TEST_F(FrameCommands, EveryMenusMnemonicsAreUnique) {
  // A key used twice in one menu only moves between the items it names.
  for (QAction* top : frame->menuBar()->actions()) {
    QMenu* menu = top->menu();
    ASSERT_NE(menu, nullptr);
    std::map<QChar, QString> seen;
    for (QAction* item : menu->actions()) {
      const QString text = item->text();
      const qsizetype amp = text.indexOf(QLatin1Char('&'));
      if (amp < 0 || amp + 1 >= text.size()) continue;
      const QChar key = text.at(amp + 1).toUpper();
      EXPECT_FALSE(seen.count(key)) << top->text().toStdString() << ": " << text.toStdString() << " and "
                                    << seen[key].toStdString();
      seen[key] = text;
    }
  }
}
