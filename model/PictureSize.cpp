#include "model/PictureSize.h"

#include <string>

#include "platform/FileSystem.h"

namespace zorva {

namespace {

// A JPEG's size stands in its frame header, after any number of other
// segments (EXIF data alone can fill 64 KiB): this much of the file is read.
constexpr size_t kHeadBytes = size_t(1) << 20;

uint32_t Big16(std::string_view s, size_t at) {
  return uint32_t(uint8_t(s[at])) << 8 | uint8_t(s[at + 1]);
}
uint32_t Big32(std::string_view s, size_t at) { return Big16(s, at) << 16 | Big16(s, at + 2); }
uint32_t Little16(std::string_view s, size_t at) {
  return uint32_t(uint8_t(s[at + 1])) << 8 | uint8_t(s[at]);
}

// No side beyond what a JPEG or a GIF can state, which is also the most the
// editor's loaders take.
constexpr uint32_t kMaxSide = 0xFFFF;

std::optional<CSize> Checked(uint32_t w, uint32_t h) {
  if (w == 0 || h == 0 || w > kMaxSide || h > kMaxSide) return std::nullopt;
  return CSize{int32_t(w), int32_t(h)};
}

std::optional<CSize> JpegSize(std::string_view s) {
  size_t at = 2;
  while (at + 4 <= s.size()) {
    if (uint8_t(s[at]) != 0xFF) return std::nullopt;
    const uint8_t marker = uint8_t(s[at + 1]);
    if (marker == 0xFF) {  // fill byte
      ++at;
      continue;
    }
    // Markers that stand alone, without a length.
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
      at += 2;
      continue;
    }
    if (marker == 0xD9 || marker == 0xDA) return std::nullopt;  // no frame before the data
    const uint32_t length = Big16(s, at + 2);
    if (length < 2) return std::nullopt;
    const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (length < 7 || at + 9 > s.size()) return std::nullopt;
      return Checked(Big16(s, at + 7), Big16(s, at + 5));
    }
    at += 2 + length;
  }
  return std::nullopt;
}

}  // namespace

std::optional<CSize> PictureSizeOfHeader(std::string_view s) {
  if (s.size() >= 24 && s.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8) && s.substr(12, 4) == "IHDR")
    return Checked(Big32(s, 16), Big32(s, 20));
  if (s.size() >= 10 && (s.substr(0, 6) == "GIF87a" || s.substr(0, 6) == "GIF89a"))
    return Checked(Little16(s, 6), Little16(s, 8));
  if (s.size() >= 4 && uint8_t(s[0]) == 0xFF && uint8_t(s[1]) == 0xD8) return JpegSize(s);
  return std::nullopt;
}

std::optional<CSize> PictureSizeOfFile(const CString& path) {
  std::string head;
  if (!ReadFileHead(path, kHeadBytes, head)) return std::nullopt;
  return PictureSizeOfHeader(head);
}

}  // namespace zorva
