#include <gtest/gtest.h>

#include "ViewFixture.h"
#include "view/Accelerators.h"

using zorva::test::ViewFixture;

TEST(ViewCoords, ConversionsTruncateTowardsZero) {
  struct Case {
    int32_t x, sx;
    Zoom zoom;
    int32_t picture;
  } cases[] = {
      {3, 0, kZoom50, 6}, {3, 0, kZoom200, 1}, {-3, 0, kZoom200, -1},
      {5, 10, kZoom100, 15}, {7, 20, kZoom200, 13},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CViewCoords::WindowToPicture(c.x, 0, c.sx, 0, c.zoom).x, c.picture) << c.x;
  }
  EXPECT_EQ(CViewCoords::PictureToWindow(7, 9, 2, 3, kZoom200), CPoint(12, 15));
  EXPECT_EQ(CViewCoords::PictureRectToWindow(CRect(10, 10, 20, 20), 0, 0, kZoom50, 5),
            CRect(0, 0, 15, 15));
}

TEST(ViewCoords, ScrollSizesAndCentring) {
  ViewFixture f({1000, 800}, {501, 400});
  f.view->SetZoomKeepCentre(kZoom200);
  EXPECT_EQ(f.host.total, (CSize{2000, 1600}));
  EXPECT_EQ(f.host.page.cx, 480);  // 2 * (501 / 2) - 20
  EXPECT_EQ(f.host.line, (CSize{20, 20}));
  EXPECT_EQ(f.frame.zoomIndex, 0);
  // The window's middle (250, 200) at 1:1 is centred at 2:1.
  EXPECT_EQ(f.host.scroll, CPoint(250, 200));
  EXPECT_EQ(f.frame.hRuler.m_nOffset, 250);
  EXPECT_EQ(f.frame.hRuler.m_nLength, 2000);

  // A picture that fits stays at the origin.
  ViewFixture small({100, 100}, {800, 600});
  small.view->SetZoomKeepCentre(kZoom200);
  EXPECT_EQ(small.host.scroll, CPoint(0, 0));

  // Rulers scrolled while hidden show the right place when they come back.
  f.view->OnCommand(ID_VIEW_RULER);
  f.view->ScrollBy(-120, -80);
  f.view->OnCommand(ID_VIEW_RULER);
  EXPECT_EQ(f.host.scroll, CPoint(130, 120));
  EXPECT_EQ(CPoint(f.frame.hRuler.m_nOffset, f.frame.vRuler.m_nOffset), f.host.scroll);
}

TEST(ViewCoords, ZoomToolStepsAndCentres) {
  ViewFixture f({2000, 2000}, {400, 400});
  struct Step {
    bool alt;
    Zoom zoom;
  } steps[] = {{false, kZoom200}, {false, kZoom200}, {true, kZoom100},
               {true, kZoom50},    {true, kZoom50},    {false, kZoom100}};
  for (const Step& s : steps) {
    f.view->ZoomToolStep(CPoint(1000, 1000), s.alt);
    EXPECT_EQ(f.view->m_coords.m_zoom, s.zoom);
    // The clicked point is at the window's middle.
    EXPECT_EQ(f.view->m_coords.ToWindow(CPoint(1000, 1000)), CPoint(200, 200));
  }
}

TEST(ViewCommands, StatesAndDisabledCommandsAreIgnored) {
  ViewFixture f;
  CCmdState state;
  ASSERT_TRUE(f.view->OnUpdateCommand(ID_EDIT_PASTE, state));
  EXPECT_FALSE(state.enabled);
  ASSERT_TRUE(f.view->OnUpdateCommand(ID_VIEW_ZOOM100, state));
  EXPECT_TRUE(state.checked);
  EXPECT_FALSE(f.view->OnUpdateCommand(ID_FILE_OPEN, state));
  EXPECT_TRUE(f.view->OnCommand(ID_IMAGE_LIGHT));
  EXPECT_EQ(f.view->m_canvas.m_imageMode, ImageMode::Light);
  EXPECT_TRUE(f.view->OnCommand(ID_VIEW_RULER));
  EXPECT_FALSE(f.frame.rulersShown);
  EXPECT_EQ(FindAccelerator('Z', kModCtrl | kModShift), ID_EDIT_REDO);
  EXPECT_EQ(FindAccelerator(VK_BACK, 0), ID_EDIT_CLEAR);
  EXPECT_EQ(FindAccelerator('T', kModCtrl), 0u);
}

TEST(ViewPaint, IncrementalDrawingMatchesAFreshPaint) {
  ViewFixture f;
  CArea* a = f.AddRect(10, 10, 60, 40);
  CArea* b = f.AddPolygon({{100, 100}, {150, 120}, {120, 180}}, true);
  f.view->m_canvas.Invalidate();
  const auto before = f.Pixels();
  // A selection change drawn as a pair equals what a repaint shows.
  f.doc.m_pSelArea = a;
  f.view->m_canvas.DrawSelection(*a, true);
  f.view->m_canvas.DrawSelection(*a, false);
  f.doc.m_pSelArea = b;
  f.view->m_canvas.DrawSelection(*b, true);
  EXPECT_EQ(f.StalePixels(), 0u);
  // An exclusive-or image drawn twice leaves nothing.
  f.doc.m_pSelArea = nullptr;
  f.view->m_canvas.Invalidate();
  f.Pixels();
  f.view->m_canvas.DrawXor(*b);
  f.view->m_canvas.DrawXor(*b);
  EXPECT_EQ(f.Pixels(), before);
}

TEST(Ruler, LabelsFollowTheZoomAndStartAtThePictureOrigin) {
  struct Case {
    Zoom zoom;
    int32_t offset;
    std::vector<int32_t> pos;
    std::vector<std::string> labels;
  } cases[] = {
      {kZoom100, 0, {0, 100, 200}, {"0", "100", "200"}},
      {kZoom200, 0, {0, 100, 200}, {"0", "50", "100"}},
      {kZoom50, 0, {0, 100, 200}, {"0", "200", "400"}},
      {kZoom100, 150, {-50, 50, 150}, {"100", "200", "300"}},
  };
  for (const Case& c : cases) {
    CRuler r(false);
    r.SetLength(1000, c.zoom);
    r.SetOffset(c.offset);
    const CRuler::Layout l = r.GetLayout(250);
    std::vector<int32_t> pos;
    std::vector<std::string> labels;
    for (const auto& m : l.marks) {
      pos.push_back(m.pos);
      labels.push_back(m.label);
    }
    EXPECT_EQ(pos, c.pos);
    EXPECT_EQ(labels, c.labels);
    EXPECT_EQ(l.originMark, c.offset == 0);
  }
  // A short picture: no scale beyond it, and the rest is marked as beyond.
  CRuler r(true);
  r.SetLength(120, kZoom100);
  EXPECT_EQ(r.GetLayout(500).marks.size(), 2u);
  EXPECT_EQ(r.GetLayout(500).beyond, 120);
}
