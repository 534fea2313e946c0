// The trace tool in the editing view: a press, a drag that moves the
// tolerance by one a window pixel at every zoom and picture display, the
// release that adds one polygon as one undo step, and the ways back out.
#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "platform/StringTable.h"

using namespace zorva::test;

namespace {

// A grey block (50..150 x 50..120) with a band 40 lighter to its right
// (150..200) on white: a tolerance of 40 or more takes the band in too.
class TraceView : public ViewFixture {
 public:
  TraceView() : ViewFixture({400, 300}) {
    doc.m_pBitmap = CBitmap::Create32(400, 300);
    for (int y = 0; y < 300; ++y)
      for (int x = 0; x < 400; ++x) {
        COLORREF c = RGB(255, 255, 255);
        if (y >= 50 && y < 120 && x >= 50 && x < 150) c = RGB(100, 100, 100);
        if (y >= 50 && y < 120 && x >= 150 && x < 200) c = RGB(140, 140, 140);
        doc.m_pBitmap->Row32(y)[x] = c;
      }
    doc.m_bPictureLoaded = true;
    view->m_canvas.Invalidate();
    view->m_canvas.OnPaint();
    Tool(ID_TOOL_TRACE);
  }
  std::string Message() { return frame.panes[0]; }
};

}  // namespace

TEST(TraceTool, DragMovesTheToleranceByWindowPixelsAtEveryZoomAndDisplay) {
  struct Case {
    Zoom zoom;
    ImageMode mode;
    int windowDx;  // the drag to the right, in window pixels
    int right;     // the polygon's right edge
  };
  const Case cases[] = {
      {kZoom100, ImageMode::Show, 0, 150},   {kZoom100, ImageMode::Show, 7, 150},
      {kZoom100, ImageMode::Show, 8, 200},   {kZoom200, ImageMode::Light, 7, 150},
      {kZoom200, ImageMode::Light, 8, 200},  {kZoom50, ImageMode::Hidden, 6, 150},
      {kZoom50, ImageMode::Hidden, 8, 200},    {kZoom100, ImageMode::Show, -40, 150},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.zoom.num << "/" << c.zoom.den << " dx " << c.windowDx);
    TraceView t;
    t.view->SetZoomKeepCentre(c.zoom);
    t.view->m_canvas.m_imageMode = c.mode;
    CArea* before = t.AddRect(300, 200, 320, 220);
    t.doc.m_pSelArea = before;
    const CPoint press = t.Client(60, 60);
    t.host.pointer = press;
    t.view->OnLButtonDown(MK_LBUTTON, press);
    const CPoint to(press.x + c.windowDx, press.y + 3);
    t.host.pointer = to;
    t.view->OnMouseMove(MK_LBUTTON, to);
    // The pointer lands on a picture pixel: at 200 % an odd distance rounds down.
    const int shown = t.Client(t.view->m_coords.ToPicture(to).x, 0).x - press.x;
    EXPECT_LE(std::abs(shown - c.windowDx), 1);
    const int tolerance = std::clamp(32 + shown, 0, 255);
    EXPECT_NE(t.Message().find(std::to_string(tolerance)), std::string::npos) << t.Message();
    t.view->OnLButtonUp(0, to);

    ASSERT_EQ(t.doc.m_listArea.size(), 2u);
    const CArea* traced = t.doc.m_listArea.back();
    EXPECT_EQ(t.doc.m_pSelArea, traced);
    EXPECT_EQ(traced->m_nType, AREA_POLYGON);
    EXPECT_TRUE(traced->m_bClosed);
    EXPECT_EQ(traced->m_rcBound, CRect(50, 50, c.right, 120));
    EXPECT_EQ(size_t(t.panel.GetRowCount(IDC_POINTS)), traced->m_listPoint.size());
    EXPECT_EQ(t.StalePixels(), 0u);
    // One undo step takes it away and selects what the press deselected.
    EXPECT_TRUE(t.view->OnCommand(ID_EDIT_UNDO));
    EXPECT_EQ(t.doc.m_listArea.size(), 1u);
    EXPECT_EQ(t.doc.m_pSelArea, before);
    EXPECT_FALSE(t.doc.CanUndo());
  }
}

// A right press or Escape while the button is held adds nothing and leaves
// no outline behind; a press outside the picture or with none says so.
TEST(TraceTool, CancelsAndRefusals) {
  for (int way = 0; way < 2; ++way) {
    TraceView t;
    t.Press(60, 60);
    t.Move(80, 60);
    if (way == 0) t.RightPress(80, 60);
    else t.Key(VK_ESCAPE, true);
    t.Release(80, 60);
    EXPECT_TRUE(t.doc.m_listArea.empty()) << way;
    EXPECT_EQ(t.doc.m_pSelArea, nullptr);
    EXPECT_FALSE(t.doc.CanUndo());
    EXPECT_FALSE(t.host.HasCapture());
    EXPECT_EQ(t.StalePixels(), 0u);
  }
  {
    TraceView t;
    t.Press(399, 10);  // the last column is the picture's
    t.Release(399, 10);
    EXPECT_EQ(t.doc.m_listArea.size(), 1u);
    t.Press(400, 10);
    t.Release(400, 10);
    EXPECT_EQ(t.doc.m_listArea.size(), 1u);
    EXPECT_EQ(t.Message(), zorva::LoadStringUtf8(65091));
  }
  {
    TraceView t;
    t.doc.m_bPictureLoaded = false;  // a load under way or failed
    t.Press(60, 60);
    t.Release(60, 60);
    EXPECT_TRUE(t.doc.m_listArea.empty());
    EXPECT_EQ(t.Message(), zorva::LoadStringUtf8(65092));
  }
}

// Ctrl held gives the arrow for the press, as with every tool; the trace
// tool comes back with the key.
TEST(TraceTool, TemporaryArrowWhileCtrlIsHeld) {
  TraceView t;
  t.Key(VK_CONTROL, true);
  EXPECT_EQ(t.frame.GetCurrentTool(), ID_TOOL_ARROW);
  t.Press(60, 60);
  t.Release(60, 60);
  EXPECT_TRUE(t.doc.m_listArea.empty());
  t.Key(VK_CONTROL, false);
  EXPECT_EQ(t.frame.GetCurrentTool(), ID_TOOL_TRACE);
  t.Press(60, 60);
  t.Release(60, 60);
  EXPECT_EQ(t.doc.m_listArea.size(), 1u);
}
