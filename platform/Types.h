#pragma once
// Plain value types that stand in for the desktop framework's point, size and
// rectangle, and the byte string every model text is kept in.
#include <cstddef>
#include <cstdint>
#include <string>

// Model strings are bytes in the system code page (CP932): project files and
// pages carry them unchanged. Conversion happens only at the edges.
using CString = std::string;

struct CPoint {
  int32_t x = 0;
  int32_t y = 0;
  CPoint() = default;
  CPoint(int32_t x_, int32_t y_) : x(x_), y(y_) {}
  bool operator==(const CPoint&) const = default;
};

struct CSize {
  int32_t cx = 0;
  int32_t cy = 0;
  bool operator==(const CSize&) const = default;
};

struct CRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  CRect() = default;
  CRect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool IsRectEmpty() const { return right <= left || bottom <= top; }
  bool operator==(const CRect&) const = default;
};

// Colour as the device context stores it: 0x00RRGGBB.
using COLORREF = uint32_t;
constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) {
  return (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
}
