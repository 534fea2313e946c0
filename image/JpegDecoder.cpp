// The JPEG decoder: libjpeg, one scanline at a time, into a 32-bit bitmap;
// on a palette display the picture is then reduced to 256 colours.
#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "image/ColourReduction.h"
#include "image/LoadJob.h"
#include "image/PictureDecoders.h"
#include "image/PictureFile.h"
#include "image/PictureLimits.h"
#include "platform/StringTable.h"

static_assert(std::endian::native == std::endian::little, "rows are unpacked from little-endian words");

namespace zorva {

namespace {

// "The JPEG file "%1" cannot be opened".
constexpr unsigned kCannotOpenJpeg = 65017;
// "The JPEG file "%1" ends early; it is shown as far as it could be read".
constexpr unsigned kJpegCutShort = 65039;

// Everything the library frames touch; plain data only, because the library
// leaves them with longjmp.
struct JpegSession {
  jpeg_decompress_struct cinfo;
  jpeg_error_mgr errorMgr;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool abandoned;
  bool cutShort;  // the data ended before the picture did
};

void ErrorExit(j_common_ptr cinfo) {
  JpegSession* s = static_cast<JpegSession*>(cinfo->client_data);
  (*cinfo->err->format_message)(cinfo, s->message);
  std::longjmp(s->jump, 1);
}

// Warnings are counted, not printed; the one that matters to the user, a
// file that ends early (the library fills the rest grey), is remembered.
void EmitMessage(j_common_ptr cinfo, int level) {
  if (level >= 0) return;
  if (cinfo->err->msg_code == JWRN_JPEG_EOF) static_cast<JpegSession*>(cinfo->client_data)->cutShort = true;
  ++cinfo->err->num_warnings;
}

// A library frame: no object with a destructor may live here.
bool ReadHeader(JpegSession* s, std::FILE* file) {
  if (setjmp(s->jump)) return false;
  jpeg_create_decompress(&s->cinfo);
  s->cinfo.client_data = s;
  jpeg_stdio_src(&s->cinfo, file);
  jpeg_read_header(&s->cinfo, TRUE);
  return true;
}

void ConvertRow(const JSAMPLE* src, int components, uint32_t width, uint32_t* dest, CColourHistogram* histogram) {
  if (components == 1) {
    for (uint32_t x = 0; x < width; ++x) dest[x] = uint32_t(src[x]) * 0x010101u;
    if (histogram)
      for (uint32_t x = 0; x < width; ++x) histogram->Add(uint16_t((src[x] >> 3) * 1057));
  } else {
    // Four pixels from three words: the row is written at memory speed.
    uint32_t x = 0;
    for (; x + 4 <= width; x += 4, src += 12) {
      uint32_t a, b, c;
      std::memcpy(&a, src, 4);
      std::memcpy(&b, src + 4, 4);
      std::memcpy(&c, src + 8, 4);
      a = __builtin_bswap32(a);  // R0 G0 B0 R1, R0 in the high byte
      b = __builtin_bswap32(b);  // G1 B1 R2 G2
      c = __builtin_bswap32(c);  // B2 R3 G3 B3
      dest[x] = a >> 8;
      dest[x + 1] = (a & 0xFF) << 16 | b >> 16;
      dest[x + 2] = (b & 0xFFFF) << 8 | c >> 24;
      dest[x + 3] = c & 0xFFFFFF;
    }
    for (; x < width; ++x, src += 3) dest[x] = RGB(src[0], src[1], src[2]);
    if (histogram) {
      src -= 3 * size_t(width);
      for (uint32_t x = 0; x < width; ++x, src += 3) histogram->Add(CColourHistogram::CodeOf(src[0], src[1], src[2]));
    }
  }
}

// A library frame: no object with a destructor may live here.
bool DecodeRows(JpegSession* s, CLoadJob* job, CBitmap* bitmap, JSAMPLE* row, CColourHistogram* histogram) {
  if (setjmp(s->jump)) return false;
  jpeg_start_decompress(&s->cinfo);
  const uint32_t height = s->cinfo.output_height;
  while (s->cinfo.output_scanline < height) {
    uint32_t y = s->cinfo.output_scanline;
    if (!job->Progress(y, height)) {
      s->abandoned = true;
      return false;
    }
    JSAMPROW rows[1] = {row};
    jpeg_read_scanlines(&s->cinfo, rows, 1);
    ConvertRow(row, s->cinfo.output_components, s->cinfo.output_width, bitmap->Row32(int32_t(y)), histogram);
  }
  jpeg_finish_decompress(&s->cinfo);
  return true;
}

// Maps every pixel to its nearest palette entry; false when abandoned.
bool ReduceColours(CLoadJob& job, const CBitmap& pixels, const Palette256& palette, CBitmap& indices) {
  CNearestColour nearest(palette);
  const int32_t w = pixels.Width(), h = pixels.Height();
  for (int32_t y = 0; y < h; ++y) {
    if (!job.Progress(y, h)) return false;
    const uint32_t* src = pixels.Row32(y);
    uint8_t* dest = indices.Row(y);
    for (int32_t x = 0; x < w; ++x) dest[x] = nearest.Find(src[x]);
  }
  return true;
}

// Closes what the outer frame opened, whichever way it ends.
struct SessionCloser {
  JpegSession* session;
  std::FILE* file;
  ~SessionCloser() {
    jpeg_destroy_decompress(&session->cinfo);
    std::fclose(file);
  }
};

}  // namespace

void RunJpegLoad(CLoadJob& job, bool paletteDisplay) {
  std::FILE* file = OpenPictureFile(job.Path());
  if (!file) return job.FailOpening(kCannotOpenJpeg);

  auto session = std::make_unique<JpegSession>();
  JpegSession* s = session.get();
  std::memset(s, 0, sizeof *s);
  s->cinfo.err = jpeg_std_error(&s->errorMgr);
  s->errorMgr.error_exit = ErrorExit;
  s->errorMgr.emit_message = EmitMessage;
  s->cinfo.client_data = s;
  SessionCloser closer{s, file};

  if (!ReadHeader(s, file)) return job.FailOpening(kCannotOpenJpeg, s->message);
  switch (s->cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
    case JCS_RGB:
    case JCS_YCbCr:
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      return job.Fail(61206);
    default:
      return job.Fail(61205);
  }
  const uint32_t width = s->cinfo.image_width, height = s->cinfo.image_height;
  if (!PictureSizeAllowed(width, height)) return job.Fail(61224);
  std::unique_ptr<CBitmap> pixels = CBitmap::Create32ForOverwrite(int32_t(width), int32_t(height));
  std::unique_ptr<CBitmap> indices = paletteDisplay ? CBitmap::Create8(int32_t(width), int32_t(height)) : nullptr;
  std::unique_ptr<CColourHistogram> histogram;
  std::vector<JSAMPLE> row;
  try {
    row.resize(size_t(width) * (s->cinfo.jpeg_color_space == JCS_GRAYSCALE ? 1 : 3));
    if (paletteDisplay) histogram = std::make_unique<CColourHistogram>();
  } catch (const std::bad_alloc&) {
    return job.Fail(61224);
  }
  if (!pixels || (paletteDisplay && !indices)) return job.Fail(61224);

  job.PostStart();
  if (!job.LockPicture()) return;
  job.BeginProgress(FormatString(61217, {job.FileName()}));
  if (!DecodeRows(s, &job, pixels.get(), row.data(), histogram.get())) {
    if (s->abandoned) return;
    return job.FailOpening(kCannotOpenJpeg, s->message);
  }
  if (!paletteDisplay) {
    job.Finish(std::move(pixels));
    if (s->cutShort) job.Notice(kJpegCutShort);
    return;
  }

  auto palette = std::make_unique<Palette256>(histogram->BuildPalette());
  histogram.reset();
  job.EndProgress();
  job.BeginProgress(LoadStringUtf8(65003));
  if (!ReduceColours(job, *pixels, *palette, *indices)) return;
  pixels.reset();
  indices->Palette() = *palette;
  job.Finish(std::move(indices), std::move(palette));
  if (s->cutShort) job.Notice(kJpegCutShort);
}

}  // namespace zorva
