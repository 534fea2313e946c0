#include "platform/ByteBuffer.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace zorva {

namespace {
constexpr size_t kHugePage = size_t(2) << 20;
}  // namespace

void* AllocateLargeBlock(size_t bytes) {
  if (bytes < kHugePage) {
    void* p = std::malloc(bytes ? bytes : 1);
    if (!p) throw std::bad_alloc();
    return p;
  }
  if (bytes > SIZE_MAX - kHugePage) throw std::bad_alloc();
  size_t rounded = (bytes + kHugePage - 1) / kHugePage * kHugePage;
  void* p = std::aligned_alloc(kHugePage, rounded);
  if (!p) throw std::bad_alloc();
  ::madvise(p, rounded, MADV_HUGEPAGE);  // only advice: failure changes nothing
  return p;
}

void FreeLargeBlock(void* block) noexcept { std::free(block); }

void CByteBuffer::Reserve(size_t capacity) {
  if (capacity <= m_capacity) return;
  char* fresh = static_cast<char*>(AllocateLargeBlock(capacity));
  if (m_size) std::memcpy(fresh, m_data, m_size);
  FreeLargeBlock(m_data);
  m_data = fresh;
  m_capacity = capacity;
}

void CByteBuffer::Grow(size_t size) { Reserve(std::max({size, m_capacity * 2, size_t(4096)})); }

void CByteBuffer::Swap(CByteBuffer& other) noexcept {
  std::swap(m_data, other.m_data);
  std::swap(m_size, other.m_size);
  std::swap(m_capacity, other.m_capacity);
}

}  // namespace zorva
