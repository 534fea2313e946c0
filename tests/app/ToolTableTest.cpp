// Every tool of the tool table in the real window: its button, choosing it,
// its key, its help topic and its replay name; and a throw-away tool that
// exists only in this file reaching all of them through one descriptor.
#include <QtTest/QTest>
#include <vector>

#include "FrameTestSupport.h"
#include "cli/ReplayScript.h"
#include "ui/Cursors.h"
#include "ui/HelpContext.h"
#include "ui/HelpWindow.h"
#include "ui/ToolBox.h"
#include "view/Tool.h"
#include "view/ToolTable.h"

using zorva::test::FrameFixture;
using zorva::test::RunLoop;

namespace {

const QString kCollection = QStringLiteral(ZORVA_TEST_HELP_COLLECTION);

// Replay's parser: the command a script line "tool <name>" makes, or 0.
unsigned ReplayToolCommand(const std::string& name) {
  zorva::cli::ReplayCommand c;
  bool empty = false;
  std::string reason;
  if (!zorva::cli::ParseReplayLine("tool " + name, c, empty, reason)) return 0;
  return c.op == zorva::cli::ReplayOp::Tool ? c.id : 0;
}

bool SameCursor(const QCursor& a, const QCursor& b) {
  return a.shape() == b.shape() && a.hotSpot() == b.hotSpot() &&
         a.pixmap().toImage() == b.pixmap().toImage();
}

class ToolTableWindow : public FrameFixture {
 protected:
  QWidget* Button(ToolId id) { return frame->ToolBox()->widgetForAction(Action(unsigned(id))); }
  void ChooseArrow() {
    Action(ID_TOOL_ARROW)->trigger();
    ASSERT_EQ(frame->GetCurrentTool(), ID_TOOL_ARROW);
  }
  void PressKey(char digit) {
    frame->View()->setFocus();
    QTest::keyClick(frame->View(), Qt::Key(Qt::Key_0 + (digit - '0')));
  }
};

TEST_F(ToolTableWindow, EveryToolIsReachableFromItsButtonKeyHelpAndReplayName) {
  CHelpWindow help(kCollection);
  RunLoop(50);  // the command states
  int buttons = 0;
  for (const CToolDescriptor& tool : ToolTable()) {
    SCOPED_TRACE(tool.replayName);
    // The state line names every tool, the current one being whatever it is.
    EXPECT_STREQ(zorva::cli::ToolName(tool.id), tool.replayName);
    EXPECT_EQ(ReplayToolCommand(tool.replayName), tool.CanBeChosen() ? unsigned(tool.id) : 0u);
    QAction* action = Action(unsigned(tool.id));
    ASSERT_EQ(action != nullptr, tool.icon != nullptr);
    if (!tool.icon) continue;
    ++buttons;
    QWidget* button = Button(tool.id);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->isEnabled(), tool.CanBeChosen());
    EXPECT_FALSE(action->toolTip().isEmpty());
    EXPECT_FALSE(help.TopicOf(HelpIdOf(button)).isEmpty()) << HelpKeyword(HelpIdOf(button)).toStdString();

    ChooseArrow();
    action->trigger();
    EXPECT_EQ(frame->GetCurrentTool(), tool.CanBeChosen() ? tool.id : ID_TOOL_ARROW);
    RunLoop(40);
    EXPECT_EQ(action->isChecked(), tool.CanBeChosen());
    if (!tool.CanBeChosen()) continue;
    View().OnSetCursor();
    EXPECT_TRUE(SameCursor(frame->View()->cursor(), ViewCursorFor(tool.cursor)));
    if (tool.key) {
      ChooseArrow();
      PressKey(tool.key);
      EXPECT_EQ(frame->GetCurrentTool(), tool.id);
    }
  }
  EXPECT_GE(buttons, 8);
}

// A tool this file alone defines: what its gestures reached it with.
class CSquareTool : public CTool {
 public:
  explicit CSquareTool(CViewCore& view, std::vector<char>* log) : CTool(view), m_log(log) {}
  void Press(unsigned, CPoint) override { m_log->push_back('p'); }
  void Move(unsigned, CPoint) override { m_log->push_back('m'); }
  void Release(unsigned, CPoint) override { m_log->push_back('r'); }
  void Cancel(CPoint) override { m_log->push_back('c'); }
  ViewCursor Cursor(bool alt, const CToolState&) const override {
    return alt ? ViewCursor::Cross : ViewCursor::CrossCentre;
  }

 private:
  std::vector<char>* m_log;
};

std::vector<char> g_squareLog;

std::unique_ptr<CTool> MakeSquareTool(CViewCore& view) { return std::make_unique<CSquareTool>(view, &g_squareLog); }

constexpr ToolId ID_TOOL_SQUARE = ToolId(32899);

// Borrows the rectangle tool's image, texts and help topic.
const CToolDescriptor kSquare = {ID_TOOL_SQUARE, "square", '9', ":/tools/rect.png", ViewCursor::CrossCentre,
                                 unsigned(ID_TOOL_RECT), unsigned(ID_TOOL_RECT), MakeSquareTool};

class ThrowAwayTool : public ToolTableWindow {
 protected:
  void SetUp() override {
    g_squareLog.clear();
    ToolTableWindow::SetUp();
  }
  CToolTableAddition square{kSquare};  // before the window and its view are made
};

TEST_F(ThrowAwayTool, OneDescriptorMakesANewToolWorkEverywhere) {
  RunLoop(50);
  QWidget* button = Button(ID_TOOL_SQUARE);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->isEnabled());
  EXPECT_EQ(HelpIdOf(button), HelpCommandId(ID_TOOL_RECT));
  EXPECT_EQ(Action(ID_TOOL_SQUARE)->statusTip(), Action(ID_TOOL_RECT)->statusTip());

  PressKey('9');
  EXPECT_EQ(frame->GetCurrentTool(), ID_TOOL_SQUARE);
  ChooseArrow();
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(frame->GetCurrentTool(), ID_TOOL_SQUARE);
  EXPECT_EQ(frame->Tools().GetBaseTool(), ID_TOOL_SQUARE);

  // Moves and the release reach a tool while an area is selected, as every
  // creation tool's press selects its new shape.
  doc->m_pSelArea = AddRect(200, 200, 240, 230);
  Drag(CPoint(20, 20), CPoint(80, 60));
  EXPECT_EQ(std::string(g_squareLog.begin(), g_squareLog.end()), "pmmr");
  View().OnSetCursor();
  EXPECT_TRUE(SameCursor(frame->View()->cursor(), ViewCursorFor(ViewCursor::CrossCentre)));

  EXPECT_EQ(ReplayToolCommand("square"), unsigned(ID_TOOL_SQUARE));
  EXPECT_STREQ(zorva::cli::ToolName(ID_TOOL_SQUARE), "square");
}

TEST(ToolTable, AnAdditionLastsAsLongAsItsOwnerAndKeysAndNamesAreUnique) {
  const size_t listed = ToolTable().size();
  {
    CToolTableAddition square(kSquare);
    EXPECT_EQ(FindToolByKey('9'), &ToolTable().back());
    EXPECT_EQ(ToolTable().size(), listed + 1);
  }
  EXPECT_EQ(ToolTable().size(), listed);
  EXPECT_EQ(FindToolByKey('9'), nullptr);
  EXPECT_EQ(FindTool(ID_TOOL_SQUARE), nullptr);
  // Two tools on one key, name or id would make one of them unreachable.
  const auto table = ToolTable();
  for (size_t i = 0; i < table.size(); ++i)
    for (size_t j = i + 1; j < table.size(); ++j) {
      EXPECT_NE(table[i].id, table[j].id);
      EXPECT_NE(std::string(table[i].replayName), table[j].replayName);
      if (table[i].key) EXPECT_NE(table[i].key, table[j].key);
    }
}

}  // namespace
