#include "image/GifDecoder.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "image/GifLzw.h"

namespace {

// Bounds-checked reading over the file; a read past the end yields nothing.
class ByteCursor {
 public:
  ByteCursor(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
  size_t Left() const { return m_size - m_pos; }
  size_t Pos() const { return m_pos; }
  bool Byte(uint8_t& b) {
    if (m_pos >= m_size) return false;
    b = m_data[m_pos++];
    return true;
  }
  bool Word(uint16_t& w) {
    if (Left() < 2) return false;
    w = uint16_t(m_data[m_pos] | (m_data[m_pos + 1] << 8));
    m_pos += 2;
    return true;
  }
  // Skips up to n bytes; the number skipped.
  size_t Skip(size_t n) {
    n = std::min(n, Left());
    m_pos += n;
    return n;
  }
  // Skips a chain of data sub-blocks up to and including its terminator.
  void SkipSubBlocks() {
    uint8_t len;
    while (Byte(len) && len != 0) Skip(len);
  }

 private:
  const uint8_t* m_data;
  size_t m_size;
  size_t m_pos = 0;
};

constexpr uint8_t kExtension = 0x21;
constexpr uint8_t kImage = 0x2C;
constexpr uint8_t kTrailer = 0x3B;
constexpr uint8_t kGraphicControl = 0xF9;

size_t TableBytes(uint8_t flags) { return size_t(3) << ((flags & 7) + 1); }

}  // namespace

void CGifDecoder::SetColours(const uint8_t* table, size_t bytes) {
  m_colours.fill(0);
  for (size_t i = 0; i < 256 && 3 * i + 2 < bytes; ++i)
    m_colours[i] = RGB(table[3 * i], table[3 * i + 1], table[3 * i + 2]);
}

CGifDecoder::Result CGifDecoder::Decode(std::vector<uint8_t> file, int64_t maxPixels) {
  m_width = m_height = 0;
  m_interlaced = false;
  m_indices.clear();
  m_decoded = 0;
  m_colours.fill(0);

  uint8_t* data = file.data();
  ByteCursor in(data, file.size());
  // Header (not checked) and logical screen descriptor.
  in.Skip(6);
  uint16_t screenW, screenH;
  uint8_t screenFlags = 0, background, aspect;
  if (!in.Word(screenW) || !in.Word(screenH) || !in.Byte(screenFlags) || !in.Byte(background) ||
      !in.Byte(aspect))
    return Result::NoImage;
  uint8_t globalTable[768] = {};
  size_t globalBytes = 0;
  if (screenFlags & 0x80) {
    globalBytes = std::min(TableBytes(screenFlags), in.Left());
    std::memcpy(globalTable, data + in.Pos(), globalBytes);
    in.Skip(globalBytes);
  }

  uint8_t block;
  while (in.Byte(block) && block != kTrailer) {
    if (block == kExtension) {
      uint8_t label;
      if (!in.Byte(label)) break;
      // The graphic control block is skipped whole: its size byte, its four
      // bytes and the terminator. Every other extension is a chain of
      // sub-blocks.
      if (label == kGraphicControl) in.Skip(6);
      else in.SkipSubBlocks();
      continue;
    }
    if (block != kImage) continue;  // stray bytes are passed over

    uint16_t left, top, w, h;
    uint8_t flags;
    if (!in.Word(left) || !in.Word(top) || !in.Word(w) || !in.Word(h) || !in.Byte(flags))
      return Result::NoImage;
    if (!zorva::PictureSizeAllowed(w, h, maxPixels)) return Result::TooLarge;
    m_width = w;
    m_height = h;
    m_interlaced = (flags & 0x40) != 0;
    if (flags & 0x80) {
      size_t bytes = std::min(TableBytes(flags), in.Left());
      SetColours(data + in.Pos(), bytes);
      in.Skip(bytes);
    } else {
      SetColours(globalTable, globalBytes);
    }
    // A stream cut before its code size is damaged like any cut stream; a
    // code size out of range would decode nothing and show a black picture
    // as if it were the image.
    uint8_t minCodeSize = 0;
    if (in.Byte(minCodeSize) &&
        (minCodeSize < zorva::kGifMinCodeSizeLow || minCodeSize > zorva::kGifMinCodeSizeHigh)) {
      m_width = m_height = 0;
      return Result::BadCodeSize;
    }

    // Join the sub-blocks in place: each one moves down over the length
    // bytes before it, so the code stream needs no second buffer.
    size_t codeStart = in.Pos();
    size_t codeEnd = codeStart;
    uint8_t len;
    while (in.Byte(len) && len != 0) {
      size_t from = in.Pos();
      size_t got = in.Skip(len);
      std::memmove(data + codeEnd, data + from, got);
      codeEnd += got;
    }

    size_t pixels = size_t(w) * size_t(h);
    try {
      m_indices.assign(pixels + zorva::kGifLzwSlack, 0);
    } catch (const std::bad_alloc&) {
      m_width = m_height = 0;
      return Result::OutOfMemory;
    }
    m_decoded = zorva::DecodeGifLzw(data + codeStart, codeEnd - codeStart, minCodeSize,
                                    m_indices.data(), pixels);
    return Result::Ok;
  }
  return Result::NoImage;
}

void CGifDecoder::CopyStreamRow(int32_t streamRow, uint32_t* dest) const {
  size_t start = size_t(streamRow) * size_t(m_width);
  size_t valid = m_decoded > start ? std::min(m_decoded - start, size_t(m_width)) : 0;
  const uint8_t* src = m_indices.data() + start;
  for (size_t x = 0; x < valid; ++x) dest[x] = m_colours[src[x]];
  std::fill(dest + valid, dest + m_width, 0u);
}

int32_t CGifDecoder::PictureRow(int32_t streamRow, int32_t height, bool interlaced) {
  if (!interlaced) return streamRow;
  int32_t n = streamRow;
  int32_t pass1 = (height + 7) / 8;
  if (n < pass1) return n * 8;
  n -= pass1;
  int32_t pass2 = (height + 3) / 8;
  if (n < pass2) return 4 + n * 8;
  n -= pass2;
  int32_t pass3 = (height + 1) / 4;
  if (n < pass3) return 2 + n * 4;
  n -= pass3;
  return 1 + n * 2;
}
