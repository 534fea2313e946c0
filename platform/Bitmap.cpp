#include "platform/Bitmap.h"

#include "platform/ByteBuffer.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {
// Bitmaps larger than this many bytes are refused rather than attempted.
constexpr uint64_t kMaxBitmapBytes = uint64_t(1) << 31;
}  // namespace

uint8_t* CBitmap::PixelAllocator::allocate(size_t n) {
  return static_cast<uint8_t*>(zorva::AllocateLargeBlock(n));
}

void CBitmap::PixelAllocator::deallocate(uint8_t* p, size_t) { zorva::FreeLargeBlock(p); }

std::unique_ptr<CBitmap> CBitmap::Create(int32_t width, int32_t height, int bpp, bool zero) {
  if (width <= 0 || height <= 0) return nullptr;
  size_t stride = bpp == 32 ? size_t(width) * 4 : (size_t(width) + 1) & ~size_t(1);
  uint64_t bytes = uint64_t(stride) * uint64_t(height);
  if (bytes > kMaxBitmapBytes) return nullptr;
  std::unique_ptr<CBitmap> b(new (std::nothrow) CBitmap());
  if (!b) return nullptr;
  try {
    b->m_bits.resize(size_t(bytes));
  } catch (const std::bad_alloc&) {
    return nullptr;
  } catch (const std::length_error&) {
    return nullptr;
  }
  if (zero) std::memset(b->m_bits.data(), 0, b->m_bits.size());
  b->m_width = width;
  b->m_height = height;
  b->m_bpp = bpp;
  b->m_stride = stride;
  return b;
}

std::unique_ptr<CBitmap> CBitmap::Create32(int32_t width, int32_t height) { return Create(width, height, 32, true); }

std::unique_ptr<CBitmap> CBitmap::Create32ForOverwrite(int32_t width, int32_t height) {
  return Create(width, height, 32, false);
}

std::unique_ptr<CBitmap> CBitmap::Create8(int32_t width, int32_t height) { return Create(width, height, 8, true); }
