#include "ImageTestSupport.h"

#include <csetjmp>
#include <cstdio>
#include <map>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>

#include "platform/MessageQueue.h"

namespace zorva::test {

// --- JPEG ---

std::vector<uint32_t> LibjpegPixels(const std::string& path, int* width, int* height) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) throw std::runtime_error("cannot read " + path);
  jpeg_decompress_struct d;
  jpeg_error_mgr err;
  d.err = jpeg_std_error(&err);
  jpeg_create_decompress(&d);
  jpeg_stdio_src(&d, f);
  jpeg_read_header(&d, TRUE);
  jpeg_start_decompress(&d);
  std::vector<uint32_t> out;
  std::vector<uint8_t> row(size_t(d.output_width) * d.output_components);
  while (d.output_scanline < d.output_height) {
    JSAMPROW r = row.data();
    jpeg_read_scanlines(&d, &r, 1);
    for (size_t x = 0; x < d.output_width; ++x) {
      if (d.output_components == 1) out.push_back(uint32_t(row[x]) * 0x010101u);
      else out.push_back(RGB(row[3 * x], row[3 * x + 1], row[3 * x + 2]));
    }
  }
  if (width) *width = int(d.output_width);
  if (height) *height = int(d.output_height);
  jpeg_finish_decompress(&d);
  jpeg_destroy_decompress(&d);
  std::fclose(f);
  return out;
}

// --- PNG ---

namespace {
int ChannelsOf(int colourType) {
  switch (colourType) {
    case PNG_COLOR_TYPE_GRAY: case PNG_COLOR_TYPE_PALETTE: return 1;
    case PNG_COLOR_TYPE_GRAY_ALPHA: return 2;
    case PNG_COLOR_TYPE_RGB: return 3;
    default: return 4;
  }
}
}  // namespace

void WritePng(const std::string& path, const PngRecipe& s) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) throw std::runtime_error("cannot write " + path);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) throw std::runtime_error("libpng failed writing " + path);
  png_init_io(png, f);
  png_set_IHDR(png, info, png_uint_32(s.width), png_uint_32(s.height), s.bitDepth, s.colourType,
               s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  std::vector<png_color> plte;
  for (uint32_t c : s.palette) plte.push_back({png_byte(c >> 16), png_byte(c >> 8), png_byte(c)});
  if (!plte.empty()) png_set_PLTE(png, info, plte.data(), int(plte.size()));
  if (!s.paletteAlpha.empty())
    png_set_tRNS(png, info, s.paletteAlpha.data(), int(s.paletteAlpha.size()), nullptr);
  if (s.trnsGrey) {
    png_color_16 t{0, 0, 0, 0, *s.trnsGrey};
    png_set_tRNS(png, info, nullptr, 0, &t);
  }
  if (s.bkgdRgb || s.bkgdGrey) {
    png_color_16 b{};
    if (s.colourType == PNG_COLOR_TYPE_PALETTE) b.index = png_byte(*s.bkgdRgb);
    else if (s.bkgdRgb) b = {0, png_uint_16(*s.bkgdRgb >> 16 & 0xFF), png_uint_16(*s.bkgdRgb >> 8 & 0xFF),
                             png_uint_16(*s.bkgdRgb & 0xFF), 0};
    else b.gray = *s.bkgdGrey;
    png_set_bKGD(png, info, &b);
  }
  if (s.gamma) png_set_gAMA(png, info, *s.gamma);
  if (s.srgb) png_set_sRGB(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
  png_write_info(png, info);

  const int channels = ChannelsOf(s.colourType);
  const size_t rowBytes = (size_t(s.width) * channels * s.bitDepth + 7) / 8;
  std::vector<std::vector<png_byte>> rows(size_t(s.height), std::vector<png_byte>(rowBytes, 0));
  for (int y = 0; y < s.height; ++y) {
    png_byte* r = rows[y].data();
    for (int i = 0; i < s.width * channels; ++i) {
      uint16_t v = s.samples[size_t(y) * s.width * channels + i];
      if (s.bitDepth == 16) {
        r[2 * i] = png_byte(v >> 8);
        r[2 * i + 1] = png_byte(v);
      } else if (s.bitDepth == 8) {
        r[i] = png_byte(v);
      } else {
        int perByte = 8 / s.bitDepth;
        int shift = 8 - s.bitDepth * (i % perByte + 1);
        r[i / perByte] |= png_byte(v << shift);
      }
    }
  }
  std::vector<png_bytep> pointers;
  for (auto& r : rows) pointers.push_back(r.data());
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  std::fclose(f);
}

// --- GIF ---

std::string EncodeGifLzw(const std::vector<uint8_t>& indices, int minCodeSize, bool clearWhenFull) {
  std::string out;
  uint64_t bits = 0;
  int count = 0;
  const int clear = 1 << minCodeSize;
  // The width follows the reader's dictionary, which trails this one by a code.
  int width = minCodeSize + 1, readerNext = clear + 2;
  bool readerHasPrev = false;
  auto emit = [&](int code) {
    bits |= uint64_t(code) << count;
    count += width;
    while (count >= 8) {
      out += char(bits & 0xFF);
      bits >>= 8;
      count -= 8;
    }
    if (code == clear) {
      width = minCodeSize + 1;
      readerNext = clear + 2;
      readerHasPrev = false;
      return;
    }
    if (readerHasPrev && readerNext < 4096 && ++readerNext >= (1 << width) && width < 12) ++width;
    readerHasPrev = true;
  };
  std::map<int, int> dict;
  int next = clear + 2;
  emit(clear);
  if (!indices.empty()) {
    int cur = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
      int key = cur << 8 | indices[i];
      auto it = dict.find(key);
      // At minimum code size 1 the first string defined after a clear
      // (code 4) is known before the reader's codes are wide enough for it.
      if (it != dict.end() && it->second < (1 << width)) {
        cur = it->second;
        continue;
      }
      emit(cur);
      if (next < 4096) dict[key] = next++;
      if (next == 4096 && clearWhenFull) {
        emit(clear);
        dict.clear();
        next = clear + 2;
      }
      cur = indices[i];
    }
    emit(cur);
  }
  emit(clear + 1);
  if (count > 0) out += char(bits & 0xFF);
  return out;
}

namespace {
void PutWord(std::string& s, uint16_t v) {
  s += char(v & 0xFF);
  s += char(v >> 8);
}
// The size field of a table of n entries (n a power of two from 2 to 256).
int TableBits(size_t n) {
  int b = 0;
  while ((size_t(2) << b) < n) ++b;
  return b;
}
void PutTable(std::string& s, const std::vector<uint32_t>& t) {
  for (uint32_t c : t) {
    s += char(c >> 16);
    s += char(c >> 8);
    s += char(c);
  }
}
}  // namespace

std::string MakeGif(const GifRecipe& g) {
  std::string s = "GIF89a";
  PutWord(s, g.width);
  PutWord(s, g.height);
  s += char(g.globalTable.empty() ? 0 : 0x80 | TableBits(g.globalTable.size()));
  s += '\0';
  s += '\0';
  PutTable(s, g.globalTable);
  s += g.beforeImage;
  s += ',';
  PutWord(s, 0);
  PutWord(s, 0);
  PutWord(s, g.width);
  PutWord(s, g.height);
  s += char((g.localTable.empty() ? 0 : 0x80 | TableBits(g.localTable.size())) | (g.interlaced ? 0x40 : 0));
  PutTable(s, g.localTable);

  std::vector<uint8_t> stream = g.indices;
  if (g.interlaced) {
    stream.clear();
    const int starts[4] = {0, 4, 2, 1}, steps[4] = {8, 8, 4, 2};
    for (int p = 0; p < 4; ++p)
      for (int y = starts[p]; y < g.height; y += steps[p])
        stream.insert(stream.end(), g.indices.begin() + y * g.width, g.indices.begin() + (y + 1) * g.width);
  }
  int minCode = g.minCodeSize ? g.minCodeSize : 8;
  s += char(minCode);
  std::string data = EncodeGifLzw(stream, minCode, g.clearWhenFull);
  for (size_t i = 0; i < data.size(); i += g.subBlockSize) {
    size_t n = std::min(g.subBlockSize, data.size() - i);
    s += char(n);
    s.append(data, i, n);
  }
  s += '\0';
  s += ';';
  return s;
}

// --- pictures ---

std::vector<uint8_t> TestSamples(int width, int height, int components, uint32_t seed) {
  std::vector<uint8_t> out(size_t(width) * height * components);
  uint32_t state = seed * 2654435761u + 1;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (int c = 0; c < components; ++c) {
        state = state * 1664525u + 1013904223u;
        int v = (x * (3 + c) + y * (5 - c)) * 255 / (width + height) + int(state >> 28) - 8;
        out[(size_t(y) * width + x) * components + c] = uint8_t(std::clamp(v, 0, 255));
      }
  return out;
}

std::vector<uint32_t> BitmapPixels(const CBitmap& b) {
  std::vector<uint32_t> out;
  for (int32_t y = 0; y < b.Height(); ++y)
    for (int32_t x = 0; x < b.Width(); ++x) out.push_back(b.GetPixel(x, y));
  return out;
}

// --- loads ---

void WaitingHost::PostToView(unsigned msg, uintptr_t wParam, intptr_t lParam) {
  FakeDocumentHost::PostToView(msg, wParam, lParam);
  if (msg == UM_LOADNOTIFY && !(wParam == 1 && lParam == 1)) {
    std::lock_guard<std::mutex> lock(mutex);
    ++m_ends;
    m_cv.notify_all();
  }
}

int WaitingHost::MessageBox(unsigned stringId, const std::string& text, unsigned type) {
  int answer = FakeDocumentHost::MessageBox(stringId, text, type);
  std::lock_guard<std::mutex> lock(mutex);
  ++m_ends;  // a library's message ends a load without a posted message
  m_cv.notify_all();
  return answer;
}

bool WaitingHost::WaitForEnds(size_t count, std::chrono::seconds timeout) {
  std::unique_lock<std::mutex> lock(mutex);
  return m_cv.wait_for(lock, timeout, [&] { return m_ends >= count; });
}

size_t WaitingHost::Ends() const {
  std::lock_guard<std::mutex> lock(mutex);
  return m_ends;
}

std::vector<FakeDocumentHost::Posted> WaitingHost::PostedCopy() const {
  std::lock_guard<std::mutex> lock(mutex);
  return posted;
}

bool LoadFixture::Load(const std::string& path, PictureFormat format) {
  size_t before = host.Ends();
  doc.m_strPicturePath = path;
  doc.LoadPicture(format);
  bool ended = host.WaitForEnds(before + 1);
  loader.WaitIdle();
  return ended;
}

}  // namespace zorva::test
