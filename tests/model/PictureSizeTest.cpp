#include <gtest/gtest.h>

#include <string>

#include "TestSupport.h"
#include "model/PictureSize.h"

using namespace zorva;

namespace {

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int c : b) s += char(c);
  return s;
}

const std::string kPng = std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16) + Bytes({0, 0, 1, 0x2c, 0, 0, 0, 0x64});
const std::string kGif = "GIF89a" + Bytes({0x40, 0x01, 0xF0, 0x00});
// Fill bytes, a stand-alone marker, an APP0 segment, a table, then the frame.
const std::string kJpeg = Bytes({0xFF, 0xD8, 0xFF, 0xFF, 0xD0, 0xFF, 0xE0, 0, 6, 'J', 'F', 'I', 'F', 0xFF, 0xDB, 0, 3, 0,
                                 0xFF, 0xC2, 0, 11, 8, 0x01, 0x2C, 0x01, 0xE0});

}  // namespace

TEST(PictureSize, EachFormatsHeaderGivesItsSize) {
  EXPECT_EQ(PictureSizeOfHeader(kPng), (CSize{300, 100}));
  EXPECT_EQ(PictureSizeOfHeader(kGif), (CSize{320, 240}));
  EXPECT_EQ(PictureSizeOfHeader(kJpeg), (CSize{480, 300}));
}

TEST(PictureSize, AnyHeaderCutShortOrChangedGivesNothingOrASizeWithinTheLimits) {
  for (const std::string& whole : {kPng, kGif, kJpeg}) {
    for (size_t n = 0; n < whole.size(); ++n) EXPECT_EQ(PictureSizeOfHeader(whole.substr(0, n)), std::nullopt) << n;
    // Every byte changed to every value: never a read past the end, never a
    // side of 0 or beyond 65535.
    for (size_t i = 0; i < whole.size(); ++i) {
      for (int v = 0; v < 256; ++v) {
        std::string changed = whole;
        changed[i] = char(v);
        if (const auto size = PictureSizeOfHeader(changed)) {
          EXPECT_GT(size->cx, 0);
          EXPECT_GT(size->cy, 0);
          EXPECT_LE(size->cx, 65535);
          EXPECT_LE(size->cy, 65535);
        }
      }
    }
  }
  // A zero side, a PNG side beyond the limit, a JPEG that reaches its data
  // without a frame.
  EXPECT_EQ(PictureSizeOfHeader("GIF87a" + Bytes({0, 0, 5, 0})), std::nullopt);
  EXPECT_EQ(PictureSizeOfHeader(kPng.substr(0, 16) + Bytes({0, 1, 0, 0, 0, 0, 0, 1})), std::nullopt);
  EXPECT_EQ(PictureSizeOfHeader(Bytes({0xFF, 0xD8, 0xFF, 0xDA, 0, 2, 0xFF, 0xC0, 0, 11, 8, 0, 1, 0, 1})), std::nullopt);
}

TEST(PictureSize, FilesAreReadOnlyWhenTheyAreRegularFiles) {
  test::TempDir dir;
  test::WriteFileBytes(dir.File("p.gif"), kGif + std::string(5000, 'x'));
  EXPECT_EQ(PictureSizeOfFile(dir.File("p.gif")), (CSize{320, 240}));
  EXPECT_EQ(PictureSizeOfFile(dir.File("missing.gif")), std::nullopt);
  EXPECT_EQ(PictureSizeOfFile(dir.path().string()), std::nullopt);
  EXPECT_EQ(PictureSizeOfFile("/dev/zero"), std::nullopt);
}
