#include "image/GifLzw.h"

#include <cstring>

namespace zorva {

namespace {

constexpr int kMaxCodeBits = 12;
constexpr uint32_t kMaxCodes = 1u << kMaxCodeBits;

// Reads codes least significant bit first from a byte string.
class CodeReader {
 public:
  CodeReader(const uint8_t* data, size_t size) : m_p(data), m_end(data + size) {}

  // False at the end of the data (a partial last code counts as none).
  bool Next(int width, uint32_t& code) {
    if (m_bits < width) {
      if (m_end - m_p >= 8) {
        // Refill up to 56 bits in one step.
        uint64_t word;
        std::memcpy(&word, m_p, 8);
        int take = (63 - m_bits) >> 3;
        m_buffer |= (word & ((uint64_t(1) << (take * 8)) - 1)) << m_bits;
        m_p += take;
        m_bits += take * 8;
      } else {
        while (m_bits <= 56 && m_p < m_end) {
          m_buffer |= uint64_t(*m_p++) << m_bits;
          m_bits += 8;
        }
        if (m_bits < width) return false;
      }
    }
    code = uint32_t(m_buffer) & ((1u << width) - 1);
    m_buffer >>= width;
    m_bits -= width;
    return true;
  }

 private:
  const uint8_t* m_p;
  const uint8_t* m_end;
  uint64_t m_buffer = 0;
  int m_bits = 0;
};

// Copies `len` bytes that end at or before `dst`; may write up to seven bytes
// past dst + len (the caller's slack). Reads may run past the source string
// into bytes already in the buffer, which only feeds that overshoot.
inline void CopyString(uint8_t* dst, const uint8_t* src, size_t len) {
  size_t i = 0;
  do {
    uint64_t w;
    std::memcpy(&w, src + i, 8);
    std::memcpy(dst + i, &w, 8);
    i += 8;
  } while (i < len);
}

}  // namespace

size_t DecodeGifLzw(const uint8_t* codes, size_t size, int minCodeSize, uint8_t* out, size_t capacity) {
  if (minCodeSize < kGifMinCodeSizeLow || minCodeSize > kGifMinCodeSizeHigh || capacity == 0) return 0;
  if (capacity > UINT32_MAX) capacity = UINT32_MAX;  // entry positions are 32-bit
  // Every dictionary string is a stretch of the output already written, so an
  // entry is only its start and length there.
  uint32_t entryPos[kMaxCodes];
  uint16_t entryLen[kMaxCodes];

  const uint32_t clearCode = 1u << minCodeSize;
  const uint32_t endCode = clearCode + 1;
  int width = minCodeSize + 1;
  uint32_t nextFree = clearCode + 2;
  bool havePrev = false;
  size_t prevPos = 0;
  size_t prevLen = 0;
  size_t pos = 0;

  CodeReader reader(codes, size);
  uint32_t code;
  while (reader.Next(width, code)) {
    if (code == clearCode) {
      width = minCodeSize + 1;
      nextFree = clearCode + 2;
      havePrev = false;
      continue;
    }
    if (code == endCode) break;

    size_t start = pos;
    size_t len;
    if (code < clearCode) {
      // Above code size 8 a literal may name no colour: damaged data.
      if (code > 0xFF) break;
      out[pos] = uint8_t(code);
      len = 1;
    } else if (code < nextFree) {
      len = entryLen[code];
      size_t room = capacity - pos;
      // The string lies wholly before `pos`, so the copy never meets itself
      // within `len` bytes; the slack takes the overshoot of the last step.
      CopyString(out + pos, out + entryPos[code], len < room ? len : room);
    } else if (code == nextFree && havePrev) {
      // The code being defined right now: the previous string and its own
      // first byte.
      len = prevLen + 1;
      size_t room = capacity - pos;
      CopyString(out + pos, out + prevPos, prevLen < room ? prevLen : room);
      if (prevLen < room) out[pos + prevLen] = out[prevPos];
    } else {
      break;  // not in the dictionary: the data is damaged from here on
    }

    if (len >= capacity - pos) {
      pos = capacity;
      break;
    }
    pos += len;

    if (havePrev && nextFree < kMaxCodes) {
      entryPos[nextFree] = uint32_t(prevPos);
      entryLen[nextFree] = uint16_t(prevLen + 1);
      ++nextFree;
      if (nextFree >= (1u << width) && width < kMaxCodeBits) ++width;
    }
    havePrev = true;
    prevPos = start;
    prevLen = len;
  }
  return pos;
}

}  // namespace zorva
