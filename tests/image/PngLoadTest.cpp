// PNG pictures through the loader thread: every colour type and depth comes
// out as the 32-bit picture the editor shows.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "ImageTestSupport.h"

using namespace zorva::test;

namespace {

// Blended once in the stored levels, as browsers show a page: alpha 128
// over white is half way, not the paler linear-light mix.
int Composite(int fg, int alpha, int bg) { return (fg * alpha + bg * (255 - alpha) + 127) / 255; }

// Pixels equal, channel by channel within `tolerance` levels.
::testing::AssertionResult Near(const std::vector<uint32_t>& got, const std::vector<uint32_t>& want, int tolerance) {
  if (got.size() != want.size()) return ::testing::AssertionFailure() << "sizes " << got.size() << " and " << want.size();
  for (size_t i = 0; i < got.size(); ++i)
    for (int shift : {0, 8, 16}) {
      int a = int(got[i] >> shift & 0xFF), b = int(want[i] >> shift & 0xFF);
      if (std::abs(a - b) > tolerance)
        return ::testing::AssertionFailure() << "pixel " << i << ": " << std::hex << got[i] << " instead of " << want[i];
    }
  return ::testing::AssertionSuccess();
}

uint32_t Rgb(int r, int g, int b) { return RGB(uint8_t(r), uint8_t(g), uint8_t(b)); }

struct Loaded {
  bool ended = false;
  std::vector<uint32_t> pixels;
  int width = 0, height = 0;
  std::vector<unsigned> failures;  // string numbers posted, 0 for a library message
};

Loaded LoadPng(const PngRecipe& recipe) {
  TempDir dir;
  std::string path = dir.File("p.png");
  WritePng(path, recipe);
  LoadFixture f;
  Loaded r;
  r.ended = f.Load(path, PictureFormat::Png);
  if (f.doc.m_pBitmap) {
    r.pixels = BitmapPixels(*f.doc.m_pBitmap);
    r.width = f.doc.m_sizePicture.cx;
    r.height = f.doc.m_sizePicture.cy;
  }
  for (const auto& p : f.host.PostedCopy())
    if (p.wParam == 0) r.failures.push_back(unsigned(p.lParam));
  for (unsigned id : f.host.MessageIds()) r.failures.push_back(id);
  return r;
}

std::vector<uint32_t> Grey(const std::vector<int>& levels) {
  std::vector<uint32_t> out;
  for (int v : levels) out.push_back(uint32_t(v) * 0x010101u);
  return out;
}

}  // namespace

TEST(PngLoad, GreyOfEveryDepthBecomesEightBitGrey) {
  for (int depth : {1, 2, 4, 8, 16}) {
    for (bool interlaced : {false, true}) {
      PngRecipe s;
      s.width = 13;
      s.height = 9;
      s.colourType = PNG_COLOR_TYPE_GRAY;
      s.bitDepth = depth;
      s.interlaced = interlaced;
      const int maxValue = (1 << depth) - 1;
      std::vector<int> expected;
      for (int i = 0; i < s.width * s.height; ++i) {
        int v = (i * 7919) % (maxValue + 1);
        s.samples.push_back(uint16_t(v));
        expected.push_back(depth == 16 ? v >> 8 : v * 255 / maxValue);
      }
      Loaded r = LoadPng(s);
      ASSERT_TRUE(r.ended);
      EXPECT_TRUE(r.failures.empty());
      EXPECT_EQ(r.width, 13);
      EXPECT_EQ(r.height, 9);
      EXPECT_EQ(r.pixels, Grey(expected)) << "depth " << depth << " interlaced " << interlaced;
    }
  }
}

TEST(PngLoad, ColourPalettesAndSixteenBitSamples) {
  PngRecipe rgb;
  rgb.width = 17;
  rgb.height = 11;
  rgb.interlaced = true;
  std::vector<uint32_t> expected;
  for (int i = 0; i < rgb.width * rgb.height; ++i) {
    uint8_t r = uint8_t(i * 3), g = uint8_t(i * 5 + 1), b = uint8_t(255 - i);
    rgb.samples.insert(rgb.samples.end(), {r, g, b});
    expected.push_back(RGB(r, g, b));
  }
  EXPECT_EQ(LoadPng(rgb).pixels, expected);

  PngRecipe rgb16 = rgb;
  rgb16.bitDepth = 16;
  rgb16.interlaced = false;
  for (uint16_t& v : rgb16.samples) v = uint16_t(v * 256 + (v * 37) % 256);  // the low byte is dropped
  EXPECT_EQ(LoadPng(rgb16).pixels, expected);

  PngRecipe pal;
  pal.width = 9;
  pal.height = 5;
  pal.colourType = PNG_COLOR_TYPE_PALETTE;
  pal.bitDepth = 2;
  pal.palette = {RGB(10, 20, 30), RGB(200, 0, 0), RGB(0, 200, 0), RGB(1, 2, 250)};
  expected.clear();
  for (int i = 0; i < 45; ++i) {
    pal.samples.push_back(uint16_t(i % 4));
    expected.push_back(pal.palette[i % 4]);
  }
  EXPECT_EQ(LoadPng(pal).pixels, expected);
}

TEST(PngLoad, TransparencyIsBlendedOnceOverTheCanvasWhateverTheFilesBackground) {
  PngRecipe rgba;
  rgba.width = 16;
  rgba.height = 16;
  rgba.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
  for (int i = 0; i < 256; ++i) rgba.samples.insert(rgba.samples.end(), {uint16_t(i), 40, uint16_t(255 - i), uint16_t(i)});
  auto expect = [&](uint32_t bg) {
    std::vector<uint32_t> e;
    for (int i = 0; i < 256; ++i)
      e.push_back(Rgb(Composite(i, i, int(bg >> 16 & 0xFF)), Composite(40, i, int(bg >> 8 & 0xFF)),
                      Composite(255 - i, i, int(bg & 0xFF))));
    return e;
  };
  Loaded plain = LoadPng(rgba);
  EXPECT_EQ(plain.pixels.front(), RGB(255, 255, 255));  // alpha 0: the canvas itself
  EXPECT_EQ(plain.pixels.back(), RGB(255, 40, 0));      // alpha 255: the pixel itself
  EXPECT_EQ(plain.pixels[128], RGB(191, 147, 191));      // half: half way to white
  EXPECT_TRUE(Near(plain.pixels, expect(RGB(255, 255, 255)), 0));
  // A file's own background is not what a browser shows behind it.
  PngRecipe withBkgd = rgba;
  withBkgd.bkgdRgb = RGB(0, 128, 255);
  EXPECT_EQ(LoadPng(withBkgd).pixels, plain.pixels);
  // Interlaced rows are blended once, after their last pass.
  PngRecipe interlaced = rgba;
  interlaced.interlaced = true;
  EXPECT_EQ(LoadPng(interlaced).pixels, plain.pixels);

  // Grey with alpha, 8-bit.
  PngRecipe ga;
  ga.width = 8;
  ga.height = 4;
  ga.colourType = PNG_COLOR_TYPE_GRAY_ALPHA;
  std::vector<int> greyExpected;
  for (int i = 0; i < 32; ++i) {
    int g = i * 8, a = 255 - i * 8;
    ga.samples.insert(ga.samples.end(), {uint16_t(g), uint16_t(a)});
    greyExpected.push_back(Composite(g, a, 255));
  }
  EXPECT_TRUE(Near(LoadPng(ga).pixels, Grey(greyExpected), 0));

  // 16-bit RGBA, fully opaque or fully clear pixels, no bKGD: white behind.
  PngRecipe rgba16;
  rgba16.width = 4;
  rgba16.height = 2;
  rgba16.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
  rgba16.bitDepth = 16;
  std::vector<uint32_t> e16;
  for (int i = 0; i < 8; ++i) {
    bool clear = i % 2;
    rgba16.samples.insert(rgba16.samples.end(), {uint16_t(i * 4000), 0x1234, 0xFEDC, uint16_t(clear ? 0 : 65535)});
    e16.push_back(clear ? RGB(255, 255, 255) : RGB(uint8_t(i * 4000 >> 8), 0x12, 0xFE));
  }
  EXPECT_EQ(LoadPng(rgba16).pixels, e16);

  // A palette with tRNS and a bKGD naming a palette entry.
  PngRecipe pal;
  pal.width = 4;
  pal.height = 1;
  pal.colourType = PNG_COLOR_TYPE_PALETTE;
  pal.palette = {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 255, 0)};
  pal.paletteAlpha = {0, 255, 128};
  pal.samples = {0, 1, 2, 0};
  pal.bkgdRgb = 2;  // green, not used
  EXPECT_TRUE(Near(LoadPng(pal).pixels,
                   {RGB(255, 255, 255), RGB(0, 0, 255), Rgb(Composite(0, 128, 255), 255, Composite(0, 128, 255)),
                    RGB(255, 255, 255)},
                   0));
}

TEST(PngLoad, FileGammaIsCorrectedForTheScreenUnlessTheFileIsSrgb) {
  PngRecipe s;
  s.width = 256;
  s.height = 1;
  s.colourType = PNG_COLOR_TYPE_GRAY;
  for (int i = 0; i < 256; ++i) s.samples.push_back(uint16_t(i));
  std::vector<int> identity(256), corrected(256);
  for (int i = 0; i < 256; ++i) {
    identity[i] = i;
    // File gamma 1.0 shown on a 2.2 screen: exponent 1 / 2.2 (libpng's 0.45455).
    corrected[i] = (i == 0 || i == 255) ? i : int(std::floor(255 * std::pow(i / 255.0, 0.45455) + 0.5));
  }
  EXPECT_EQ(LoadPng(s).pixels, Grey(identity));  // no gAMA: taken as 0.45455, nothing to correct
  s.gamma = 1.0;
  EXPECT_EQ(LoadPng(s).pixels, Grey(corrected));
  // The same file with an sRGB chunk in front of its gAMA 1.0: not corrected.
  TempDir dir;
  std::string path = dir.File("s.png");
  WritePng(path, s);
  std::string bytes = ReadFileBytes(path);
  std::string chunk = std::string("\0\0\0\1sRGB\0", 9);
  uLong crc = crc32(0, reinterpret_cast<const Bytef*>(chunk.data() + 4), 5);
  for (int shift : {24, 16, 8, 0}) chunk += char(crc >> shift & 0xFF);
  bytes.insert(8 + 25, chunk);  // after the signature and IHDR
  WriteFileBytes(path, bytes);
  LoadFixture f;
  ASSERT_TRUE(f.Load(path, PictureFormat::Png));
  ASSERT_TRUE(f.doc.m_pBitmap);
  EXPECT_EQ(BitmapPixels(*f.doc.m_pBitmap), Grey(identity));
}

// --- files from PngSuite ---

namespace {
std::string SuiteDir() { return std::string(ZORVA_TEST_DATA_DIR) + "/images/png/"; }

// The pixels of a PngSuite JSON reference: a flat [r, g, b, a, ...] array.
std::vector<int> JsonNumbers(const std::string& path) {
  std::string text = ReadFileBytes(path);
  std::vector<int> out;
  int v = -1;
  for (char c : text) {
    if (c >= '0' && c <= '9') v = (v < 0 ? 0 : v * 10) + (c - '0');
    else if (v >= 0) {
      out.push_back(v);
      v = -1;
    }
  }
  return out;
}
}  // namespace

TEST(PngLoad, PngSuiteFilesMatchTheirReferencePixels) {
  // All have gAMA 1.0, so the reference is corrected like the screen gamma
  // above; none is transparent.
  for (const char* name : {"basn0g02", "basi0g04", "basn2c08", "basi3p08", "basn3p04", "basi2c16"}) {
    LoadFixture f;
    ASSERT_TRUE(f.Load(SuiteDir() + name + ".png", PictureFormat::Png)) << name;
    ASSERT_TRUE(f.doc.m_pBitmap) << name;
    std::vector<int> ref = JsonNumbers(SuiteDir() + name + ".json");
    bool sixteen = std::string(name).find("16") != std::string::npos;
    std::vector<uint32_t> expected;
    auto gamma = [&](int v) {
      if (sixteen) v >>= 8;
      return uint8_t((v == 0 || v == 255) ? v : int(std::floor(255 * std::pow(v / 255.0, 0.45455) + 0.5)));
    };
    for (size_t i = 0; i + 3 < ref.size(); i += 4) expected.push_back(RGB(gamma(ref[i]), gamma(ref[i + 1]), gamma(ref[i + 2])));
    std::vector<uint32_t> got = BitmapPixels(*f.doc.m_pBitmap);
    ASSERT_EQ(got.size(), expected.size()) << name;
    int worst = 0;
    for (size_t i = 0; i < got.size(); ++i)
      for (int shift : {0, 8, 16})
        worst = std::max(worst, std::abs(int(got[i] >> shift & 0xFF) - int(expected[i] >> shift & 0xFF)));
    // 16-bit files are corrected before their low byte is dropped, which may
    // round one level differently.
    EXPECT_LE(worst, sixteen ? 1 : 0) << name;
  }
}

TEST(PngLoad, CorruptFilesShowTheLibrarysMessageAndKeepThePreviousPicture) {
  LoadFixture f;
  ASSERT_TRUE(f.Load(SuiteDir() + "basn2c08.png", PictureFormat::Png));
  const CBitmap* before = f.doc.m_pBitmap.get();
  ASSERT_TRUE(before);
  for (const char* name : {"xcrn0g04.png", "xhdn0g08.png", "truncated-in-idat.png"}) {
    ASSERT_TRUE(f.Load(SuiteDir() + name, PictureFormat::Png)) << name;
    auto shown = f.host.Messages();
    ASSERT_FALSE(shown.empty()) << name;
    EXPECT_EQ(shown.back().id, 65018u);
    EXPECT_EQ(shown.back().text.rfind(std::string("PNGファイル「") + name + "」を開けません\n", 0), 0u);
    EXPECT_FALSE(f.doc.m_bPictureLoaded) << name;
    EXPECT_EQ(f.doc.m_pBitmap.get(), before) << name;
    EXPECT_EQ(f.doc.m_sizePicture, (CSize{32, 32}));
  }
  // The (1, 0) message came only for the good file.
  int finished = 0;
  for (const auto& p : f.host.PostedCopy()) finished += p.wParam == 1 && p.lParam == 0;
  EXPECT_EQ(finished, 1);
}
