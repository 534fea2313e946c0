#include "image/PictureSize.h"

#include <cstdint>
#include <cstring>
#include <memory>

#include "image/PictureFile.h"

namespace zorva {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool ReadBytes(std::FILE* f, uint8_t* out, size_t n) { return std::fread(out, 1, n, f) == n; }

std::optional<CSize> Positive(uint32_t w, uint32_t h) {
  if (w == 0 || h == 0 || w > INT32_MAX || h > INT32_MAX) return std::nullopt;
  return CSize{int32_t(w), int32_t(h)};
}

// The first frame header (SOF0..SOF15 but DHT, JPG and DAC) after the
// segments before it, which are skipped by their lengths.
std::optional<CSize> JpegSize(std::FILE* f) {
  for (;;) {
    int c = std::fgetc(f);
    if (c != 0xFF) return std::nullopt;
    while (c == 0xFF) c = std::fgetc(f);  // fill bytes
    if (c == EOF) return std::nullopt;
    const int marker = c;
    if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
    if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // the picture's data came first
    uint8_t len[2];
    if (!ReadBytes(f, len, 2)) return std::nullopt;
    const unsigned length = unsigned(len[0]) << 8 | len[1];
    if (length < 2) return std::nullopt;
    if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
      uint8_t sof[5];
      if (length < 7 || !ReadBytes(f, sof, 5)) return std::nullopt;
      return Positive(uint32_t(sof[3]) << 8 | sof[4], uint32_t(sof[1]) << 8 | sof[2]);
    }
    if (std::fseek(f, long(length - 2), SEEK_CUR) != 0) return std::nullopt;
  }
}

}  // namespace

std::optional<CSize> ReadPictureSize(const CString& path) {
  File f(OpenPictureFile(path));
  if (!f) return std::nullopt;
  uint8_t head[24];
  const size_t n = std::fread(head, 1, sizeof head, f.get());
  if (n >= 2 && head[0] == 0xFF && head[1] == 0xD8) {
    if (std::fseek(f.get(), 2, SEEK_SET) != 0) return std::nullopt;
    return JpegSize(f.get());
  }
  if (n >= 24 && std::memcmp(head, "\x89PNG\r\n\x1A\n", 8) == 0 && std::memcmp(head + 12, "IHDR", 4) == 0) {
    const auto be32 = [&](size_t i) {
      return uint32_t(head[i]) << 24 | uint32_t(head[i + 1]) << 16 | uint32_t(head[i + 2]) << 8 | head[i + 3];
    };
    return Positive(be32(16), be32(20));
  }
  if (n >= 10 && (std::memcmp(head, "GIF87a", 6) == 0 || std::memcmp(head, "GIF89a", 6) == 0))
    return Positive(uint32_t(head[6]) | uint32_t(head[7]) << 8, uint32_t(head[8]) | uint32_t(head[9]) << 8);
  return std::nullopt;
}

}  // namespace zorva
