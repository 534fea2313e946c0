// zorva-cli decode: the picture as the editor would show it, as a PPM file.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/stat.h>

#include <filesystem>

#include "ImageTestSupport.h"
#include "image/ColourReduction.h"
#include "platform/StringTable.h"

using namespace zorva::test;

namespace {

std::string Ppm(int w, int h, const std::vector<uint32_t>& pixels) {
  std::string out = "P6\n" + std::to_string(w) + " " + std::to_string(h) + "\n255\n";
  for (uint32_t c : pixels) {
    out += char(c >> 16);
    out += char(c >> 8);
    out += char(c);
  }
  return out;
}

CommandResult Decode(const std::vector<std::string>& args) {
  std::vector<std::string> argv = {ZORVA_CLI_PATH, "decode"};
  argv.insert(argv.end(), args.begin(), args.end());
  return RunCommand(argv);
}

}  // namespace

TEST(DecodeCommand, WritesTheDisplayBitmapOfEachFormat) {
  TempDir dir;
  std::string jpg = dir.File("a.JPG");
  WriteJpeg(jpg, 33, 17, 3, TestSamples(33, 17, 3));
  CommandResult r = Decode({jpg, dir.File("a.ppm")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFileBytes(dir.File("a.ppm")), Ppm(33, 17, LibjpegPixels(jpg)));

  // The palette display: each pixel shown through the picture's palette.
  r = Decode({"--palette-display", jpg, dir.File("p.ppm")});
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<uint32_t> truth = LibjpegPixels(jpg);
  zorva::CColourHistogram h;
  for (uint32_t c : truth) h.Add(zorva::CColourHistogram::CodeOf(uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)));
  zorva::Palette256 palette = h.BuildPalette();
  std::vector<uint32_t> reduced;
  for (uint32_t c : truth) reduced.push_back(palette[zorva::NearestEntryPlain(palette, c)]);
  EXPECT_EQ(ReadFileBytes(dir.File("p.ppm")), Ppm(33, 17, reduced));

  GifRecipe g;
  g.width = 3;
  g.height = 2;
  g.globalTable = {RGB(1, 2, 3), RGB(200, 100, 50)};
  g.minCodeSize = 2;
  g.indices = {0, 1, 0, 1, 1, 0};
  std::string gif = dir.File("b.gif");  // a project file names its loader by the last three letters
  WriteFileBytes(gif, MakeGif(g));
  r = Decode({gif, dir.File("b.ppm")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFileBytes(dir.File("b.ppm")),
            Ppm(3, 2, {RGB(1, 2, 3), RGB(200, 100, 50), RGB(1, 2, 3), RGB(200, 100, 50), RGB(200, 100, 50), RGB(1, 2, 3)}));
}

TEST(DecodeCommand, FailuresExitWithTheProductsMessage) {
  TempDir dir;
  std::string cmyk = dir.File("c.jpg");
  WriteJpeg(cmyk, 8, 8, 4, TestSamples(8, 8, 4));
  std::string jpeg4 = dir.File("x.jpeg");
  WriteFileBytes(jpeg4, ReadFileBytes(cmyk));
  GifRecipe g;  // a minimum code size of 12: no decoder reads it
  g.width = g.height = 4;
  g.globalTable = {RGB(9, 9, 9), RGB(200, 0, 0)};
  g.minCodeSize = 2;
  g.indices.assign(16, 1);
  std::string wide = MakeGif(g);
  wide[13 + 6 + 10] = 12;
  WriteFileBytes(dir.File("wide.gif"), wide);
  // Something not a file where a picture is named: a device and a pipe
  // without a writer (which must not be waited for).
  std::filesystem::create_symlink("/dev/zero", dir.path() / "zero.jpg");
  ASSERT_EQ(::mkfifo(dir.File("pipe.png").c_str(), 0600), 0);
  const std::pair<std::string, std::string> cases[] = {
      {cmyk, zorva::LoadStringUtf8(61206)},
      {dir.File("missing.png"), "PNGファイル「missing.png」を開けません"},
      {jpeg4, zorva::LoadStringUtf8(61213)},
      {dir.File("missing.gif"), zorva::LoadStringUtf8(61223)},
      {dir.File("wide.gif"), zorva::LoadStringUtf8(61223)},
      {dir.File("zero.jpg"), "JPEGファイル「zero.jpg」を開けません"},
      {dir.File("pipe.png"), "PNGファイル「pipe.png」を開けません"}};
  for (const auto& [path, text] : cases) {
    CommandResult r = RunCommand({ZORVA_CLI_PATH, "decode", path, dir.File("out.ppm")}, {0, 20});
    EXPECT_EQ(r.status, 1) << path;
    EXPECT_NE(r.err.find(text), std::string::npos) << r.err;
  }
  // A library's own message for a damaged file.
  std::string junk = dir.File("junk.png");
  WriteFileBytes(junk, "not a png at all");
  CommandResult r = Decode({junk, dir.File("out.ppm")});
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(r.err.empty());
  EXPECT_FALSE(std::filesystem::exists(dir.File("out.ppm")));

  EXPECT_EQ(Decode({}).status, 2);
  EXPECT_EQ(Decode({cmyk}).status, 2);
  EXPECT_EQ(Decode({cmyk, "o.ppm", "--bogus"}).status, 2);
}

TEST(DecodeCommand, APictureWithoutMemoryForItsBitmapFailsCleanly) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer cannot run under a small address-space limit";
#else
  // 10000 x 10000 one-bit grey: a small file whose bitmap needs 400 MB.
  TempDir dir;
  std::string path = dir.File("huge.png");
  std::FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_TRUE(f);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_set_IHDR(png, info, 10000, 10000, 1, PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(1250, 0x5A);
  for (int y = 0; y < 10000; ++y) png_write_row(png, row.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(f);

  std::string cmd = "ulimit -v 250000; exec '" + std::string(ZORVA_CLI_PATH) + "' decode '" + path + "' '" +
                    dir.File("o.ppm") + "'";
  CommandResult r = RunCommand({"/bin/sh", "-c", cmd});
  EXPECT_EQ(r.status, 1) << r.err;
  EXPECT_NE(r.err.find(zorva::LoadStringUtf8(61224)), std::string::npos) << r.err;
#endif
}

TEST(DecodeCommand, ThePpmIsWrittenAsItIsConvertedNotHeldWhole) {
  if (kAddressSanitizer) GTEST_SKIP() << "the address sanitizer keeps freed memory: the peak is not the program's";
  // 3000 x 2000: a 24 MB bitmap and an 18 MB PPM. Holding the PPM whole
  // would raise the peak by its size over that of a tiny picture.
  TempDir dir;
  WriteJpeg(dir.File("big.jpg"), 3000, 2000, 1, std::vector<uint8_t>(3000 * 2000, 0x80));
  WriteJpeg(dir.File("tiny.jpg"), 8, 8, 1, std::vector<uint8_t>(64, 0x80));
  CommandResult big = Decode({dir.File("big.jpg"), dir.File("big.ppm")});
  CommandResult tiny = Decode({dir.File("tiny.jpg"), dir.File("tiny.ppm")});
  ASSERT_EQ(big.status, 0) << big.err;
  ASSERT_EQ(tiny.status, 0) << tiny.err;
  EXPECT_EQ(std::filesystem::file_size(dir.File("big.ppm")), 17u + 3000u * 2000u * 3u);
  const long bitmapKiB = 3000L * 2000L * 4L / 1024L;
  EXPECT_LT(big.peakKiB - tiny.peakKiB, bitmapKiB + 8 * 1024) << big.peakKiB << " KiB against " << tiny.peakKiB;
}
