#include <gtest/gtest.h>

#include <climits>

#include "platform/Bitmap.h"
#include "platform/DC.h"
#include "platform/DCPixelArt.h"

using zorva::test::Art;
using zorva::test::PixelArt;

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A bitmap whose pixel (x, y) is the colour 0x00XXYY: every source pixel is
// recognisable in the destination.
std::unique_ptr<CBitmap> Numbered(int32_t w, int32_t h) {
  auto bmp = CBitmap::Create32(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) bmp->Row32(y)[x] = uint32_t(x << 8 | y);
  return bmp;
}
COLORREF Num(int32_t x, int32_t y) { return COLORREF(x << 8 | y); }
}  // namespace

TEST(DCFill, HalftonePatternIsAOnePixelCheckerboard) {
  CDC dc(10, 9);
  dc.FillRect(CRect(0, 0, 10, 9), CBrush::Halftone());
  EXPECT_EQ(PixelArt(dc), Art("#.#.#.#.#.", ".#.#.#.#.#", "#.#.#.#.#.", ".#.#.#.#.#", "#.#.#.#.#.",
                              ".#.#.#.#.#", "#.#.#.#.#.", ".#.#.#.#.#", "#.#.#.#.#."));
  // 0 bits take the text colour, 1 bits the background colour; the pattern
  // is anchored to the buffer, not to the logical origin.
  CDC dc2(4, 2);
  dc2.SetTextColor(RGB(1, 1, 1));
  dc2.SetBkColor(RGB(2, 2, 2));
  dc2.SetViewportOrg(1, 0);
  dc2.FillRect(CRect(-1, 0, 3, 2), CBrush::Pattern({0x0F, 0xC0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(PixelArt(dc2, {{RGB(1, 1, 1), 't'}, {RGB(2, 2, 2), 'b'}}), Art("tttt", "bbtt"));
}

TEST(DCFill, PatBltOperationsAndExtents) {
  CDC dc(6, 2);
  dc.SelectBrush(CBrush::Halftone());
  EXPECT_TRUE(dc.PatBlt(4, 2, -4, -2, PATCOPY));  // negative extents reach left and up
  EXPECT_EQ(PixelArt(dc), Art("#.#...", ".#.#.."));
  EXPECT_TRUE(dc.PatBlt(0, 0, 6, 2, PATINVERT));
  EXPECT_EQ(PixelArt(dc), Art("####.#", "#####."));
  EXPECT_TRUE(dc.PatBlt(0, 0, 6, 2, PATINVERT));
  EXPECT_EQ(PixelArt(dc), Art("#.#...", ".#.#.."));
  EXPECT_TRUE(dc.PatBlt(1, 0, 2, 1, BLACKNESS));
  EXPECT_TRUE(dc.PatBlt(2, 0, 3, 2, DSTINVERT));
  EXPECT_EQ(PixelArt(dc), Art("##.##.", ".##.#."));
  EXPECT_TRUE(dc.PatBlt(0, 0, 6, 2, WHITENESS));
  EXPECT_EQ(PixelArt(dc), Art("......", "......"));
  EXPECT_FALSE(dc.PatBlt(0, 0, 6, 2, SRCCOPY));
  dc.SelectBrush(CBrush::Null());
  EXPECT_TRUE(dc.PatBlt(0, 0, 6, 2, PATCOPY));
  EXPECT_EQ(PixelArt(dc), Art("......", "......"));
}

TEST(DCClip, OriginAndClipRectangleLimitEveryOperation) {
  CDC dc(6, 5);
  dc.SetViewportOrg(-2, 1);  // logical (2, -1) is device (0, 0)
  dc.SetClipRect(CRect(1, 1, 5, 4));
  EXPECT_EQ(dc.GetClipBox(), CRect(3, 0, 7, 3));
  dc.FillSolidRect(CRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), 0);
  EXPECT_EQ(PixelArt(dc), Art("......", ".####.", ".####.", ".####.", "......"));
  EXPECT_EQ(dc.GetPixel(3, 0), 0u);
  EXPECT_EQ(dc.GetPixel(2, 0), CLR_INVALID);  // outside the clip
  dc.SetPixel(2, 1, 0);
  EXPECT_EQ(dc.Pixel(0, 2), kWhite);
  dc.ResetClip();
  dc.SetPixel(2, 1, 0);
  EXPECT_EQ(dc.Pixel(0, 2), 0u);
  EXPECT_EQ(dc.Pixel(-1, 0), CLR_INVALID);
  EXPECT_EQ(dc.Pixel(6, 0), CLR_INVALID);
  // A clip rectangle outside the buffer, or upside down, clips everything.
  for (CRect clip : {CRect(-10, -10, -1, -1), CRect(4, 4, 1, 1)}) {
    CDC d(3, 3);
    d.SetClipRect(clip);
    d.FillSolidRect(CRect(0, 0, 3, 3), 0);
    d.MoveTo(0, 0);
    d.LineTo(3, 3);
    EXPECT_EQ(PixelArt(d), Art("...", "...", "..."));
  }
}

TEST(DCStretch, DoubleRepeatsAndHalfDropsPixels) {
  auto src = Numbered(4, 4);
  CDC big(8, 8, 0);
  ASSERT_TRUE(big.StretchBlt(0, 0, 8, 8, *src, 0, 0, 4, 4, SRCCOPY));
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 8; ++x) ASSERT_EQ(big.Pixel(x, y), Num(x / 2, y / 2)) << x << "," << y;

  // Halving keeps the even rows and columns unchanged: no blending.
  CDC small(3, 3, kWhite);
  ASSERT_TRUE(small.StretchBlt(0, 0, 2, 2, *src, 0, 0, 4, 4, SRCCOPY));
  EXPECT_EQ(small.Pixel(0, 0), Num(0, 0));
  EXPECT_EQ(small.Pixel(1, 0), Num(2, 0));
  EXPECT_EQ(small.Pixel(0, 1), Num(0, 2));
  EXPECT_EQ(small.Pixel(1, 1), Num(2, 2));
  EXPECT_EQ(small.Pixel(2, 2), kWhite);

  // An odd-sized picture at half size, as the view draws it: 5 -> 2 columns.
  auto odd = Numbered(5, 3);
  CDC half(2, 1, kWhite);
  ASSERT_TRUE(half.StretchBlt(0, 0, 5 / 2, 1, *odd, 0, 0, 5, 3, SRCCOPY));
  EXPECT_EQ(half.Pixel(0, 0), Num(0, 0));
  EXPECT_EQ(half.Pixel(1, 0), Num(2, 0));
}

// The faded picture: the checkerboard, then the picture ORed over it shows
// the picture on the black cells and white on the others.
TEST(DCStretch, OrOverHalftoneFadesThePicture) {
  auto src = Numbered(4, 2);
  CDC dc(4, 2, RGB(9, 9, 9));
  dc.SelectBrush(CBrush::Halftone());
  ASSERT_TRUE(dc.PatBlt(0, 0, 4, 2, PATCOPY));
  ASSERT_TRUE(dc.StretchBlt(0, 0, 4, 2, *src, 0, 0, 4, 2, SRCPAINT));
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 4; ++x)
      EXPECT_EQ(dc.Pixel(x, y), (x + y) % 2 == 0 ? Num(x, y) : kWhite) << x << "," << y;
}

TEST(DCStretch, PaletteBitmapsClippingAndRefusals) {
  auto bmp = CBitmap::Create8(3, 1);
  bmp->Palette()[0] = RGB(255, 0, 0);
  bmp->Palette()[7] = 0xFF00FF00;  // stray high byte: only the colour counts
  bmp->Row(0)[0] = 7;
  bmp->Row(0)[1] = 0;
  bmp->Row(0)[2] = 7;
  CDC dc(5, 2, kWhite);
  dc.SetViewportOrg(-1, 0);
  ASSERT_TRUE(dc.StretchBlt(0, 0, 6, 1, *bmp, 0, 0, 3, 1, SRCCOPY));
  EXPECT_EQ(PixelArt(dc, {{RGB(255, 0, 0), 'r'}, {RGB(0, 255, 0), 'g'}}), Art("grrgg", "....."));

  // Source pixels beyond the bitmap leave the destination alone.
  auto src = Numbered(2, 2);
  CDC d(4, 1, kWhite);
  ASSERT_TRUE(d.StretchBlt(0, 0, 4, 1, *src, -1, 0, 4, 1, SRCCOPY));
  EXPECT_EQ(d.Pixel(0, 0), kWhite);
  EXPECT_EQ(d.Pixel(1, 0), Num(0, 0));
  EXPECT_EQ(d.Pixel(2, 0), Num(1, 0));
  EXPECT_EQ(d.Pixel(3, 0), kWhite);
  EXPECT_FALSE(d.StretchBlt(0, 0, 0, 1, *src, 0, 0, 2, 2, SRCCOPY));
  EXPECT_FALSE(d.StretchBlt(0, 0, 4, 1, *src, 0, 0, -2, 2, SRCCOPY));
  EXPECT_FALSE(d.StretchBlt(0, 0, 4, 1, *src, 0, 0, 2, 2, PATCOPY));
  // Extreme placements and scales stay inside the buffer.
  EXPECT_TRUE(d.StretchBlt(INT_MIN, INT_MIN, INT_MAX, INT_MAX, *src, 0, 0, 2, 2, SRCCOPY));
  EXPECT_TRUE(d.StretchBlt(-3, 0, INT_MAX, INT_MAX, *src, INT_MAX, 0, INT_MAX, 1, SRCINVERT));
  EXPECT_TRUE(d.StretchBlt(0, 0, 4, 1, *src, INT_MIN, INT_MIN, 1, 1, SRCAND));
}
