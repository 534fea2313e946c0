#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QDropEvent>
#include <QStatusBar>
#include <QToolBar>
#include <functional>
#include <map>

#include "FrameTestSupport.h"
#include "ui/AreaListBar.h"
#include "ui/FrameCommands.h"
#include "ui/MainToolBar.h"
#include "ui/RulerWidget.h"
#include "ui/ToolBox.h"
#include "ui/ViewPane.h"

using zorva::test::FrameFixture;
using zorva::test::RunLoop;

namespace {

// A document-side target: records what reaches it and what the view looked
// like at that moment.
class RecordingTarget : public ICommandTarget {
 public:
  explicit RecordingTarget(CZorvaView* view) : m_view(view) {}
  bool OnCommand(unsigned id) override {
    if (!Knows(id)) return false;
    ran.push_back(id);
    captureAtCommand = m_view->m_host.HasCapture();
    return true;
  }
  bool OnUpdateCommand(unsigned id, CCmdState& state) override {
    if (!Knows(id)) return false;
    state.enabled = !disabled.count(id);
    return true;
  }
  bool GetCommandText(unsigned id, std::string& text) override {
    auto it = texts.find(id);
    if (it == texts.end()) return false;
    text = it->second;
    return true;
  }
  bool Knows(unsigned id) const { return id == ID_FILE_OPEN || id == ID_FILE_SAVE || id >= 57616; }

  std::vector<unsigned> ran;
  std::map<unsigned, bool> disabled;
  std::map<unsigned, std::string> texts;
  bool captureAtCommand = false;

 private:
  CZorvaView* m_view;
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
  auto select = [&] {
    selected = AddRect(10, 10, 60, 40);
    doc->m_pSelArea = selected;
    View().OnUpdate();
  };
  const Case cases[] = {
      {ID_VIEW_ZOOM50, nullptr, [&] { EXPECT_EQ(View().m_zoom, kZoomHalf); }},
      {ID_VIEW_ZOOM200, nullptr, [&] { EXPECT_EQ(View().m_zoom, kZoomDouble); }},
      {ID_VIEW_GUIDE, nullptr, [&] { EXPECT_FALSE(View().m_bShowGuides); }},
      {ID_IMAGE_LIGHT, nullptr, [&] { EXPECT_EQ(View().m_nImageMode, 1); }},
      {ID_IMAGE_HIDE, nullptr, [&] { EXPECT_EQ(View().m_nImageMode, 0); }},
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
      {ID_TOOL_ZOOM, nullptr, [&] { EXPECT_EQ(frame->GetCurrentTool(), ID_TOOL_ZOOM); }},
      {ID_TOOL_BEZIER, nullptr, [&] { EXPECT_EQ(frame->GetCurrentTool(), ID_TOOL_ARROW); }},
      {ID_VIEW_TOOLBAR, nullptr, [&] { EXPECT_TRUE(frame->MainToolBar()->isHidden()); }},
      {ID_VIEW_TOOLBOX, nullptr, [&] { EXPECT_TRUE(frame->ToolBox()->isHidden()); }},
      {ID_VIEW_STATUS_BAR, nullptr, [&] { EXPECT_TRUE(frame->statusBar()->isHidden()); }},
      {ID_VIEW_AREALIST, [&] { frame->AreaList()->show(); },
       [&] { EXPECT_TRUE(frame->AreaList()->isHidden()); }},
      {ID_EDIT_DUPLICATE, select,
       [&] {
         ASSERT_EQ(doc->m_listArea.size(), 2u);
         EXPECT_EQ(doc->m_pSelArea, doc->m_listArea.back());
         EXPECT_NE(doc->m_pSelArea, selected);
       }},
      {ID_EDIT_CLEAR, select, [&] { EXPECT_TRUE(doc->m_listArea.empty()); }},
      {ID_EDIT_COPY, select, [&] { EXPECT_TRUE(View().m_bClipboardFull); }},
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

TEST_F(FrameCommands, TogglesComeBackAndShowTheirState) {
  QAction* ruler = Action(ID_VIEW_RULER);
  QAction* toolBox = Action(ID_VIEW_TOOLBOX);
  EXPECT_TRUE(ruler->isChecked());
  EXPECT_TRUE(toolBox->isChecked());
  ruler->trigger();
  toolBox->trigger();
  EXPECT_FALSE(ruler->isChecked());
  EXPECT_FALSE(toolBox->isChecked());
  ruler->trigger();
  toolBox->trigger();
  EXPECT_TRUE(ruler->isChecked());
  EXPECT_FALSE(frame->ToolBox()->isHidden());
  // The rulers are back where they were: the view 16 pixels in.
  const QRect pane = frame->ViewPane()->rect();
  EXPECT_EQ(frame->View()->geometry(), pane.adjusted(16, 16, 0, 0));
  EXPECT_EQ(frame->ViewPane()->Ruler(true)->geometry(), QRect(0, 17, 16, pane.height() - 17));
}

TEST_F(FrameCommands, StatesFollowTheDocument) {
  QAction* undo = Action(ID_EDIT_UNDO);
  QAction* bezier = Action(ID_TOOL_BEZIER);
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_FALSE(bezier->isEnabled());
  EXPECT_FALSE(Action(ID_VIEW_PROPERTY)->isEnabled());
  EXPECT_FALSE(Action(ID_PALETTE_CHART)->isEnabled());
  // Nobody handles the file commands here: they are disabled, not dead buttons.
  EXPECT_FALSE(Action(ID_FILE_NEW)->isEnabled());

  // An edit through the view; the idle refresh brings the toolbar along.
  Action(ID_TOOL_RECT)->trigger();
  Drag(CPoint(20, 20), CPoint(120, 90));
  ASSERT_EQ(doc->m_listArea.size(), 1u);
  RunLoop(100);
  EXPECT_TRUE(undo->isEnabled());
  EXPECT_TRUE(Action(ID_EDIT_CUT)->isEnabled());
  EXPECT_FALSE(bezier->isEnabled());
  EXPECT_TRUE(Action(ID_TOOL_RECT)->isChecked());
  EXPECT_FALSE(Action(ID_TOOL_ARROW)->isChecked());

  undo->trigger();
  EXPECT_TRUE(doc->m_listArea.empty());
  EXPECT_FALSE(undo->isEnabled());
  EXPECT_TRUE(Action(ID_EDIT_REDO)->isEnabled());

  // A temporary tool shows as the pressed button; the chosen one comes back.
  frame->SetCurrentTool(ID_TOOL_ARROW);
  frame->UpdateCommandStates();
  EXPECT_TRUE(Action(ID_TOOL_ARROW)->isChecked());
  EXPECT_FALSE(Action(ID_TOOL_RECT)->isChecked());
  frame->SetCurrentTool(0);
  frame->UpdateCommandStates();
  EXPECT_TRUE(Action(ID_TOOL_RECT)->isChecked());
}

TEST_F(FrameCommands, ZoomBoxAndMenuChecksFollowEachOther) {
  QComboBox* combo = frame->MainToolBar()->ZoomCombo();
  ASSERT_EQ(combo->count(), 3);
  EXPECT_EQ(combo->itemText(0), QStringLiteral("200%"));
  EXPECT_EQ(combo->itemText(2), QStringLiteral("50%"));
  EXPECT_EQ(combo->currentText(), QStringLiteral("100%"));
  EXPECT_TRUE(Action(ID_VIEW_ZOOM100)->isChecked());

  // The user picks the next item ("50%") in the box.
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(View().m_zoom, kZoomHalf);
  EXPECT_TRUE(Action(ID_VIEW_ZOOM50)->isChecked());
  EXPECT_FALSE(Action(ID_VIEW_ZOOM100)->isChecked());
  EXPECT_TRUE(frame->View()->hasFocus());

  Action(ID_VIEW_ZOOM200)->trigger();
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_TRUE(Action(ID_VIEW_ZOOM200)->isChecked());
  // Ctrl+1 from the view goes through the same action.
  QTest::keyClick(frame->View(), Qt::Key_1, Qt::ControlModifier);
  EXPECT_EQ(View().m_zoom, kZoomOne);
  EXPECT_EQ(combo->currentIndex(), 1);
  // Showing a zoom in the box does not zoom.
  frame->SetZoomComboIndex(2);
  EXPECT_EQ(View().m_zoom, kZoomOne);
}

TEST_F(FrameCommands, AddedTargetsAreRoutedAfterTheView) {
  RecordingTarget target(&View());
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
  EXPECT_EQ(target.ran, std::vector<unsigned>{ID_FILE_OPEN});
  EXPECT_FALSE(target.captureAtCommand);
  EXPECT_TRUE(doc->m_listArea.empty());

  // A command its target reports disabled does not run, whoever sends it.
  target.disabled[ID_FILE_SAVE] = true;
  EXPECT_TRUE(frame->RouteCommand(ID_FILE_SAVE));
  EXPECT_EQ(target.ran.size(), 1u);
  EXPECT_FALSE(frame->RouteCommand(32999));
}

TEST_F(FrameCommands, PromptsTooltipsAndKeysComeFromTheTables) {
  EXPECT_EQ(Action(ID_EDIT_COPY)->statusTip(),
            QString::fromUtf8("選択されているエリアをコピーしてクリップボードに保存"));
  EXPECT_EQ(Action(ID_EDIT_COPY)->toolTip(), QString::fromUtf8("コピー"));
  EXPECT_EQ(Action(ID_TOOL_ZOOM)->toolTip(), QString::fromUtf8("ズーム"));
  EXPECT_EQ(Action(ID_EDIT_UNDO)->shortcuts(),
            (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Z),
                                 QKeySequence(Qt::ALT | Qt::Key_Backspace)}));
  EXPECT_EQ(Action(ID_EDIT_CLEAR)->shortcut(), QKeySequence(Qt::Key_Delete));
  EXPECT_EQ(Action(ID_PALETTE_CHART)->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  // Every command of the menus has a prompt.
  for (QAction* menu : frame->menuBar()->actions())
    for (QAction* a : menu->menu()->actions())
      if (!a->isSeparator()) EXPECT_FALSE(a->statusTip().isEmpty()) << a->text().toStdString();

  // Pointing at a button shows its prompt in the status bar's message pane.
  QWidget* button = frame->MainToolBar()->widgetForAction(Action(ID_EDIT_DUPLICATE));
  ASSERT_NE(button, nullptr);
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)));
  QApplication::sendEvent(button, &enter);
  EXPECT_EQ(frame->statusBar()->currentMessage(), QString::fromUtf8("選択されているエリアを複製"));
}

TEST_F(FrameCommands, AboutAndHelpShowTheirMessages) {
  auto text = std::make_shared<QString>();
  auto closeNext = [text] {
    QTimer::singleShot(0, [text] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        *text = box->text();
        box->accept();
      }
    });
  };
  closeNext();
  Action(ID_APP_ABOUT)->trigger();
  EXPECT_EQ(*text, QStringLiteral("ZORVA Version 0.78"));
  closeNext();
  Action(ID_HELP_CONTENTS)->trigger();
  EXPECT_TRUE(text->startsWith(QStringLiteral("Not Exist Html Help File\n\n   File Path [ ")));
  EXPECT_TRUE(text->endsWith(QStringLiteral("test_app.qhc ]"))) << text->toStdString();
}

TEST_F(FrameCommands, CloseQueryAndDroppedFilesReachTheApplication) {
  QStringList dropped;
  frame->SetFileDropHandler([&](const QStringList& paths) { dropped = paths; });
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.zvf")), QUrl(QStringLiteral("https://x/y"))});
  QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(frame.get(), &drop);
  EXPECT_EQ(dropped, QStringList{QStringLiteral("/tmp/a.zvf")});

  bool allow = false;
  frame->SetCloseQuery([&] { return allow; });
  EXPECT_FALSE(frame->close());
  EXPECT_TRUE(frame->isVisible());
  allow = true;
  EXPECT_TRUE(frame->close());
}
