// Picture loading against a bare decode loop of the same library over the
// same file, in the same run: a 24-megapixel JPEG, an 8-bit RGB PNG of the
// same size, and a large GIF (our decoder against giflib). Also the peak
// memory of each load beside the size of its bitmap.
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <unistd.h>
#include <vector>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>

#include "TestJpegWriter.h"
#include "image/PictureLoader.h"
#include "model/ZorvaDoc.h"
#include "platform/MessageQueue.h"

namespace {

constexpr int kWidth = 6000, kHeight = 4000;  // 24 megapixels

// A photo-like picture: gradients, edges, fine texture and sensor grain, so
// that it compresses about as a camera picture does (some 3 bits a pixel
// as JPEG at quality 90).
std::vector<uint8_t> PhotoRgb(int w, int h) {
  std::vector<uint8_t> rgb(size_t(w) * h * 3);
  uint32_t s = 1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      s = s * 1664525u + 1013904223u;
      int grain = int(s >> 27) - 16 + (((x * x + 3 * y * y) >> 5) & 15);
      uint8_t* p = &rgb[(size_t(y) * w + x) * 3];
      int band = ((x / 200) + (y / 150)) % 2 ? 40 : 0;
      p[0] = uint8_t(std::clamp(x * 255 / w + grain + band, 0, 255));
      p[1] = uint8_t(std::clamp(y * 255 / h + grain, 0, 255));
      p[2] = uint8_t(std::clamp(((x + y) / 16) % 256 + grain - band, 0, 255));
    }
  return rgb;
}

void WritePng(const std::string& path, const std::vector<uint8_t>& rgb, int w, int h) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_set_compression_level(png, 6);
  png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < h; ++y) png_write_row(png, &rgb[size_t(y) * w * 3]);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(f);
}

// The same picture reduced to 256 colours (3-3-2 bits) and written by giflib.
void WriteGif(const std::string& path, const std::vector<uint8_t>& rgb, int w, int h) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  GifColorType colours[256];
  for (int i = 0; i < 256; ++i)
    colours[i] = {GifByteType((i >> 5) * 255 / 7), GifByteType(((i >> 2) & 7) * 255 / 7), GifByteType((i & 3) * 85)};
  ColorMapObject* map = GifMakeMapObject(256, colours);
  EGifPutScreenDesc(gif, w, h, 8, 0, map);
  EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr);
  std::vector<GifPixelType> line(static_cast<size_t>(w));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = &rgb[(size_t(y) * w + x) * 3];
      line[x] = GifPixelType((p[0] >> 5) << 5 | (p[1] >> 5) << 2 | (p[2] >> 6));
    }
    EGifPutLine(gif, line.data(), w);
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
}

// --- bare loops of each library ---

void BareJpeg(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  jpeg_decompress_struct d;
  jpeg_error_mgr err;
  d.err = jpeg_std_error(&err);
  jpeg_create_decompress(&d);
  jpeg_stdio_src(&d, f);
  jpeg_read_header(&d, TRUE);
  jpeg_start_decompress(&d);
  std::vector<JSAMPLE> row(size_t(d.output_width) * d.output_components);
  while (d.output_scanline < d.output_height) {
    JSAMPROW r = row.data();
    jpeg_read_scanlines(&d, &r, 1);
  }
  jpeg_finish_decompress(&d);
  jpeg_destroy_decompress(&d);
  std::fclose(f);
}

void BarePng(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_init_io(png, f);
  png_read_info(png, info);
  png_read_update_info(png, info);
  std::vector<png_byte> row(png_get_rowbytes(png, info));
  for (png_uint_32 y = 0; y < png_get_image_height(png, info); ++y) png_read_row(png, row.data(), nullptr);
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(f);
}

void BareGif(const std::string& path) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
  GifRecordType type;
  while (DGifGetRecordType(gif, &type) == GIF_OK && type != TERMINATE_RECORD_TYPE) {
    if (type == IMAGE_DESC_RECORD_TYPE) {
      DGifGetImageDesc(gif);
      std::vector<GifPixelType> line(static_cast<size_t>(gif->Image.Width));
      for (int y = 0; y < gif->Image.Height; ++y) DGifGetLine(gif, line.data(), gif->Image.Width);
      break;
    }
    if (type == EXTENSION_RECORD_TYPE) {
      int code;
      GifByteType* ext;
      DGifGetExtension(gif, &code, &ext);
      while (ext) DGifGetExtensionNext(gif, &ext);
    }
  }
  DGifCloseFile(gif, &error);
}

// --- our load, as the editor runs it ---

class BenchHost : public CNullDocumentHost {
 public:
  void PostToView(unsigned msg, uintptr_t wParam, intptr_t lParam) override {
    std::lock_guard<std::mutex> lock(m);
    if (msg == zorva::UM_LOADNOTIFY && !(wParam == 1 && lParam == 1)) ++ends;
    if (msg == zorva::UM_LOADNOTIFY && wParam == 0) failed = true;
  }
  int MessageBox(unsigned, const std::string& text, unsigned) override {
    std::fprintf(stderr, "load failed: %s\n", text.c_str());
    failed = true;
    return IDOK;
  }
  std::mutex m;
  int ends = 0;
  bool failed = false;
};

// One load as the editor runs it; the document keeps the picture until the
// next load replaces it, so freeing it is not part of a load's time.
struct LoadedDoc {
  BenchHost host;
  CPictureLoader loader;
  CZorvaDoc doc{&host};
};

std::unique_ptr<LoadedDoc> Load(const std::string& path, PictureFormat format) {
  auto d = std::make_unique<LoadedDoc>();
  d->doc.SetPictureLoader(&d->loader);
  d->doc.m_strPicturePath = path;
  d->doc.LoadPicture(format);
  d->loader.WaitIdle();
  if (d->host.failed || !d->doc.m_pBitmap) {
    std::fprintf(stderr, "load of %s failed\n", path.c_str());
    std::exit(1);
  }
  return d;
}

double Seconds(const std::function<void()>& f) {
  auto t0 = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

// Best of n runs each, alternating so both see the same machine state.
std::pair<double, double> Compare(const std::string& path, PictureFormat format, void (*bare)(const std::string&), int n) {
  double a = 1e9, b = 1e9;
  for (int i = 0; i < n; ++i) {
    b = std::min(b, Seconds([&] { bare(path); }));
    std::unique_ptr<LoadedDoc> kept;
    a = std::min(a, Seconds([&] { kept = Load(path, format); }));
  }
  return {a, b};
}

long StatusKb(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::strlen(field));
  return -1;
}

// Peak resident memory added by one load, in MiB (the kernel's peak is reset first).
double PeakMiB(const std::function<void()>& f) {
  std::ofstream("/proc/self/clear_refs") << "5";
  long base = StatusKb("VmRSS:");
  f();
  return double(StatusKb("VmHWM:") - base) / 1024.0;
}

double BitsPerPixel(const std::string& path) {
  return double(std::filesystem::file_size(path)) * 8 / (double(kWidth) * kHeight);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  std::string dir = "/tmp/zorva-bench-" + std::to_string(::getpid());
  std::filesystem::create_directories(dir);
  std::string jpg = dir + "/big.jpg", png = dir + "/big.png", gif = dir + "/big.gif";
  {
    std::vector<uint8_t> rgb = PhotoRgb(kWidth, kHeight);
    zorva::test::WriteJpeg(jpg, kWidth, kHeight, 3, rgb);
    WritePng(png, rgb, kWidth, kHeight);
    WriteGif(gif, rgb, kWidth, kHeight);
  }
  std::printf("%d x %d pixels, best of %d runs; files: JPEG %.2f, PNG %.2f, GIF %.2f bits a pixel\n", kWidth, kHeight,
              runs, BitsPerPixel(jpg), BitsPerPixel(png), BitsPerPixel(gif));
  std::printf("%-6s %10s %10s %8s   %s\n", "format", "load s", "bare s", "ratio", "peak of a load / bitmap");
  struct Case {
    const char* name;
    std::string path;
    PictureFormat format;
    void (*bare)(const std::string&);
    double goal;
  } cases[] = {{"JPEG", jpg, PictureFormat::Jpeg, BareJpeg, 1.2},
               {"PNG", png, PictureFormat::Png, BarePng, 1.2},
               {"GIF", gif, PictureFormat::Gif, BareGif, 1.0}};
  int missed = 0;
  for (const Case& c : cases) {
    size_t bitmap = 0;
    double peak = PeakMiB([&] { bitmap = Load(c.path, c.format)->doc.m_pBitmap->ByteSize(); });
    auto [ours, bare] = Compare(c.path, c.format, c.bare, runs);
    double ratio = ours / bare;
    missed += ratio > c.goal;
    std::printf("%-6s %10.3f %10.3f %8.2f   %.0f MiB / %.0f MiB (goal ratio %.1f%s)\n", c.name, ours, bare, ratio, peak,
                double(bitmap) / (1 << 20), c.goal, ratio > c.goal ? ", MISSED" : "");
  }
  std::filesystem::remove_all(dir);
  return missed ? 1 : 0;
}
