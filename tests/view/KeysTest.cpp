#include <gtest/gtest.h>

#include "EditTestSupport.h"
#include "view/GuideTool.h"
#include "view/ViewKeys.h"

using namespace zorva::test;

TEST(Keys, TabWalksUpAndShiftTabDownThroughTheAreas) {
  ViewFixture f;
  CArea* bottom = f.AddRect(10, 10, 50, 40);
  CArea* middle = f.AddPolygon({{100, 100}, {150, 120}, {120, 180}}, true);
  CArea* top = f.AddEllipse(200, 10, 260, 70);
  const std::pair<bool, CArea*> steps[] = {{false, bottom}, {false, middle}, {false, top},
                                           {false, nullptr}, {true, top},     {true, middle},
                                           {true, bottom},   {true, nullptr}};
  for (const auto& [shift, expected] : steps) {
    if (f.doc.m_pSelArea == middle) f.doc.m_listSelPoint = {middle->GetHeadPoint()};
    f.view->m_canvas.Invalidate();  // something still waiting to be painted
    f.host.keys[VK_SHIFT] = shift;
    f.view->m_keys->OnKeyDown(VK_TAB, false);
    f.view->m_keys->OnKeyDown(VK_TAB, true);  // auto-repeat: ignored
    EXPECT_EQ(f.doc.m_pSelArea, expected);
    EXPECT_TRUE(f.doc.m_listSelPoint.empty());
    EXPECT_TRUE(ShowsFresh(f));
  }
}

TEST(Keys, DigitsCtrlAndSpaceChooseToolsAndCursors) {
  ViewFixture f;
  struct Step {
    unsigned vk;
    bool down;
    ToolId tool;
    ViewCursor cursor;
  } steps[] = {
      {'1', true, ID_TOOL_RECT, ViewCursor::Arrow}, {'5', true, ID_TOOL_RECT, ViewCursor::Arrow},
      {VK_CONTROL, true, ID_TOOL_ARROW, ViewCursor::Arrow},
      {'2', true, ID_TOOL_ARROW, ViewCursor::Arrow},  // only the chosen tool changes
      {VK_CONTROL, false, ID_TOOL_ELLIPSE, ViewCursor::Cross},
      {VK_SPACE, true, ID_TOOL_HAND, ViewCursor::Hand},
      {VK_CONTROL, true, ID_TOOL_ZOOM, ViewCursor::ZoomIn},
      {VK_CONTROL, false, ID_TOOL_HAND, ViewCursor::Hand},
      {VK_SPACE, false, ID_TOOL_ELLIPSE, ViewCursor::Cross},
  };
  for (const Step& s : steps) {
    f.Key(s.vk, s.down);
    EXPECT_EQ(f.frame.GetCurrentTool(), s.tool) << &s - steps;
    EXPECT_EQ(f.host.cursor, s.cursor) << &s - steps;
    EXPECT_EQ(f.view->m_bHandTool, s.tool == ID_TOOL_HAND) << &s - steps;
  }
  f.host.keys[VK_CONTROL] = true;
  for (ImageMode mode : {ImageMode::Light, ImageMode::Hidden, ImageMode::Show}) {
    f.view->m_keys->OnKeyDown('T', false);
    EXPECT_EQ(f.view->m_canvas.m_imageMode, mode);
  }
}

TEST(Keys, AltMarksACopyingDragAndModifiersPostMoves) {
  // The word is what replay dumps show for the state.
  const std::tuple<GestureKind, int, bool, int> cases[] = {
      {GestureKind::AreaMove, AREA_RECT, true, 0x200},
      {GestureKind::PointDrag, AREA_POLYGON, true, 0x100},
      {GestureKind::PointDrag, AREA_RECT, false, 0x100},
      {GestureKind::PolygonDraw, AREA_POLYGON, false, 2},
      {GestureKind::PolygonInsert, AREA_POLYGON, false, 10}};
  for (const auto& [kind, type, copies, word] : cases) {
    ViewFixture f;
    f.doc.m_pSelArea = type == AREA_RECT ? f.AddRect(10, 10, 60, 60)
                                         : f.AddPolygon({{10, 10}, {60, 10}, {30, 50}}, true);
    f.view->m_toolState.Start(kind);
    f.host.pointer = CPoint(70, 80);
    f.Key(VK_MENU, true);
    EXPECT_EQ(f.view->m_toolState.copy, copies);
    EXPECT_EQ(f.view->m_toolState.Word(), word | (copies ? 0x1000 : 0));
    EXPECT_EQ(f.host.cursor, copies ? ViewCursor::ArrowCopy : ViewCursor::Arrow);
    f.Key(VK_MENU, false);
    EXPECT_FALSE(f.view->m_toolState.copy);
    EXPECT_TRUE(f.view->m_toolState.Is(kind));
    f.Key(VK_SHIFT, true);
    f.Key(VK_SHIFT, false);
    std::vector<unsigned> flags;
    for (const auto& m : f.host.posted) {
      EXPECT_EQ(m.client, CPoint(70, 80));
      flags.push_back(m.flags);
    }
    EXPECT_EQ(flags, (std::vector<unsigned>{0x21, 1, 5, 1}));
  }
}

TEST(Keys, AKeyThatActsEndsARunningGuideDragFirst) {
  for (unsigned vk : {unsigned(VK_TAB), unsigned('1'), unsigned('T')}) {
    ViewFixture f;
    f.AddRect(10, 10, 50, 40);
    CGuide* g = f.AddGuide(false, 100);
    f.view->m_canvas.Invalidate();
    f.Pixels();
    f.doc.m_pSelGuide = g;
    f.view->m_guideTool->m_pWorkGuide = std::make_unique<CGuide>(*g);
    f.view->m_guideTool->m_pWorkGuide->m_nPos = 140;
    f.view->m_canvas.DrawGuide(*f.view->m_guideTool->m_pWorkGuide, R2_XORPEN);
    f.view->m_toolState.Start(GestureKind::GuideDrag);
    f.view->Capture();
    for (unsigned mod : {VK_SHIFT, VK_SPACE, VK_CONTROL, VK_MENU}) f.Key(mod, true);
    EXPECT_TRUE(f.host.captured);  // modifiers change the drag, never end it
    EXPECT_EQ(f.frame.GetCurrentTool(), ID_TOOL_ARROW);
    EXPECT_EQ(f.view->m_toolState.Word(), 0x204 | 0x1000);
    f.Key(vk, true);
    EXPECT_FALSE(f.host.captured);
    EXPECT_EQ(f.view->m_guideTool->m_pWorkGuide, nullptr);
    EXPECT_EQ(f.view->m_toolState.Word(), 0);
    EXPECT_TRUE(ShowsFresh(f));  // the working copy's image is gone
  }
}

TEST(Keys, ATemporaryToolWhoseKeyWasLetGoElsewhereEndsWhenTheViewHasTheKeysAgain) {
  // Ctrl+S on the line tool: Ctrl gives the arrow, the save dialog takes the
  // release. Back in the view the line tool must be there again.
  // Without a window manager the window comes back without a focus event
  // before the first press: the press itself finds the key up and draws.
  for (bool focusFirst : {true, false}) {
    for (unsigned vk : {unsigned(VK_CONTROL), unsigned(VK_SPACE)}) {
      ViewFixture f;
      f.Key('4', true);
      f.Key(vk, true);
      ASSERT_NE(f.frame.GetCurrentTool(), ID_TOOL_LINE);
      f.host.keys[vk] = false;  // let go while a dialog had the keyboard
      if (focusFirst) {
        f.view->m_keys->OnSetFocus();
        EXPECT_EQ(f.frame.GetCurrentTool(), ID_TOOL_LINE) << vk;
        EXPECT_EQ(f.host.cursor, ViewCursor::Cross) << vk;
        EXPECT_FALSE(f.view->m_bHandTool) << vk;
      }
      f.Drag(10, 10, 60, 30);
      ASSERT_EQ(f.doc.m_listArea.size(), 1u) << vk << focusFirst;
      EXPECT_EQ(f.frame.GetCurrentTool(), ID_TOOL_LINE) << vk;
    }
  }
  // Still held: the temporary tool stays.
  ViewFixture f;
  f.Key('4', true);
  f.Key(VK_CONTROL, true);
  f.view->m_keys->OnSetFocus();
  EXPECT_EQ(f.frame.GetCurrentTool(), ID_TOOL_ARROW);
}
