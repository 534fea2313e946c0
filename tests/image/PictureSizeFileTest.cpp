// A picture's size from its header: real files of the three formats, and
// every cut of them and some forged headers, which must give nothing rather
// than a size or a crash.
#include <gtest/gtest.h>

#include "ImageTestSupport.h"
#include "model/PictureSize.h"

using namespace zorva;
using namespace zorva::test;

TEST(PictureSize, FilesOfTheThreeFormatsAndAnythingElse) {
  TempDir dir;
  // A JPEG whose frame header comes after an APP segment libjpeg writes.
  WriteJpeg(dir.File("a.jpg"), 37, 21, 3, TestSamples(37, 21, 3));
  PngRecipe png;
  png.width = 5, png.height = 300, png.colourType = 0;
  png.samples.assign(5 * 300, 7);
  WritePng(dir.File("a.png"), png);
  GifRecipe gif;
  gif.width = 640, gif.height = 2;
  gif.globalTable = {0, 0xFFFFFF};
  gif.indices.assign(640 * 2, 1);
  WriteFileBytes(dir.File("a.gif"), MakeGif(gif));

  const struct {
    const char* name;
    CSize size;
  } files[] = {{"a.jpg", {37, 21}}, {"a.png", {5, 300}}, {"a.gif", {640, 2}}};
  for (const auto& f : files) {
    SCOPED_TRACE(f.name);
    const auto size = PictureSizeOfFile(dir.File(f.name));
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(*size, f.size);
    // Cut anywhere before the size, the file gives nothing.
    const std::string bytes = ReadFileBytes(dir.File(f.name));
    const size_t sizeEnd = std::string(f.name) == "a.gif" ? 10 : std::string(f.name) == "a.png" ? 24 : 0;
    for (size_t n = 0; n < std::min<size_t>(bytes.size(), sizeEnd ? sizeEnd : 400); ++n) {
      WriteFileBytes(dir.File("cut"), bytes.substr(0, n));
      const auto cut = PictureSizeOfFile(dir.File("cut"));
      if (sizeEnd) {
        EXPECT_FALSE(cut) << n;
      } else if (cut) {
        EXPECT_EQ(*cut, f.size) << n;  // a JPEG cut after its frame header
      }
    }
  }
  const std::string forged[] = {
      "",
      std::string("GIF89a\0\0\x05\0", 10),                    // no width
      std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\xFF\xFF\xFF\xFF\0\0\0\x01", 24),  // beyond int32
      std::string("\xFF\xD8\xFF\xC0\0\x01", 6),                // a length shorter than its own field
      std::string("\xFF\xD8\xFF\xDA\0\x08", 6),                // the data before any frame header
      "\xFF\xD8\xFF\xE0\xFF\xFF",                               // a segment past the end
      "not a picture at all",
  };
  for (const std::string& bytes : forged) {
    WriteFileBytes(dir.File("forged"), bytes);
    EXPECT_FALSE(PictureSizeOfFile(dir.File("forged"))) << bytes.size();
  }
  EXPECT_FALSE(PictureSizeOfFile(dir.File("missing.png")));
  EXPECT_FALSE(PictureSizeOfFile(dir.path().string()));  // a folder
}
