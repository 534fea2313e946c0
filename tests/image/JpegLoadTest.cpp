// JPEG pictures through the loader thread, on true-colour and palette displays.
#include <gtest/gtest.h>

#include <filesystem>

#include <algorithm>
#include <set>

#include "ImageTestSupport.h"
#include "image/ColourReduction.h"
#include "platform/MessageQueue.h"

using namespace zorva::test;

namespace {

std::string WriteTestJpeg(const TempDir& dir, const std::string& name, int w, int h, int components) {
  std::string path = dir.File(name);
  WriteJpeg(path, w, h, components, TestSamples(w, h, components, uint32_t(w * h + components)));
  return path;
}

}  // namespace

TEST(JpegLoad, GreyAndColourPicturesMatchLibjpegsOwnOutput) {
  TempDir dir;
  for (int components : {1, 3}) {
    std::string path = WriteTestJpeg(dir, "p" + std::to_string(components) + ".jpg", 61, 37, components);
    LoadFixture f;
    ASSERT_TRUE(f.Load(path, PictureFormat::Jpeg));
    ASSERT_TRUE(f.doc.m_pBitmap);
    EXPECT_EQ(f.doc.m_pBitmap->BitsPerPixel(), 32);
    EXPECT_EQ(f.doc.m_sizePicture, (CSize{61, 37}));
    EXPECT_TRUE(f.doc.m_bPictureLoaded);
    EXPECT_EQ(BitmapPixels(*f.doc.m_pBitmap), LibjpegPixels(path)) << components;
    EXPECT_FALSE(f.doc.m_pPalette);  // a true-colour display makes no palette
  }
}

TEST(JpegLoad, RefusedAndBrokenFilesLeaveThePreviousBitmap) {
  TempDir dir;
  std::string good = WriteTestJpeg(dir, "good.jpg", 20, 10, 3);
  std::string cmyk = WriteTestJpeg(dir, "cmyk.jpg", 20, 10, 4);
  std::string bytes = ReadFileBytes(good);
  std::string cut = dir.File("cut.jpg");
  WriteFileBytes(cut, bytes.substr(0, 40));  // inside the tables: the library gives up
  std::string notJpeg = dir.File("text.jpg");
  WriteFileBytes(notJpeg, "plain text, not a picture");

  LoadFixture f;
  ASSERT_TRUE(f.Load(good, PictureFormat::Jpeg));
  const CBitmap* before = f.doc.m_pBitmap.get();

  ASSERT_TRUE(f.Load(cmyk, PictureFormat::Jpeg));
  auto posted = f.host.PostedCopy();
  EXPECT_EQ(posted.back().msg, zorva::UM_LOADNOTIFY);
  EXPECT_EQ(posted.back().wParam, 0u);
  EXPECT_EQ(posted.back().lParam, 61206);
  EXPECT_FALSE(f.doc.m_bPictureLoaded);

  for (const std::string& broken : {cut, notJpeg}) {
    ASSERT_TRUE(f.Load(broken, PictureFormat::Jpeg));
    auto shown = f.host.Messages();
    ASSERT_FALSE(shown.empty());
    // In Japanese, naming the file; the library's words on the second line.
    EXPECT_EQ(shown.back().id, 65017u);
    const std::string name = std::filesystem::path(broken).filename().string();
    EXPECT_EQ(shown.back().text.rfind("JPEGファイル「" + name + "」を開けません\n", 0), 0u) << shown.back().text;
    EXPECT_GT(shown.back().text.size(), name.size() + 40);
    EXPECT_FALSE(f.doc.m_bPictureLoaded);
  }
  ASSERT_TRUE(f.Load(dir.File("missing.jpg"), PictureFormat::Jpeg));
  EXPECT_EQ(f.host.Messages().back().text, "JPEGファイル「missing.jpg」を開けません");
  EXPECT_EQ(f.doc.m_pBitmap.get(), before);
  EXPECT_EQ(f.doc.m_sizePicture, (CSize{20, 10}));
}

TEST(JpegLoad, TruncatedDataStillGivesAPictureAndSaysItIsIncomplete) {
  TempDir dir;
  std::string good = WriteTestJpeg(dir, "good.jpg", 200, 200, 3);
  std::string bytes = ReadFileBytes(good);
  std::string cut = dir.File("cut.jpg");
  WriteFileBytes(cut, bytes.substr(0, bytes.size() * 3 / 4));  // inside the coded data
  LoadFixture f;
  ASSERT_TRUE(f.Load(cut, PictureFormat::Jpeg));
  ASSERT_TRUE(f.doc.m_pBitmap);
  EXPECT_TRUE(f.doc.m_bPictureLoaded);
  EXPECT_EQ(BitmapPixels(*f.doc.m_pBitmap), LibjpegPixels(cut));
  ASSERT_EQ(f.host.MessageIds(), std::vector<unsigned>{65039});
  EXPECT_NE(f.host.Messages()[0].text.find("cut.jpg"), std::string::npos);

  // A whole file says nothing.
  LoadFixture whole;
  ASSERT_TRUE(whole.Load(good, PictureFormat::Jpeg));
  EXPECT_TRUE(whole.host.MessageIds().empty());
}

// --- the palette display ---

TEST(JpegPaletteDisplay, IndicesAreTheNearestEntriesOfThePicturesOwnPalette) {
  TempDir dir;
  std::string path = WriteTestJpeg(dir, "c.jpg", 45, 21, 3);  // odd width
  LoadFixture f;
  f.host.colorCount = 256;
  f.host.bitsPerPixel = 8;
  ASSERT_TRUE(f.Load(path, PictureFormat::Jpeg));
  ASSERT_TRUE(f.doc.m_pBitmap);
  ASSERT_TRUE(f.doc.m_pPalette);
  const CBitmap& b = *f.doc.m_pBitmap;
  EXPECT_EQ(b.BitsPerPixel(), 8);
  EXPECT_EQ(b.Stride(), 46u);  // rows padded to an even length
  EXPECT_EQ(b.Palette(), *f.doc.m_pPalette);

  const std::vector<uint32_t> truth = LibjpegPixels(path);
  zorva::CColourHistogram histogram;
  for (uint32_t c : truth) histogram.Add(zorva::CColourHistogram::CodeOf(uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)));
  EXPECT_EQ(*f.doc.m_pPalette, histogram.BuildPalette());
  for (int32_t y = 0; y < b.Height(); ++y)
    for (int32_t x = 0; x < b.Width(); ++x)
      ASSERT_EQ(b.Row(y)[x], zorva::NearestEntryPlain(*f.doc.m_pPalette, truth[size_t(y) * 45 + x])) << x << "," << y;

  // Progress: the decoding text, then the reduction's own.
  ASSERT_EQ(f.host.progressTexts.size(), 2u);
  EXPECT_EQ(f.host.progressTexts[0], "JPEGファイル\"c.jpg\"を読み込み中です");
  EXPECT_EQ(f.host.progressTexts[1], "減色処理中　");
}

TEST(JpegPaletteDisplay, GreyPicturesGiveGreyEntries) {
  TempDir dir;
  std::string path = WriteTestJpeg(dir, "g.jpg", 40, 40, 1);
  LoadFixture f;
  f.host.colorCount = 256;
  ASSERT_TRUE(f.Load(path, PictureFormat::Jpeg));
  ASSERT_TRUE(f.doc.m_pPalette);
  // The picture has fewer codes than places, so empty codes fill the rest
  // of the palette; every pixel still finds a grey entry.
  auto isGrey = [](uint32_t c) { return (c >> 16 & 0xFF) == (c & 0xFF) && (c >> 8 & 0xFF) == (c & 0xFF); };
  std::vector<uint32_t> shown = BitmapPixels(*f.doc.m_pBitmap);
  EXPECT_TRUE(std::all_of(shown.begin(), shown.end(), isGrey));
  std::set<uint32_t> levels(shown.begin(), shown.end());
  EXPECT_GT(levels.size(), 10u);
  // PNG pictures take the true-colour way even here.
  std::string png = dir.File("p.png");
  PngRecipe s;
  s.width = 2;
  s.height = 1;
  s.samples = {1, 2, 3, 4, 5, 6};
  WritePng(png, s);
  ASSERT_TRUE(f.Load(png, PictureFormat::Png));
  EXPECT_EQ(f.doc.m_pBitmap->BitsPerPixel(), 32);
  // ... and the JPEG's palette does not outlive its picture.
  EXPECT_FALSE(f.doc.m_pPalette);
}

TEST(ColourReduction, PaletteHasFixedColoursAndTheMostFrequentCodesInOrder) {
  zorva::CColourHistogram h;
  // Three codes only, white among them and the most frequent.
  for (int i = 0; i < 1000; ++i) h.Add(32767);
  for (int i = 0; i < 10; ++i) h.Add(zorva::CColourHistogram::CodeOf(200, 16, 8));
  h.Add(zorva::CColourHistogram::CodeOf(0, 0, 255));
  zorva::Palette256 p = h.BuildPalette();
  EXPECT_EQ(p[0], RGB(0, 0, 0));
  EXPECT_EQ(p[7], RGB(192, 192, 192));
  EXPECT_EQ(p[248], RGB(128, 128, 128));
  EXPECT_EQ(p[255], RGB(255, 255, 255));
  std::set<uint32_t> chosen(p.begin() + 8, p.begin() + 248);
  EXPECT_EQ(chosen.size(), 240u);  // empty codes fill the rest, no entry twice
  EXPECT_TRUE(chosen.count(RGB(248, 248, 248)));  // white's cube, counted like any other
  EXPECT_TRUE(chosen.count(RGB(200, 16, 8)));
  EXPECT_TRUE(chosen.count(RGB(0, 0, 248)));
  // Entries 8-247 run in code order.
  for (int i = 9; i < 248; ++i) {
    auto code = [](uint32_t c) { return zorva::CColourHistogram::CodeOf(uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)); };
    EXPECT_LT(code(p[i - 1]), code(p[i])) << i;
  }
}

TEST(ColourReduction, CubeCandidatesAgreeWithTheFullSearch) {
  // A palette with near ties and clusters, searched for colours all over.
  zorva::Palette256 p{};
  uint32_t s = 12345;
  for (int i = 0; i < 256; ++i) {
    s = s * 1664525u + 1013904223u;
    p[i] = i < 64 ? RGB(uint8_t(i * 4), uint8_t(i * 4), uint8_t(i * 4)) : (s >> 8) & 0xFFFFFF;
  }
  p[200] = p[100];  // an exact duplicate: the lower index wins
  zorva::CNearestColour nearest(p);
  for (int i = 0; i < 200000; ++i) {
    s = s * 1664525u + 1013904223u;
    uint32_t c = (s >> 4) & 0xFFFFFF;
    ASSERT_EQ(nearest.Find(c), zorva::NearestEntryPlain(p, c)) << std::hex << c;
  }
  EXPECT_EQ(nearest.Find(p[200]), 100);
}
