#pragma once
// Memory for tens of megabytes of bytes at once (a project stream, a picture's
// pixels). Blocks from 2 MiB on are placed for huge pages: filling fresh
// memory page by page otherwise costs more than producing the bytes.
#include <cstddef>
#include <string_view>

namespace zorva {

// Uninitialised bytes; large blocks are aligned and advised for huge pages.
// Throws std::bad_alloc when the memory cannot be had.
void* AllocateLargeBlock(size_t bytes);
void FreeLargeBlock(void* block) noexcept;

// A growable buffer of uninitialised bytes on AllocateLargeBlock.
class CByteBuffer {
 public:
  CByteBuffer() = default;
  ~CByteBuffer() { FreeLargeBlock(m_data); }
  CByteBuffer(const CByteBuffer&) = delete;
  CByteBuffer& operator=(const CByteBuffer&) = delete;
  CByteBuffer(CByteBuffer&& other) noexcept { Swap(other); }
  CByteBuffer& operator=(CByteBuffer&& other) noexcept {
    Swap(other);
    return *this;
  }

  char* Data() { return m_data; }
  const char* Data() const { return m_data; }
  size_t Size() const { return m_size; }
  size_t Capacity() const { return m_capacity; }
  std::string_view View() const { return std::string_view(m_data, m_size); }

  // Makes room for `capacity` bytes, keeping the contents.
  void Reserve(size_t capacity);
  // Sets the size; new bytes are uninitialised. Grows at least twofold.
  // Inline: a project stream is written a few bytes at a time.
  void Resize(size_t size) {
    if (size > m_capacity) Grow(size);
    m_size = size;
  }
  void Clear() { m_size = 0; }

 private:
  void Grow(size_t size);
  void Swap(CByteBuffer& other) noexcept;

  char* m_data = nullptr;
  size_t m_size = 0;
  size_t m_capacity = 0;
};

}  // namespace zorva
