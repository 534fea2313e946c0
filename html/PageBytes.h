#pragma once
// The bytes of a page being written. A map of a few hundred thousand areas
// is tens of megabytes written a few bytes at a time, so pieces go through a
// cursor into a large buffer and the room is checked once per piece. Given a
// file, the buffer goes to it whenever it is full and the page is written
// while it is still being produced.
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/ByteBuffer.h"
#include "platform/ReplacingFile.h"

namespace zorva::html {

class CPageBytes {
 public:
  CPageBytes() = default;
  // The bytes go to `file`; View then shows only those not yet handed over.
  explicit CPageBytes(CReplacingFile* file) : m_file(file) {}

  // Bytes that stay in place until the page is finished and its file
  // committed (the text of the page being patched): given a file, they are
  // written from where they are instead of being copied.
  void AppendLasting(std::string_view s);
  // Hands what is still buffered to the file.
  void Finish();

  // At least `n` bytes of room after the cursor.
  char* Room(size_t n) {
    if (size_t(m_end - m_cur) < n) Grow(n);
    return m_cur;
  }

  void Append(std::string_view s) {
    const size_t n = s.size();
    char* p = Room(n);
    // Most pieces are a few bytes long: two overlapping fixed-size copies
    // cost less than a call into the general copy.
    const char* q = s.data();
    if (n >= 8 && n <= 16) {
      std::memcpy(p, q, 8);
      std::memcpy(p + n - 8, q + n - 8, 8);
    } else if (n >= 4 && n < 8) {
      std::memcpy(p, q, 4);
      std::memcpy(p + n - 4, q + n - 4, 4);
    } else if (n > 0 && n < 4) {
      p[0] = q[0];
      p[n / 2] = q[n / 2];
      p[n - 1] = q[n - 1];
    } else if (n > 16) {
      std::memcpy(p, q, n);
    }
    m_cur += n;
  }
  void Append(char c) {
    *Room(1) = c;
    ++m_cur;
  }
  void AppendNumber(int64_t v) {
    char* p = Room(kMaxDigits);
    m_cur = std::to_chars(p, p + kMaxDigits, v).ptr;
  }
  // Replaces the last byte written; there must be one.
  void SetBack(char c) { m_cur[-1] = c; }

  size_t Size() const { return m_cur ? size_t(m_cur - m_buf.Data()) : 0; }
  std::string_view View() const { return std::string_view(m_buf.Data(), Size()); }

 private:
  static constexpr size_t kMaxDigits = 20;  // "-9223372036854775808"
  // What goes to a file at once: big enough that writing costs few calls,
  // small enough that writing starts early and the buffers stay warm.
  static constexpr size_t kPiece = size_t(4) << 20;
  void Grow(size_t n);
  void HandOver();

  CReplacingFile* m_file = nullptr;
  CByteBuffer m_buf;
  char* m_cur = nullptr;
  char* m_end = nullptr;
};

}  // namespace zorva::html
