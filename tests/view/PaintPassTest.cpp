#include <gtest/gtest.h>

#include <thread>

#include "TestSupport.h"
#include "model/ZorvaDoc.h"
#include "platform/DC.h"
#include "view/PaintPass.h"

namespace {

constexpr COLORREF kBackground = RGB(1, 2, 3);
constexpr COLORREF kPicture = RGB(10, 100, 200);

void GivePicture(CZorvaDoc& doc, int w, int h, bool loaded) {
  doc.m_pBitmap = CBitmap::Create32(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) doc.m_pBitmap->Row32(y)[x] = kPicture;
  doc.m_sizePicture = {w, h};
  doc.m_bPictureLoaded = loaded;
}

CArea* AddRect(CZorvaDoc& doc, int l, int t, int r, int b) {
  return &zorva::test::AddArea(doc, AREA_RECT, {{l, t}, {r, b}});
}

}  // namespace

TEST(PaintPass, ShowModeCopiesThePictureAndDrawsAreasOnTop) {
  CZorvaDoc doc;
  GivePicture(doc, 20, 10, true);
  AddRect(doc, 2, 2, 6, 6);
  CDC dc(30, 20, kBackground);
  ASSERT_TRUE(PaintDocument(doc, dc, PaintSettings{}));
  EXPECT_EQ(dc.Pixel(0, 0), kPicture);
  EXPECT_EQ(dc.Pixel(19, 9), kPicture);
  EXPECT_EQ(dc.Pixel(20, 9), kBackground);  // outside the picture: untouched
  EXPECT_EQ(dc.Pixel(2, 2), kAreaColor);
  EXPECT_EQ(dc.Pixel(6, 6), kAreaColor);
  EXPECT_EQ(dc.Pixel(4, 4), kPicture);  // outlines only
}

TEST(PaintPass, LightModeIsACheckerboardOfPictureAndWhite) {
  CZorvaDoc doc;
  GivePicture(doc, 8, 8, true);
  CDC dc(8, 8, kBackground);
  PaintSettings s;
  s.imageMode = ImageMode::Light;
  PaintDocument(doc, dc, s);
  // Row 0 of the pattern is 0x55: x = 0 is a 0 bit (black, so the OR shows the picture).
  EXPECT_EQ(dc.Pixel(0, 0), kPicture);
  EXPECT_EQ(dc.Pixel(1, 0), RGB(255, 255, 255));
  EXPECT_EQ(dc.Pixel(0, 1), RGB(255, 255, 255));
  EXPECT_EQ(dc.Pixel(1, 1), kPicture);
}

TEST(PaintPass, BitmapWithoutLoadedFlag) {
  CZorvaDoc doc;
  GivePicture(doc, 4, 4, false);
  PaintSettings s;
  CDC show(4, 4, kBackground);
  PaintDocument(doc, show, s);
  EXPECT_EQ(show.Pixel(1, 1), kBackground);
  s.imageMode = ImageMode::Light;
  CDC light(4, 4, kBackground);
  PaintDocument(doc, light, s);
  EXPECT_EQ(light.Pixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(light.Pixel(1, 0), RGB(255, 255, 255));
  s.imageMode = ImageMode::Hidden;
  CDC hidden(4, 4, kBackground);
  PaintDocument(doc, hidden, s);
  EXPECT_EQ(hidden.Pixel(3, 3), RGB(255, 255, 255));
}

TEST(PaintPass, SelectedAreaIsDrawnInTheSelectionColourWithOneSetOfHandles) {
  CZorvaDoc doc;
  doc.m_pSelArea = AddRect(doc, 10, 10, 30, 30);
  CDC dc(50, 50, RGB(255, 255, 255));
  PaintDocument(doc, dc, PaintSettings{});
  EXPECT_EQ(dc.Pixel(20, 10), kSelectionColor);
  // The XOR handle mark appears once: white XOR the mark colour.
  EXPECT_EQ(dc.Pixel(9, 9), RGB(255, 255, 255) ^ kMarkColor);
}

TEST(PaintPass, GuidesSpanTheTotalSizeAndCanBeSwitchedOff) {
  CZorvaDoc doc;
  auto* g = new CGuide;
  g->m_bHorizontal = true;
  g->m_nPos = 5;
  doc.m_listGuide.push_back(std::unique_ptr<CGuide>(g));
  PaintSettings s;
  s.totalWidth = 40;
  s.totalHeight = 40;
  CDC dc(40, 40, RGB(255, 255, 255));
  PaintDocument(doc, dc, s);
  EXPECT_EQ(dc.Pixel(0, 5), kGuideColor);
  EXPECT_EQ(dc.Pixel(38, 5), kGuideColor);
  s.showGuides = false;
  CDC off(40, 40, RGB(255, 255, 255));
  PaintDocument(doc, off, s);
  EXPECT_EQ(off.Pixel(10, 5), RGB(255, 255, 255));
}

TEST(PaintPass, SkipsThePassWhileALoaderHoldsThePicture) {
  CZorvaDoc doc;
  GivePicture(doc, 4, 4, true);
  CDC dc(4, 4, kBackground);
  std::unique_lock<std::mutex> held(doc.m_mutexPicture);
  bool painted = true;
  std::thread t([&] { painted = PaintDocument(doc, dc, PaintSettings{}); });
  t.join();
  EXPECT_FALSE(painted);
  EXPECT_EQ(dc.Pixel(0, 0), kBackground);
}

TEST(PaintPass, ZoomScalesPictureAndTotalSize) {
  CZorvaDoc doc;
  GivePicture(doc, 5, 3, true);
  EXPECT_EQ(ScrollTotalSize(doc.m_sizePicture, kZoom200), (CSize{10, 6}));
  EXPECT_EQ(ScrollTotalSize(doc.m_sizePicture, kZoom50), (CSize{2, 1}));
  CDC dc(12, 8, kBackground);
  PaintSettings s;
  s.zoom = kZoom200;
  PaintDocument(doc, dc, s);
  EXPECT_EQ(dc.Pixel(9, 5), kPicture);
  EXPECT_EQ(dc.Pixel(10, 5), kBackground);
}
