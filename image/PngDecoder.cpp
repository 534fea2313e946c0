// The PNG decoder: libpng, with the transformations that bring every kind of
// PNG to 8-bit BGR or grey with a filler byte, read straight into the rows of
// the 32-bit bitmap.
#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <png.h>

#include "image/LoadJob.h"
#include "image/PictureDecoders.h"
#include "image/PictureFile.h"
#include "image/PictureLimits.h"
#include "platform/StringTable.h"

static_assert(std::endian::native == std::endian::little,
              "PNG rows are read as B, G, R, filler bytes into 0x00RRGGBB pixels");

namespace zorva {

namespace {

// "The PNG file "%1" cannot be opened".
constexpr unsigned kCannotOpenPng = 65018;

// What shows through transparent pixels: the canvas the view paints around
// the picture, white as a browser's page. A file's own background (bKGD) is
// not used, as browsers do not use it either.
constexpr uint8_t kCanvasLevel = 255;
// File gamma assumed without a gAMA chunk, and the screen's.
constexpr double kDefaultFileGamma = 0.45455;
constexpr double kScreenGamma = 2.2;

// Everything the library frames touch; plain data only, because the library
// leaves them with longjmp.
struct PngSession {
  png_structp png;
  png_infop info;
  char message[256];
  bool abandoned;
  png_uint_32 width, height;
  int passes;
  size_t rowBytes;
  bool alpha;  // rows carry B, G, R, alpha
};

void ErrorFn(png_structp png, png_const_charp text) {
  PngSession* s = static_cast<PngSession*>(png_get_error_ptr(png));
  std::snprintf(s->message, sizeof s->message, "%s", text);
  png_longjmp(png, 1);
}

// A library frame: no object with a destructor may live here.
bool ReadHeader(PngSession* s, std::FILE* file) {
  if (setjmp(png_jmpbuf(s->png))) return false;
  png_structp png = s->png;
  png_infop info = s->info;
  png_init_io(png, file);
  png_set_sig_bytes(png, 0);
  png_read_info(png, info);
  int bitDepth, colourType, interlace;
  png_get_IHDR(png, info, &s->width, &s->height, &bitDepth, &colourType, &interlace, nullptr, nullptr);

  png_set_strip_16(png);
  png_set_packing(png);
  png_set_packswap(png);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
  const bool tRNS = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  if (tRNS) png_set_tRNS_to_alpha(png);
  s->alpha = tRNS || (colourType & PNG_COLOR_MASK_ALPHA) != 0;

  if (!png_get_valid(png, info, PNG_INFO_sRGB)) {
    double fileGamma;
    if (!png_get_gAMA(png, info, &fileGamma)) fileGamma = kDefaultFileGamma;
    // Only the colour samples are corrected; alpha stays as stored.
    png_set_gamma(png, kScreenGamma, fileGamma);
  }
  png_set_bgr(png);
  // Alpha is kept and blended once over the canvas after reading, in the
  // stored levels as browsers blend. Without alpha the filler is 0, so a read
  // row is already in the bitmap's 0x00RRGGBB form.
  if (!s->alpha) png_set_filler(png, 0, PNG_FILLER_AFTER);
  s->passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  s->rowBytes = png_get_rowbytes(png, info);
  return true;
}

// Grey and filler (or alpha) byte pairs at the start of a row become 32-bit
// grey pixels with that byte, working from the end so that no pair is
// overwritten before it is read.
void ExpandGreyRow(uint8_t* row, uint32_t width) {
  for (uint32_t x = width; x-- > 0;) {
    const uint8_t g = row[2 * x], a = row[2 * x + 1];
    row[4 * x] = g;
    row[4 * x + 1] = g;
    row[4 * x + 2] = g;
    row[4 * x + 3] = a;
  }
}

// B, G, R, alpha pixels become 0x00RRGGBB over the canvas.
void CompositeRow(uint8_t* row, uint32_t width) {
  for (uint32_t x = 0; x < width; ++x) {
    uint8_t* p = row + 4 * size_t(x);
    const unsigned a = p[3];
    for (int c = 0; c < 3; ++c) p[c] = uint8_t((p[c] * a + kCanvasLevel * (255 - a) + 127) / 255);
    p[3] = 0;
  }
}

// A row as read becomes a row of the bitmap.
void FinishRow(const PngSession* s, uint8_t* row, bool grey) {
  if (grey) ExpandGreyRow(row, s->width);
  else if (!s->alpha) return;
  if (s->alpha) CompositeRow(row, s->width);
}

// A library frame: no object with a destructor may live here.
bool DecodeRows(PngSession* s, CLoadJob* job, png_bytep* rows, bool grey) {
  if (setjmp(png_jmpbuf(s->png))) return false;
  const int64_t height = s->height, passes = s->passes;
  for (int64_t pass = 0; pass < passes; ++pass) {
    for (int64_t y = 0; y < height; ++y) {
      if (!job->Progress(y + height * pass, height * passes)) {
        s->abandoned = true;
        return false;
      }
      png_read_row(s->png, rows[y], nullptr);
      // Rows of a single pass are final at once; interlaced rows change
      // until the last pass.
      if (passes == 1) FinishRow(s, rows[y], grey);
    }
  }
  if (passes > 1)
    for (int64_t y = 0; y < height; ++y) FinishRow(s, rows[y], grey);
  png_read_end(s->png, nullptr);
  return true;
}

struct SessionCloser {
  PngSession* session;
  std::FILE* file;
  ~SessionCloser() {
    png_destroy_read_struct(&session->png, session->info ? &session->info : nullptr, nullptr);
    std::fclose(file);
  }
};

}  // namespace

void RunPngLoad(CLoadJob& job) {
  std::FILE* file = OpenPictureFile(job.Path());
  if (!file) return job.FailOpening(kCannotOpenPng);

  auto session = std::make_unique<PngSession>();
  PngSession* s = session.get();
  std::memset(s, 0, sizeof *s);
  s->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, s, ErrorFn, nullptr);
  if (s->png) s->info = png_create_info_struct(s->png);
  SessionCloser closer{s, file};
  if (!s->png || !s->info) return job.Fail(61224);

  job.PostStart();
  if (!job.LockPicture()) return;
  if (!ReadHeader(s, file)) return job.FailOpening(kCannotOpenPng, s->message);
  if (!PictureSizeAllowed(s->width, s->height)) return job.Fail(61224);
  const size_t width = s->width;
  const bool grey = s->rowBytes == 2 * width;
  if (!grey && s->rowBytes != 4 * width) return job.FailOpening(kCannotOpenPng, "unexpected PNG row layout");

  std::unique_ptr<CBitmap> bitmap = CBitmap::Create32ForOverwrite(int32_t(s->width), int32_t(s->height));
  std::vector<png_bytep> rows;
  try {
    rows.resize(s->height);
  } catch (const std::bad_alloc&) {
    return job.Fail(61224);
  }
  if (!bitmap) return job.Fail(61224);
  for (png_uint_32 y = 0; y < s->height; ++y) rows[y] = bitmap->Row(int32_t(y));

  job.BeginProgress(FormatString(65001, {job.FileName()}));
  if (!DecodeRows(s, &job, rows.data(), grey)) {
    if (s->abandoned) return;
    return job.FailOpening(kCannotOpenPng, s->message);
  }
  job.Finish(std::move(bitmap));
}

}  // namespace zorva
