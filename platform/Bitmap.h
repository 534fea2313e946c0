#pragma once
// A device-independent bitmap: either 32-bit pixels (0x00RRGGBB) or 8-bit
// palette indices with a 256-entry palette. Rows run top to bottom; 8-bit rows
// are padded to an even number of bytes.
#include <array>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/Types.h"

class CBitmap {
 public:
  // Null when the size is not positive or the pixels cannot be allocated.
  static std::unique_ptr<CBitmap> Create32(int32_t width, int32_t height);
  // As Create32, but the pixels start undefined: for callers that write
  // every pixel (picture decoders), which then skip a pass over the memory.
  static std::unique_ptr<CBitmap> Create32ForOverwrite(int32_t width, int32_t height);
  static std::unique_ptr<CBitmap> Create8(int32_t width, int32_t height);

  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  int BitsPerPixel() const { return m_bpp; }
  // Bytes from one row to the next.
  size_t Stride() const { return m_stride; }

  uint8_t* Row(int32_t y) { return m_bits.data() + size_t(y) * m_stride; }
  const uint8_t* Row(int32_t y) const { return m_bits.data() + size_t(y) * m_stride; }
  uint32_t* Row32(int32_t y) { return reinterpret_cast<uint32_t*>(Row(y)); }
  const uint32_t* Row32(int32_t y) const { return reinterpret_cast<const uint32_t*>(Row(y)); }

  // The colour at (x, y), through the palette for 8-bit bitmaps.
  COLORREF GetPixel(int32_t x, int32_t y) const {
    return m_bpp == 32 ? Row32(y)[x] : m_palette[Row(y)[x]];
  }

  std::array<COLORREF, 256>& Palette() { return m_palette; }
  const std::array<COLORREF, 256>& Palette() const { return m_palette; }

  size_t ByteSize() const { return m_bits.size(); }

 private:
  CBitmap() = default;
  static std::unique_ptr<CBitmap> Create(int32_t width, int32_t height, int bpp, bool zero);

  // Leaves new bytes uninitialised; large blocks are placed so that the
  // kernel can back them with huge pages.
  struct PixelAllocator {
    using value_type = uint8_t;
    template <class U>
    struct rebind {
      static_assert(std::is_same_v<U, uint8_t>, "pixel storage holds bytes only");
      using other = PixelAllocator;
    };
    PixelAllocator() = default;
    template <class U>
    PixelAllocator(const U&) {}
    uint8_t* allocate(size_t n);
    void deallocate(uint8_t* p, size_t n);
    template <class U>
    void construct(U* p) {
      ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... A>
    void construct(U* p, A&&... a) {
      ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
    }
    bool operator==(const PixelAllocator&) const { return true; }
  };

  int32_t m_width = 0;
  int32_t m_height = 0;
  int m_bpp = 32;
  size_t m_stride = 0;
  std::vector<uint8_t, PixelAllocator> m_bits;
  std::array<COLORREF, 256> m_palette{};
};
