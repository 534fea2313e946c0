// Buffer, state, clipping and the pixel combination rules of the device
// context. Lines and shapes are in DCShapes.cpp, transfers in DCBlit.cpp.
#include "platform/DC.h"

#include <algorithm>

CBrush CBrush::Halftone() {
  return Pattern({0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA});
}

CDC::CDC(int32_t width, int32_t height, COLORREF fill) { Resize(width, height, fill); }

void CDC::Resize(int32_t width, int32_t height, COLORREF fill) {
  m_width = std::max(width, 0);
  m_height = std::max(height, 0);
  m_bits.assign(size_t(m_width) * size_t(m_height), fill);
  m_origin = CPoint();
  m_hasClip = false;
}

COLORREF CDC::Pixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
  return m_bits[size_t(y) * size_t(m_width) + size_t(x)];
}

CPoint CDC::SetViewportOrg(int32_t x, int32_t y) {
  CPoint old = m_origin;
  m_origin = CPoint(x, y);
  return old;
}

CPoint CDC::OffsetViewportOrg(int32_t dx, int32_t dy) {
  // Wrap rather than overflow; an origin that far out only clips everything.
  return SetViewportOrg(int32_t(uint32_t(m_origin.x) + uint32_t(dx)),
                        int32_t(uint32_t(m_origin.y) + uint32_t(dy)));
}

void CDC::SetClipRect(const CRect& device) {
  m_hasClip = true;
  m_clip = device;
}

void CDC::ResetClip() { m_hasClip = false; }

CDC::DeviceRect CDC::EffectiveClip() const {
  DeviceRect c{0, 0, m_width, m_height};
  if (m_hasClip) {
    c.left = std::max<int64_t>(c.left, m_clip.left);
    c.top = std::max<int64_t>(c.top, m_clip.top);
    c.right = std::min<int64_t>(c.right, m_clip.right);
    c.bottom = std::min<int64_t>(c.bottom, m_clip.bottom);
  }
  if (c.right < c.left) c.right = c.left;
  if (c.bottom < c.top) c.bottom = c.top;
  return c;
}

CRect CDC::GetClipBox() const {
  DeviceRect c = EffectiveClip();
  return CRect(int32_t(c.left - m_origin.x), int32_t(c.top - m_origin.y),
               int32_t(c.right - m_origin.x), int32_t(c.bottom - m_origin.y));
}

int CDC::SetROP2(int rop) {
  if (rop < 1 || rop > 16) return 0;
  int old = m_rop2;
  m_rop2 = rop;
  return old;
}

COLORREF CDC::SetTextColor(COLORREF c) {
  COLORREF old = m_textColor;
  m_textColor = c & 0xFFFFFF;
  return old;
}

COLORREF CDC::SetBkColor(COLORREF c) {
  COLORREF old = m_bkColor;
  m_bkColor = c & 0xFFFFFF;
  return old;
}

uint32_t CDC::ApplyRop2(int rop, uint32_t p, uint32_t d) {
  // The code minus one is a truth table over (pen bit, destination bit):
  // bit 3 for (1,1), bit 2 for (1,0), bit 1 for (0,1), bit 0 for (0,0).
  unsigned t = unsigned(rop - 1);
  uint32_t r = 0;
  if (t & 8) r |= p & d;
  if (t & 4) r |= p & ~d;
  if (t & 2) r |= ~p & d;
  if (t & 1) r |= ~p & ~d;
  return r & 0xFFFFFF;
}

COLORREF CDC::BrushColor(const CBrush& brush, int64_t x, int64_t y) const {
  if (brush.kind != CBrush::kPattern) return brush.color & 0xFFFFFF;
  // The pattern is anchored at the buffer's top-left corner.
  uint8_t row = brush.rows[size_t(y & 7)];
  bool bit = (row >> (7 - (x & 7))) & 1;
  return bit ? m_bkColor : m_textColor;
}

COLORREF CDC::GetPixel(int32_t x, int32_t y) const {
  int64_t dx = int64_t(x) + m_origin.x, dy = int64_t(y) + m_origin.y;
  DeviceRect c = EffectiveClip();
  if (dx < c.left || dx >= c.right || dy < c.top || dy >= c.bottom) return CLR_INVALID;
  return m_bits[size_t(dy) * size_t(m_width) + size_t(dx)];
}

void CDC::SetPixel(int32_t x, int32_t y, COLORREF color) {
  int64_t dx = int64_t(x) + m_origin.x, dy = int64_t(y) + m_origin.y;
  DeviceRect c = EffectiveClip();
  if (dx < c.left || dx >= c.right || dy < c.top || dy >= c.bottom) return;
  m_bits[size_t(dy) * size_t(m_width) + size_t(dx)] = color & 0xFFFFFF;
}

void CDC::PenSpan(const DeviceRect& c, int64_t y, int64_t x0, int64_t x1) {
  if (m_pen.null || y < c.top || y >= c.bottom) return;
  x0 = std::max(x0, c.left);
  x1 = std::min(x1, c.right - 1);
  if (x0 > x1) return;
  PenRun(m_bits.data() + size_t(y) * size_t(m_width) + size_t(x0), x1 - x0 + 1);
}

void CDC::BrushSpan(const DeviceRect& c, int64_t y, int64_t x0, int64_t x1, const CBrush& brush) {
  if (brush.kind == CBrush::kNull || y < c.top || y >= c.bottom) return;
  x0 = std::max(x0, c.left);
  x1 = std::min(x1, c.right - 1);
  for (int64_t x = x0; x <= x1; ++x) Plot(x, y, BrushColor(brush, x, y));
}
