#pragma once
// Pictures made by the tests (JPEG and PNG through the libraries, GIF by a
// small writer of their own), and a host that lets a test wait for a load.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "TestJpegWriter.h"
#include "image/PictureLoader.h"
#include "model/ZorvaDoc.h"

namespace zorva::test {

// --- JPEG ---
// libjpeg's own decode of a file as 0x00RRGGBB pixels (grey copied to all three channels).
std::vector<uint32_t> LibjpegPixels(const std::string& path, int* width = nullptr, int* height = nullptr);

// --- PNG ---
struct PngRecipe {
  int width = 0, height = 0;
  int colourType = 2;  // PNG_COLOR_TYPE_*
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<uint16_t> samples;           // channels per pixel by colour type, row after row
  std::vector<uint32_t> palette;           // 0x00RRGGBB, for colour type 3
  std::vector<uint8_t> paletteAlpha;       // tRNS of a palette image
  std::optional<uint16_t> trnsGrey;        // tRNS of a grey image
  std::optional<uint32_t> bkgdRgb;         // 0x00RRGGBB in 8-bit, or a palette index for type 3
  std::optional<uint16_t> bkgdGrey;
  std::optional<double> gamma;             // gAMA
  bool srgb = false;
};
void WritePng(const std::string& path, const PngRecipe& recipe);

// --- GIF ---
std::string EncodeGifLzw(const std::vector<uint8_t>& indices, int minCodeSize, bool clearWhenFull = true);
struct GifRecipe {
  uint16_t width = 0, height = 0;
  std::vector<uint32_t> globalTable;  // 0x00RRGGBB; 2, 4, ... 256 entries, or none
  std::vector<uint32_t> localTable;
  bool interlaced = false;
  std::vector<uint8_t> indices;  // in picture order
  int minCodeSize = 0;           // 0: 8
  bool clearWhenFull = true;
  std::string beforeImage;       // raw blocks (extensions) before the image descriptor
  size_t subBlockSize = 255;
};
std::string MakeGif(const GifRecipe& recipe);

// --- pictures ---
// A deterministic picture of smooth gradients with some noise.
std::vector<uint8_t> TestSamples(int width, int height, int components, uint32_t seed = 1);
std::vector<uint32_t> BitmapPixels(const CBitmap& bitmap);  // through the palette for 8-bit

// --- loads ---
// A host that wakes waiters whenever a load reports.
class WaitingHost : public FakeDocumentHost {
 public:
  void PostToView(unsigned msg, uintptr_t wParam, intptr_t lParam) override;
  int MessageBox(unsigned stringId, const std::string& text, unsigned type) override;
  // Waits until a load has finished or failed `count` times in all; false on timeout.
  bool WaitForEnds(size_t count, std::chrono::seconds timeout = std::chrono::seconds(60));
  size_t Ends() const;
  std::vector<FakeDocumentHost::Posted> PostedCopy() const;

 private:
  std::condition_variable m_cv;
  size_t m_ends = 0;
};

// A document with a loader and a waiting host; Load starts one load and
// waits for it to end.
struct LoadFixture {
  WaitingHost host;
  CPictureLoader loader;
  CZorvaDoc doc{&host};
  LoadFixture() { doc.SetPictureLoader(&loader); }
  // True when the load ended (in any way) before the timeout.
  bool Load(const std::string& path, PictureFormat format);
};

}  // namespace zorva::test
