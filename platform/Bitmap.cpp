#include "platform/Bitmap.h"

#include <new>

namespace {
// Bitmaps larger than this many bytes are refused rather than attempted.
constexpr uint64_t kMaxBitmapBytes = uint64_t(1) << 31;
}  // namespace


std::unique_ptr<CBitmap> CBitmap::Create32(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return nullptr;
  uint64_t bytes = uint64_t(width) * uint64_t(height) * 4;
  if (bytes > kMaxBitmapBytes) return nullptr;
  std::unique_ptr<CBitmap> b(new (std::nothrow) CBitmap());
  if (!b) return nullptr;
  try {
    b->m_bits.resize(size_t(bytes));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  b->m_width = width;
  b->m_height = height;
  b->m_bpp = 32;
  b->m_stride = size_t(width) * 4;
  return b;
}

std::unique_ptr<CBitmap> CBitmap::Create8(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return nullptr;
  size_t stride = (size_t(width) + 1) & ~size_t(1);
  uint64_t bytes = uint64_t(stride) * uint64_t(height);
  if (bytes > kMaxBitmapBytes) return nullptr;
  std::unique_ptr<CBitmap> b(new (std::nothrow) CBitmap());
  if (!b) return nullptr;
  try {
    b->m_bits.resize(size_t(bytes));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  b->m_width = width;
  b->m_height = height;
  b->m_bpp = 8;
  b->m_stride = stride;
  return b;
}
