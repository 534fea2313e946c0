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

CPoint CDC::MoveTo(int32_t x, int32_t y) {
  CPoint old = m_pos;
  m_pos = CPoint(x, y);
  return old;
}

void CDC::LineTo(int32_t x, int32_t y) {
  RasterLine(int64_t(m_pos.x) + m_origin.x, int64_t(m_pos.y) + m_origin.y,
             int64_t(x) + m_origin.x, int64_t(y) + m_origin.y);
  m_pos = CPoint(x, y);
}

// One pixel per column (or per row for steep lines), from the start pixel up
// to but excluding the end pixel. In each column the pixel nearest to the
// true line is lit; when the line passes exactly half-way between two pixels
// the upper one (for steep lines the left one) wins, whichever way the line
// is drawn. So a line and its reverse light the same pixels apart from the
// two ends, and a closed outline drawn twice in exclusive-or leaves nothing.
void CDC::RasterLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1) {
  if (m_pen.null) return;
  const bool xMajor = std::llabs(x1 - x0) >= std::llabs(y1 - y0);
  // Work in (major, minor) axes so both cases share one loop.
  int64_t a0 = xMajor ? x0 : y0, b0 = xMajor ? y0 : x0;
  int64_t da = xMajor ? x1 - x0 : y1 - y0, db = xMajor ? y1 - y0 : x1 - x0;
  const int64_t n = std::llabs(da);
  if (n == 0) return;
  const int64_t step = da > 0 ? 1 : -1;
  DeviceRect c = EffectiveClip();
  const int64_t aLo = xMajor ? c.left : c.top, aHi = (xMajor ? c.right : c.bottom) - 1;
  const int64_t bLo = xMajor ? c.top : c.left, bHi = (xMajor ? c.bottom : c.right) - 1;
  if (aHi < aLo || bHi < bLo) return;

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
  int64_t r = int64_t(CeilDiv(__int128(2) * iLo * db - n, d2));
  int64_t e = int64_t(__int128(2) * iLo * db - n - __int128(r) * d2);
  for (int64_t i = iLo; i <= iHi; ++i) {
    int64_t a = a0 + step * i, b = b0 + r;
    if (b >= bLo && b <= bHi) {
      if (xMajor)
        Plot(a, b, m_pen.color & 0xFFFFFF);
      else
        Plot(b, a, m_pen.color & 0xFFFFFF);
    }
    e += 2 * db;
    if (e > 0) {
      ++r;
      e -= d2;
    } else if (e <= -d2) {
      --r;
      e += d2;
    }
  }
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
  for (int64_t y = yFrom; y < yTo; ++y) {
    if (m_pen.null) {
      BrushSpan(y, L, R - 1, m_brush);
    } else if (y == T || y == B - 1) {
      PenSpan(y, L, R - 1);
    } else {
      PenSpan(y, L, L);
      if (R - 1 > L) PenSpan(y, R - 1, R - 1);
      BrushSpan(y, L + 1, R - 2, m_brush);
    }
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

}  // namespace

void CDC::Ellipse(int32_t l, int32_t t, int32_t r, int32_t b) {
  // Plain variables rather than a structured binding: the lambda captures them.
  const DeviceRect box = ShapeBox(l, t, r, b);
  const int64_t L = box.left, T = box.top, R = box.right, B = box.bottom;
  if (R == L || B == T) return;
  const int64_t A = R - L - 1, Bv = B - T - 1;
  // Span of the shape on device row y (every row of the box has one).
  auto span = [&](int64_t y) -> std::pair<int64_t, int64_t> {
    int64_t h = EllipseHalfSpan(2 * (y - T) - Bv, A, Bv);
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
      BrushSpan(y, x0, x1, m_brush);
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
      PenSpan(y, x0, x1);
    } else {
      PenSpan(y, x0, i0 - 1);
      BrushSpan(y, i0, i1, m_brush);
      PenSpan(y, i1 + 1, x1);
    }
  }
}
