#pragma once
// A small raster device context over an owned 32-bit pixel buffer (0x00RRGGBB).
// Everything the editor draws goes through it, so drawing is exact and can be
// checked pixel by pixel without a display, and exclusive-or feedback behaves
// the same on every desktop.
//
// Logical coordinates map to buffer (device) coordinates by adding the
// viewport origin. Every operation is clipped to the buffer and to the clip
// rectangle; no coordinate, however large or negative, writes outside.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/Types.h"

class CBitmap;

// Binary raster operations of pens and brushes (the pen or brush colour P
// combined with the destination D). Codes 1..16 are accepted; these two are
// the ones the editor uses.
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOP = 11;
constexpr int R2_COPYPEN = 13;

// Ternary raster operations accepted by PatBlt and StretchBlt.
constexpr uint32_t SRCCOPY = 0x00CC0020;    // S
constexpr uint32_t SRCPAINT = 0x00EE0086;   // D | S
constexpr uint32_t SRCAND = 0x008800C6;     // D & S
constexpr uint32_t SRCINVERT = 0x00660046;  // D ^ S
constexpr uint32_t PATCOPY = 0x00F00021;    // P
constexpr uint32_t PATINVERT = 0x005A0049;  // D ^ P
constexpr uint32_t DSTINVERT = 0x00550009;  // ~D
constexpr uint32_t BLACKNESS = 0x00000042;
constexpr uint32_t WHITENESS = 0x00FF0062;

// What GetPixel answers outside the buffer or the clip rectangle.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

// A one-pixel cosmetic pen, or no pen at all.
struct CPen {
  bool null = false;
  COLORREF color = 0;
  static CPen Solid(COLORREF c) { return CPen{false, c}; }
  static CPen Null() { return CPen{true, 0}; }
  bool operator==(const CPen&) const = default;
};

// A solid brush, the null (hollow) brush, or an 8x8 monochrome pattern. In a
// pattern row the most significant bit is the leftmost pixel; a 0 bit paints
// the device context's text colour and a 1 bit its background colour.
struct CBrush {
  enum Kind { kSolid, kNull, kPattern };
  Kind kind = kSolid;
  COLORREF color = RGB(255, 255, 255);
  std::array<uint8_t, 8> rows{};

  static CBrush Solid(COLORREF c) { return CBrush{kSolid, c, {}}; }
  static CBrush Null() { return CBrush{kNull, 0, {}}; }
  static CBrush Pattern(const std::array<uint8_t, 8>& r) { return CBrush{kPattern, 0, r}; }
  // The one-pixel checkerboard (rows 0x55, 0xAA, ...) used to fade the picture.
  static CBrush Halftone();
  bool operator==(const CBrush&) const = default;
};

class CDC {
 public:
  // A buffer of width x height pixels (negative sizes count as 0), every
  // pixel set to `fill`.
  CDC(int32_t width, int32_t height, COLORREF fill = RGB(255, 255, 255));

  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  // Row-major pixels, Width() per row, top row first.
  const uint32_t* Bits() const { return m_bits.data(); }
  // The pixel at device (buffer) coordinates, CLR_INVALID outside the buffer.
  COLORREF Pixel(int32_t x, int32_t y) const;
  // Resizes the buffer; all pixels become `fill`. Origin and clip are reset.
  void Resize(int32_t width, int32_t height, COLORREF fill = RGB(255, 255, 255));

  // --- coordinate mapping and clipping ---
  CPoint SetViewportOrg(int32_t x, int32_t y);
  CPoint OffsetViewportOrg(int32_t dx, int32_t dy);
  CPoint GetViewportOrg() const { return m_origin; }
  // The clip rectangle in device coordinates (right and bottom excluded); the
  // buffer bounds always apply as well.
  void SetClipRect(const CRect& device);
  void ResetClip();
  // The visible part of the clip rectangle, in logical coordinates.
  CRect GetClipBox() const;

  // --- drawing state ---
  // Inline: every area drawn selects a pen and a brush and puts them back.
  CPen SelectPen(const CPen& pen) {
    const CPen old = m_pen;
    m_pen = pen;
    return old;
  }
  CBrush SelectBrush(const CBrush& brush) {
    const CBrush old = m_brush;
    m_brush = brush;
    return old;
  }
  const CPen& GetPen() const { return m_pen; }
  const CBrush& GetBrush() const { return m_brush; }
  // Returns the previous mode; an unknown mode is refused and 0 returned.
  int SetROP2(int rop);
  int GetROP2() const { return m_rop2; }
  COLORREF SetTextColor(COLORREF c);
  COLORREF SetBkColor(COLORREF c);
  COLORREF GetTextColor() const { return m_textColor; }
  COLORREF GetBkColor() const { return m_bkColor; }

  // --- pixels ---
  // Logical coordinates; CLR_INVALID outside the buffer or the clip rectangle.
  COLORREF GetPixel(int32_t x, int32_t y) const;
  void SetPixel(int32_t x, int32_t y, COLORREF c);

  // --- lines and shapes (pen and brush combined with the ROP2 mode) ---
  CPoint MoveTo(int32_t x, int32_t y) {
    const CPoint old = m_pos;
    m_pos = CPoint(x, y);
    return old;
  }
  // Draws from the current position up to, but not including, (x, y), then
  // makes (x, y) the current position.
  void LineTo(int32_t x, int32_t y);
  CPoint GetCurrentPosition() const { return m_pos; }
  // The lines from each of the `n` points to the next, and from the last back
  // to the first when `closed`: the pixels MoveTo and LineTo would light, with
  // the clip worked out once. The current position ends at the last line's end.
  void Polyline(const CPoint* points, size_t n, bool closed);
  // Outline with the pen on the border of the box (right and bottom edges
  // excluded), inside with the brush; every pixel is painted exactly once.
  void Rectangle(int32_t l, int32_t t, int32_t r, int32_t b);
  // The ellipse inscribed in the same box as Rectangle.
  void Ellipse(int32_t l, int32_t t, int32_t r, int32_t b);

  // --- fills and transfers (the ROP2 mode does not apply) ---
  void FillRect(const CRect& rc, const CBrush& brush);
  void FillSolidRect(const CRect& rc, COLORREF c) { FillRect(rc, CBrush::Solid(c)); }
  // PATCOPY, PATINVERT, DSTINVERT, BLACKNESS or WHITENESS with the selected
  // brush; false for any other operation.
  bool PatBlt(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rop);
  // Copies the source rectangle of `src` onto the destination rectangle,
  // scaling by picking the nearest source pixel (rows and columns are dropped
  // or repeated, never blended). 8-bit bitmaps go through their palette.
  // SRCCOPY, SRCPAINT, SRCAND or SRCINVERT; false for another operation or a
  // non-positive size. Source pixels outside the bitmap leave the
  // destination unchanged.
  bool StretchBlt(int32_t x, int32_t y, int32_t w, int32_t h, const CBitmap& src, int32_t sx,
                  int32_t sy, int32_t sw, int32_t sh, uint32_t rop);

 private:
  struct DeviceRect {
    int64_t left, top, right, bottom;  // right and bottom excluded
  };
  DeviceRect EffectiveClip() const;
  // The device box of a shape with its corners put in order.
  DeviceRect ShapeBox(int32_t l, int32_t t, int32_t r, int32_t b) const;
  COLORREF BrushColor(const CBrush& brush, int64_t x, int64_t y) const;
  // Combines `c` into the pixel at device (x, y) with the ROP2 mode; the
  // caller has clipped.
  void Plot(int64_t x, int64_t y, COLORREF c) {
    uint32_t& d = m_bits[size_t(y) * size_t(m_width) + size_t(x)];
    // The two modes the editor draws with are taken without the table walk:
    // outlines of thousands of areas go through here pixel by pixel.
    if (m_rop2 == R2_COPYPEN)
      d = c & 0xFFFFFF;
    else if (m_rop2 == R2_XORPEN)
      d = (d ^ c) & 0xFFFFFF;
    else
      d = ApplyRop2(m_rop2, c, d);
  }
  static uint32_t ApplyRop2(int rop, uint32_t p, uint32_t d);
  // Pen or brush span on device row y from x0 to x1 inclusive, with ROP2,
  // cut to the clip `c` (the caller's EffectiveClip, taken once a shape).
  void PenSpan(const DeviceRect& c, int64_t y, int64_t x0, int64_t x1);
  void BrushSpan(const DeviceRect& c, int64_t y, int64_t x0, int64_t x1, const CBrush& brush);
  // `n` pixels from `d` on, combined with the pen colour by the ROP2 mode,
  // which is chosen once a run, not once a pixel: a full paint draws
  // millions of outline pixels, most of them in runs of one or two.
  void PenRun(uint32_t* d, int64_t n) const {
    const uint32_t c = m_pen.color & 0xFFFFFF;
    if (m_rop2 == R2_COPYPEN) {
      for (int64_t i = 0; i < n; ++i) d[i] = c;
    } else if (m_rop2 == R2_XORPEN) {
      for (int64_t i = 0; i < n; ++i) d[i] = (d[i] ^ c) & 0xFFFFFF;
    } else {
      for (int64_t i = 0; i < n; ++i) d[i] = ApplyRop2(m_rop2, c, d[i]);
    }
  }
  // Device coordinates, cut to the clip `c`.
  void RasterLine(const DeviceRect& c, int64_t x0, int64_t y0, int64_t x1, int64_t y1);

  int32_t m_width = 0;
  int32_t m_height = 0;
  std::vector<uint32_t> m_bits;
  CPoint m_origin;
  bool m_hasClip = false;
  CRect m_clip;
  CPen m_pen;
  CBrush m_brush;
  int m_rop2 = R2_COPYPEN;
  COLORREF m_textColor = RGB(0, 0, 0);
  COLORREF m_bkColor = RGB(255, 255, 255);
  CPoint m_pos;
};

// Puts back the pen, the brush and the ROP2 mode of a device context when it
// leaves the scope, so a drawing routine leaves the caller's state untouched.
class CDCStateGuard {
 public:
  explicit CDCStateGuard(CDC& dc)
      : m_dc(dc), m_pen(dc.GetPen()), m_brush(dc.GetBrush()), m_rop(dc.GetROP2()) {}
  ~CDCStateGuard() {
    m_dc.SelectPen(m_pen);
    m_dc.SelectBrush(m_brush);
    m_dc.SetROP2(m_rop);
  }
  CDCStateGuard(const CDCStateGuard&) = delete;
  CDCStateGuard& operator=(const CDCStateGuard&) = delete;

 private:
  CDC& m_dc;
  CPen m_pen;
  CBrush m_brush;
  int m_rop;
};
