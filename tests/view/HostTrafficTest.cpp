// What one gesture costs in calls from the editing core into the window:
// a change travels to those who show it, and only what changed is redrawn.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "CountingHost.h"
#include "TestSupport.h"
#include "model/ZorvaDoc.h"
#include "view/ZorvaView.h"

namespace zorva::test {
namespace {

struct CountingView {
  CountingView() {
    doc.m_sizePicture = CSize{400, 300};
    view = std::make_unique<CZorvaView>(doc, host, frame, &panel);
    host.SetView(view.get());
    view->OnSize();
    view->OnUpdate();
    view->m_canvas.OnPaint();
    calls.Clear();
  }
  void Press(int x, int y) {
    host.pointer = CPoint(x, y);
    view->OnLButtonDown(MK_LBUTTON, host.pointer);
  }
  void Move(int x, int y) {
    host.pointer = CPoint(x, y);
    view->OnMouseMove(MK_LBUTTON, host.pointer);
  }
  void Release(int x, int y) {
    host.pointer = CPoint(x, y);
    view->OnLButtonUp(0, host.pointer);
  }

  CallCounts calls;
  CZorvaDoc doc;
  CCountingViewHost host{calls};
  CCountingFrame frame{calls};
  CCountingPanel panel{calls};
  std::unique_ptr<CZorvaView> view;
};

TEST(HostTraffic, RectangleDragTellsTheWindowOnlyWhatChanged) {
  CountingView v;
  v.view->ChooseTool(ID_TOOL_RECT);
  // The pointer comes into the view before it presses: the window asks for
  // the cursor then.
  v.view->OnSetCursor();
  v.calls.Clear();
  v.Press(20, 20);
  v.Move(60, 50);
  v.Move(120, 90);
  v.Release(120, 90);
  ASSERT_EQ(v.doc.m_listArea.size(), 1u);
  RecordProperty("calls", v.calls.Total());
  EXPECT_LE(v.calls.Total(), 15) << v.calls.Describe();
  // The list gains the new top row and marks it; nothing is rebuilt.
  EXPECT_EQ(v.frame.rowsInserted, std::vector<int>{0});
  EXPECT_EQ(v.frame.listSelected, 0);
  EXPECT_EQ(v.calls.Of("AreaListReset") + v.calls.Of("AreaListRowChanged"), 0) << v.calls.Describe();
  // The panel shows the finished rectangle, written whole at most twice.
  EXPECT_LE(v.calls.Of("panel.Show"), 2);
  EXPECT_EQ(v.panel.GetCurSel(IDC_TYPE), AREA_RECT);
  ASSERT_EQ(v.panel.rows.size(), 2u);
  EXPECT_NE(v.panel.rows[0].text, v.panel.rows[1].text);

  // Its undo takes the row out again and nothing else of the list.
  v.calls.Clear();
  v.view->OnCommand(ID_EDIT_UNDO);
  EXPECT_EQ(v.frame.rowsRemoved, std::vector<int>{0});
  EXPECT_EQ(v.calls.Of("AreaListReset"), 0);
  EXPECT_FALSE(v.panel.IsEnabled(IDC_TYPE));
}

TEST(HostTraffic, ClickThatSelectsRepaintsThePanelOnceAndMarksOneRow) {
  CountingView v;
  AddArea(v.doc, AREA_RECT, {{10, 10}, {50, 40}}, true);
  AddArea(v.doc, AREA_RECT, {{100, 10}, {150, 40}}, true);
  AddArea(v.doc, AREA_RECT, {{200, 10}, {250, 40}}, true);
  v.view->OnUpdate();
  v.view->ChooseTool(ID_TOOL_ARROW);
  struct Case {
    CPoint at;
    int panelShows;  // how often the panel is written
    int row;         // the list's marked row afterwards
  };
  // Rows: the top area (the last added) first.
  const Case cases[] = {
      {{100, 20}, 1, 1},  // selects the middle area
      {{100, 20}, 0, 1},  // the same again: nothing to tell
      {{10, 20}, 1, 2},   // the bottom area
      {{300, 200}, 1, -1},  // nothing: the panel shows the default area
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.at.x << "," << c.at.y);
    v.calls.Clear();
    v.Press(c.at.x, c.at.y);
    v.Release(c.at.x, c.at.y);
    EXPECT_EQ(v.calls.Of("panel.Show"), c.panelShows) << v.calls.Describe();
    EXPECT_EQ(v.frame.listSelected, c.row);
    EXPECT_LE(v.calls.Of("AreaListSelect"), 1);
    EXPECT_EQ(v.calls.Of("AreaListReset") + v.calls.Of("AreaListRowChanged") +
                  v.calls.Of("AreaListRowInserted") + v.calls.Of("AreaListRowRemoved"),
              0)
        << v.calls.Describe();
  }
}

}  // namespace
}  // namespace zorva::test
