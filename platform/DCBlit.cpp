// Rectangle fills and bitmap transfers of the device context.
#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/DC.h"

void CDC::FillRect(const CRect& rc, const CBrush& brush) {
  if (brush.kind == CBrush::kNull || rc.IsRectEmpty()) return;
  DeviceRect c = EffectiveClip();
  int64_t l = std::max<int64_t>(int64_t(rc.left) + m_origin.x, c.left);
  int64_t r = std::min<int64_t>(int64_t(rc.right) + m_origin.x, c.right);
  int64_t t = std::max<int64_t>(int64_t(rc.top) + m_origin.y, c.top);
  int64_t b = std::min<int64_t>(int64_t(rc.bottom) + m_origin.y, c.bottom);
  if (l >= r) return;
  for (int64_t y = t; y < b; ++y) {
    uint32_t* row = m_bits.data() + size_t(y) * size_t(m_width);
    if (brush.kind == CBrush::kSolid) {
      // Every render of the view starts with a solid fill of its region.
      std::fill(row + l, row + r, brush.color & 0xFFFFFF);
      continue;
    }
    for (int64_t x = l; x < r; ++x) row[x] = BrushColor(brush, x, y);
  }
}

bool CDC::PatBlt(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rop) {
  if (rop != PATCOPY && rop != PATINVERT && rop != DSTINVERT && rop != BLACKNESS &&
      rop != WHITENESS)
    return false;
  // A negative extent reaches to the left of (or above) the given corner.
  int64_t l = int64_t(x) + m_origin.x, t = int64_t(y) + m_origin.y;
  int64_t r = l + w, b = t + h;
  if (r < l) std::swap(l, r);
  if (b < t) std::swap(t, b);
  bool usesBrush = rop == PATCOPY || rop == PATINVERT;
  if (usesBrush && m_brush.kind == CBrush::kNull) return true;
  DeviceRect c = EffectiveClip();
  l = std::max(l, c.left);
  t = std::max(t, c.top);
  r = std::min(r, c.right);
  b = std::min(b, c.bottom);
  for (int64_t yy = t; yy < b; ++yy) {
    uint32_t* row = m_bits.data() + size_t(yy) * size_t(m_width);
    for (int64_t xx = l; xx < r; ++xx) {
      uint32_t& d = row[xx];
      switch (rop) {
        case PATCOPY: d = BrushColor(m_brush, xx, yy); break;
        case PATINVERT: d = (d ^ BrushColor(m_brush, xx, yy)) & 0xFFFFFF; break;
        case DSTINVERT: d = ~d & 0xFFFFFF; break;
        case BLACKNESS: d = 0; break;
        default: d = 0xFFFFFF; break;
      }
    }
  }
  return true;
}

bool CDC::StretchBlt(int32_t x, int32_t y, int32_t w, int32_t h, const CBitmap& src, int32_t sx,
                     int32_t sy, int32_t sw, int32_t sh, uint32_t rop) {
  if (rop != SRCCOPY && rop != SRCPAINT && rop != SRCAND && rop != SRCINVERT) return false;
  if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return false;
  int64_t dl = int64_t(x) + m_origin.x, dt = int64_t(y) + m_origin.y;
  DeviceRect c = EffectiveClip();
  int64_t l = std::max(dl, c.left), r = std::min(dl + w, c.right);
  int64_t t = std::max(dt, c.top), b = std::min(dt + h, c.bottom);
  if (l >= r || t >= b) return true;

  // Destination pixel i takes source pixel floor(i * sw / w): a reduction
  // drops whole rows and columns, an enlargement repeats them.
  auto sourceIndex = [](int64_t i, int32_t s0, int32_t sn, int32_t dn) {
    return int64_t(s0) + i * sn / dn;
  };
  std::vector<int32_t> cols(size_t(r - l));
  for (int64_t xx = l; xx < r; ++xx) {
    int64_t s = sourceIndex(xx - dl, sx, sw, w);
    cols[size_t(xx - l)] = (s < 0 || s >= src.Width()) ? -1 : int32_t(s);
  }
  const bool palette = src.BitsPerPixel() != 32;
  // A plain copy of a 32-bit picture is what every repaint of the view does;
  // it gets a loop of its own without the per-pixel choices.
  if (!palette && rop == SRCCOPY) {
    // Unscaled, the destination columns whose source lies in the bitmap form
    // one run [inLo, inHi).
    const bool unscaled = sw == w;
    int64_t inLo = l, inHi = l;
    if (unscaled) {
      inLo = std::max(l, dl - sx);
      inHi = std::min(r, dl - sx + src.Width());
      if (inHi < inLo) inHi = inLo;
    }
    for (int64_t yy = t; yy < b; ++yy) {
      int64_t s = sourceIndex(yy - dt, sy, sh, h);
      if (s < 0 || s >= src.Height()) continue;
      const uint32_t* srow = reinterpret_cast<const uint32_t*>(src.Row(int32_t(s)));
      uint32_t* drow = m_bits.data() + size_t(yy) * size_t(m_width);
      if (unscaled) {
        // Columns map one to one: a straight run the compiler can widen.
        // The picture and the buffer never overlap; saying so lets the
        // compiler copy several pixels a step without a run-time check.
        const uint32_t* __restrict from = srow + (int64_t(sx) + (inLo - dl));
        uint32_t* __restrict to = drow + inLo;
        const int64_t count = inHi - inLo;
        int64_t k = 0;
        // Four pixels a step: the compiler does not widen this loop by
        // itself at the optimisation level of the builds.
        using Pixels4 = uint32_t __attribute__((vector_size(16)));
        for (; k + 4 <= count; k += 4) {
          Pixels4 v;
          std::memcpy(&v, from + k, sizeof v);
          v &= 0xFFFFFF;
          std::memcpy(to + k, &v, sizeof v);
        }
        for (; k < count; ++k) to[k] = from[k] & 0xFFFFFF;
        continue;
      }
      for (int64_t xx = l; xx < r; ++xx) {
        const int32_t sc = cols[size_t(xx - l)];
        if (sc >= 0) drow[xx] = srow[sc] & 0xFFFFFF;
      }
    }
    return true;
  }
  for (int64_t yy = t; yy < b; ++yy) {
    int64_t s = sourceIndex(yy - dt, sy, sh, h);
    if (s < 0 || s >= src.Height()) continue;
    const uint8_t* srow = src.Row(int32_t(s));
    uint32_t* drow = m_bits.data() + size_t(yy) * size_t(m_width);
    for (int64_t xx = l; xx < r; ++xx) {
      int32_t sc = cols[size_t(xx - l)];
      if (sc < 0) continue;
      uint32_t sp = palette ? src.Palette()[srow[sc]]
                            : reinterpret_cast<const uint32_t*>(srow)[sc];
      sp &= 0xFFFFFF;
      uint32_t& d = drow[xx];
      switch (rop) {
        case SRCCOPY: d = sp; break;
        case SRCPAINT: d |= sp; break;
        case SRCAND: d &= sp; break;
        default: d ^= sp; break;
      }
    }
  }
  return true;
}
