#include <gtest/gtest.h>

#include "model/Area.h"
#include "model/Guide.h"
#include "platform/DC.h"
#include "platform/DCPixelArt.h"

using zorva::test::Art;
using zorva::test::PixelArt;

namespace {
const std::map<COLORREF, char> kGreen = {{kGuideColor, 'g'}};

CGuide Make(bool horizontal, int32_t pos) {
  CGuide g;
  g.m_bHorizontal = horizontal;
  g.m_nPos = pos;
  return g;
}
}  // namespace

TEST(GuideDraw, SpansTheScrollAreaAtTheZoomedPosition) {
  CDC dc(10, 6);
  Make(true, 3).Draw(0, 0, kZoom100, dc, R2_COPYPEN, 8, 6);
  Make(true, 3).Draw(0, 2, kZoom200, dc, R2_COPYPEN, 4, 6);  // y = 6 - 2
  Make(false, 5).Draw(0, 0, kZoom50, dc, R2_COPYPEN, 10, 2);  // x = 2
  EXPECT_EQ(PixelArt(dc, kGreen),
            Art("..g.......", "..g.......", "..........", "gggggggg..", "gggg......", ".........."));
}

TEST(GuideDraw, ExclusiveOrTwiceRestoresAndStateIsKept) {
  CDC dc(6, 6);
  dc.FillRect(CRect(0, 0, 6, 6), CBrush::Halftone());
  CDC before = dc;
  CGuide v = Make(false, 4);
  v.Draw(2, 0, kZoom100, dc, R2_XORPEN, 6, 6);
  EXPECT_NE(PixelArt(dc), PixelArt(before));
  EXPECT_EQ(dc.Pixel(2, 0), 0u ^ kGuideColor);
  v.Draw(2, 0, kZoom100, dc, R2_XORPEN, 6, 6);
  EXPECT_EQ(PixelArt(dc), PixelArt(before));
  EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
  EXPECT_EQ(dc.GetPen(), CPen::Solid(0));
  // A zoom without a denominator draws nothing.
  v.Draw(0, 0, Zoom{1, 0}, dc, R2_COPYPEN, 6, 6);
  EXPECT_EQ(PixelArt(dc), PixelArt(before));
}
