// The GIF worker: the program's own decoder, then the rows into the bitmap
// (in their picture order for an interlaced image).
#include <vector>

#include "image/GifDecoder.h"
#include "image/LoadJob.h"
#include "image/PictureDecoders.h"
#include "image/PictureFile.h"
#include "platform/StringTable.h"

namespace zorva {

void RunGifLoad(CLoadJob& job) {
  std::vector<uint8_t> file;
  if (!ReadPictureFile(job.Path(), file)) return job.Fail(61223);

  CGifDecoder decoder;
  switch (decoder.Decode(std::move(file))) {
    case CGifDecoder::Result::Ok:
    case CGifDecoder::Result::NoImage:
      break;
    case CGifDecoder::Result::BadCodeSize:
      return job.Fail(61223);
    case CGifDecoder::Result::TooLarge:
    case CGifDecoder::Result::OutOfMemory:
      return job.Fail(61224);
  }
  const int32_t w = decoder.Width(), h = decoder.Height();
  std::unique_ptr<CBitmap> bitmap;
  if (w > 0 && h > 0) {
    bitmap = CBitmap::Create32ForOverwrite(w, h);
    if (!bitmap) return job.Fail(61224);
  }

  if (!job.LockPicture()) return;
  job.PostStart();
  job.BeginProgress(FormatString(61215, {job.FileTitle(), job.FileExtension()}));
  for (int32_t n = 0; n < h && bitmap; ++n) {
    if (!job.Progress(n, h)) return;
    decoder.CopyStreamRow(n, bitmap->Row32(CGifDecoder::PictureRow(n, h, decoder.Interlaced())));
  }
  job.Finish(std::move(bitmap));
}

}  // namespace zorva
