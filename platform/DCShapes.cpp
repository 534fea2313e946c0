// Lines, rectangles and ellipses of the device context.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "platform/DC.h"

namespace {

// Smallest integer not below n / d, for d > 0.
__int128 CeilDiv(__int128 n, __int128 d) {
  __int128 q = n / d;
  if (n % d > 0) ++q;
  return q;
}

}  // namespace

void CDC::LineTo(int32_t x, int32_t y) {
  RasterLine(EffectiveClip(), int64_t(m_pos.x) + m_origin.x, int64_t(m_pos.y) + m_origin.y,
             int64_t(x) + m_origin.x, int64_t(y) + m_origin.y);
  m_pos = CPoint(x, y);
}

void CDC::Polyline(const CPoint* points, size_t n, bool closed) {
  if (n == 0) return;
  const DeviceRect c = EffectiveClip();
  auto line = [&](const CPoint& a, const CPoint& b) {
    RasterLine(c, int64_t(a.x) + m_origin.x, int64_t(a.y) + m_origin.y, int64_t(b.x) + m_origin.x,
               int64_t(b.y) + m_origin.y);
  };
  for (size_t i = 1; i < n; ++i) line(points[i - 1], points[i]);
  if (closed) line(points[n - 1], points[0]);
  m_pos = closed ? points[0] : points[n - 1];
}

// One pixel per column (or per row for steep lines), from the start pixel up
// to but excluding the end pixel. In each column the pixel nearest to the
// true line is lit; when the line passes exactly half-way between two pixels
// the upper one (for steep lines the left one) wins, whichever way the line
// is drawn. So a line and its reverse light the same pixels apart from the
// two ends, and a closed outline drawn twice in exclusive-or leaves nothing.
void CDC::RasterLine(const DeviceRect& c, int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  if (m_pen.null) return;
  const bool xMajor = std::llabs(x1 - x0) >= std::llabs(y1 - y0);
  // Work in (major, minor) axes so both cases share one loop.
  int64_t a0 = xMajor ? x0 : y0, b0 = xMajor ? y0 : x0;
  int64_t da = xMajor ? x1 - x0 : y1 - y0, db = xMajor ? y1 - y0 : x1 - x0;
  const int64_t n = std::llabs(da);
  if (n == 0) return;
  const int64_t step = da > 0 ? 1 : -1;
  const int64_t aLo = xMajor ? c.left : c.top, aHi = (xMajor ? c.right : c.bottom) - 1;
  const int64_t bLo = xMajor ? c.top : c.left, bHi = (xMajor ? c.bottom : c.right) - 1;
  if (aHi < aLo || bHi < bLo) return;
  // The minor coordinate stays between b0 and b0 + db: a line wholly above
  // or below the clip (or left or right of it, for steep lines) lights nothing.
  if (std::max(b0, b0 + db) < bLo || std::min(b0, b0 + db) > bHi) return;

  // Steps i in [0, n) whose major coordinate a0 + step * i lies in the clip.
  int64_t iLo = 0, iHi = n - 1;
  if (step > 0) {
    iLo = std::max(iLo, aLo - a0);
    iHi = std::min(iHi, aHi - a0);
  } else {
    iLo = std::max(iLo, a0 - aHi);
    iHi = std::min(iHi, a0 - aLo);
  }
  if (iLo > iHi) return;

  // Minor offset at step i: ceil((2 i db - n) / (2 n)), the nearest integer
  // to i db / n with halves going down. e is the remainder, in (-2n, 0].
  const int64_t d2 = 2 * n;
  int64_t r, e;
  // Lines on screen fit 64 bits; only coordinates near the 32-bit limits need
  // the wide division.
  constexpr int64_t kNarrow = int64_t(1) << 30;
  if (iLo == 0) {
    // The usual case, a line starting inside the clip: ceil(-1/2) is 0.
    r = 0;
    e = -n;
  } else if (iLo < kNarrow && std::llabs(db) < kNarrow) {
    const int64_t num = 2 * iLo * db - n;
    r = num / d2;
    if (num % d2 > 0) ++r;
    e = num - r * d2;
  } else {
    r = int64_t(CeilDiv(__int128(2) * iLo * db - n, d2));
    e = int64_t(__int128(2) * iLo * db - n - __int128(r) * d2);
  }
  // Walk the pixels by their index in the buffer: one step along the major
  // axis, and one along the minor axis whenever the offset changes.
  const int64_t w = m_width;
  const int64_t majorStride = xMajor ? step : step * w, minorStride = xMajor ? w : 1;
  int64_t b = b0 + r;
  int64_t at = (xMajor ? b * w : b) + (xMajor ? a0 + step * iLo : (a0 + step * iLo) * w);
  const uint32_t color = m_pen.color & 0xFFFFFF;
  // The minor coordinate stays between b0 and b0 + db; when both are inside
  // the clip (all of a line in view) no pixel needs its own test.
  const bool minorInside = std::min(b0, b0 + db) >= bLo && std::max(b0, b0 + db) <= bHi;
  auto walk = [&](auto plot) {
    uint32_t* bits = m_bits.data();
    if (minorInside) {
      for (int64_t i = iLo; i <= iHi; ++i) {
        plot(bits[at]);
        at += majorStride;
        e += 2 * db;
        if (e > 0) {
          at += minorStride;
          e -= d2;
        } else if (e <= -d2) {
          at -= minorStride;
          e += d2;
        }
      }
      return;
    }
    for (int64_t i = iLo; i <= iHi; ++i) {
      if (b >= bLo && b <= bHi) plot(bits[at]);
      at += majorStride;
      e += 2 * db;
      if (e > 0) {
        ++b;
        at += minorStride;
        e -= d2;
      } else if (e <= -d2) {
        --b;
        at -= minorStride;
        e += d2;
      }
    }
  };
  if (m_rop2 == R2_COPYPEN)
    walk([color](uint32_t& d) { d = color; });
  else if (m_rop2 == R2_XORPEN)
    walk([color](uint32_t& d) { d = (d ^ color) & 0xFFFFFF; });
  else
    walk([color, rop = m_rop2](uint32_t& d) { d = ApplyRop2(rop, color, d); });
}

CDC::DeviceRect CDC::ShapeBox(int32_t l, int32_t t, int32_t r, int32_t b) const {
  int64_t L = int64_t(l) + m_origin.x, R = int64_t(r) + m_origin.x;
  int64_t T = int64_t(t) + m_origin.y, B = int64_t(b) + m_origin.y;
  return {std::min(L, R), std::min(T, B), std::max(L, R), std::max(T, B)};
}

void CDC::Rectangle(int32_t l, int32_t t, int32_t r, int32_t b) {
  const auto [L, T, R, B] = ShapeBox(l, t, r, b);
  if (R == L || B == T) return;
  DeviceRect c = EffectiveClip();
  const int64_t yFrom = std::max(T, c.top), yTo = std::min(B, c.bottom);
  if (m_pen.null) {
    for (int64_t y = yFrom; y < yTo; ++y) BrushSpan(c, y, L, R - 1, m_brush);
    return;
  }
  // The side columns are clipped once for all rows.
  const bool leftIn = L >= c.left && L < c.right;
  const bool rightIn = R - 1 > L && R - 1 >= c.left && R - 1 < c.right;
  const bool hollow = m_brush.kind == CBrush::kNull;
  for (int64_t y = yFrom; y < yTo; ++y) {
    if (y == T || y == B - 1) {
      PenSpan(c, y, L, R - 1);
      continue;
    }
    uint32_t* row = m_bits.data() + size_t(y) * size_t(m_width);
    if (leftIn) PenRun(row + L, 1);
    if (rightIn) PenRun(row + (R - 1), 1);
    if (!hollow) BrushSpan(c, y, L + 1, R - 2, m_brush);
  }
}

namespace {

// The inscribed ellipse in doubled coordinates centred on the box: a pixel
// at (X, Y), X and Y having the parity of the semi-axes A = width - 1 and
// B = height - 1, belongs to the shape when the ellipse contains the pixel
// centre moved half a pixel towards the centre along x or along y. This is
// symmetric in both axes and touches all four sides of the box.
bool InEllipse(int64_t X, int64_t Y, int64_t A, int64_t B) {
  X = std::llabs(X);
  Y = std::llabs(Y);
  int64_t Xi = std::max<int64_t>(X - 1, 0), Yi = std::max<int64_t>(Y - 1, 0);
  if (A < (int64_t(1) << 31) && B < (int64_t(1) << 31)) {
    __int128 a2 = __int128(A) * A, b2 = __int128(B) * B, lim = a2 * b2;
    return __int128(Xi) * Xi * b2 + __int128(Y) * Y * a2 <= lim ||
           __int128(X) * X * b2 + __int128(Yi) * Yi * a2 <= lim;
  }
  // Boxes this large are never on screen whole; approximate arithmetic will do.
  long double a2 = (long double)A * A, b2 = (long double)B * B, lim = a2 * b2;
  return (long double)Xi * Xi * b2 + (long double)Y * Y * a2 <= lim ||
         (long double)X * X * b2 + (long double)Yi * Yi * a2 <= lim;
}

// Largest X (same parity as A) of the shape on doubled row Y.
int64_t EllipseHalfSpan(int64_t Y, int64_t A, int64_t B) {
  if (B == 0) return A;
  long double yy = (long double)std::llabs(Y) / B;
  long double yi = (long double)std::max<int64_t>(std::llabs(Y) - 1, 0) / B;
  long double rowBound = 1 + A * std::sqrt(std::max<long double>(0, 1 - yy * yy));
  long double colBound = A * std::sqrt(std::max<long double>(0, 1 - yi * yi));
  int64_t x = std::clamp<int64_t>(int64_t(std::max(rowBound, colBound)), 0, A);
  if ((A - x) & 1) --x;
  while (x > (A & 1) && !InEllipse(x, Y, A, B)) x -= 2;
  while (x + 2 <= A && InEllipse(x + 2, Y, A, B)) x += 2;
  return std::max(x, A & 1);
}

// The same shape for one box, with the squares worked out once. Every box
// under 2^15 pixels a side (all that fit a screen) stays in 64-bit
// arithmetic: the largest sum, 2 A^2 B^2, is under 2^61.
class EllipseRule {
 public:
  EllipseRule(int64_t A, int64_t B)
      : m_A(A), m_B(B), m_narrow(A < kNarrow && B < kNarrow),
        m_a2(m_narrow ? A * A : 0), m_b2(m_narrow ? B * B : 0), m_lim(m_a2 * m_b2) {}

  bool In(int64_t X, int64_t Y) const {
    if (!m_narrow) return InEllipse(X, Y, m_A, m_B);
    X = std::llabs(X);
    Y = std::llabs(Y);
    const int64_t Xi = std::max<int64_t>(X - 1, 0), Yi = std::max<int64_t>(Y - 1, 0);
    return Xi * Xi * m_b2 + Y * Y * m_a2 <= m_lim || X * X * m_b2 + Yi * Yi * m_a2 <= m_lim;
  }

  // EllipseHalfSpan's answer, searched from `x` (the answer of a nearby row,
  // parity of A, in [A & 1, A]). The rule only shrinks as |X| grows, so the
  // answer is the last X it holds for wherever the search starts; neighbouring
  // rows differ by a few steps, except near the ends of long flat boxes,
  // which take the square-root estimate instead.
  int64_t HalfSpanFrom(int64_t Y, int64_t x) const {
    const int64_t least = m_A & 1;
    for (int step = 0; step < 32; ++step) {
      if (x > least && !In(x, Y))
        x -= 2;
      else if (x + 2 <= m_A && In(x + 2, Y))
        x += 2;
      else
        return x;
    }
    return EllipseHalfSpan(Y, m_A, m_B);
  }

 private:
  static constexpr int64_t kNarrow = int64_t(1) << 15;
  int64_t m_A, m_B;
  bool m_narrow;
  int64_t m_a2, m_b2, m_lim;
};

}  // namespace

void CDC::Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) {
  // Plain variables rather than a structured binding: the lambda captures them.
  const DeviceRect box = ShapeBox(l, t, r, b);
  const int64_t L = box.left, T = box.top, R = box.right, B = box.bottom;
  if (R == L || B == T) return;
  const int64_t A = R - L - 1, Bv = B - T - 1;
  const EllipseRule rule(A, Bv);
  // Span of the shape on device row y (every row of the box has one). Rows
  // are asked for in order, so each search starts from the last answer.
  int64_t last = -1;
  auto span = [&](int64_t y) -> std::pair<int64_t, int64_t> {
    const int64_t Y = 2 * (y - T) - Bv;
    const int64_t h = last < 0 ? EllipseHalfSpan(Y, A, Bv) : rule.HalfSpanFrom(Y, last);
    last = h;
    return {L + (A - h) / 2, L + (A + h) / 2};
  };
  DeviceRect c = EffectiveClip();
  const int64_t yFrom = std::max(T, c.top), yTo = std::min(B, c.bottom);
  if (yFrom >= yTo) return;
  // Each row's span is worked out once and kept for its neighbours' rows.
  std::pair<int64_t, int64_t> above, here = span(yFrom), below;
  if (yFrom > T) above = span(yFrom - 1);
  for (int64_t y = yFrom; y < yTo; ++y, above = here, here = below) {
    if (y + 1 < B) below = span(y + 1);
    const auto [x0, x1] = here;
    if (m_pen.null) {
      BrushSpan(c, y, x0, x1, m_brush);
      continue;
    }
    // Inside pixels have all four neighbours in the shape; the rest is
    // outline, and so is the whole first and last row.
    int64_t i0 = x0 + 1, i1 = x1 - 1;
    bool hasInside = y != T && y != B - 1;
    if (hasInside) {
      i0 = std::max({i0, above.first, below.first});
      i1 = std::min({i1, above.second, below.second});
      hasInside = i0 <= i1;
    }
    if (!hasInside) {
      PenSpan(c, y, x0, x1);
    } else {
      PenSpan(c, y, x0, i0 - 1);
      if (m_brush.kind != CBrush::kNull) BrushSpan(c, y, i0, i1, m_brush);
      PenSpan(c, y, i1 + 1, x1);
    }
  }
}
