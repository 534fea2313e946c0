#pragma once
// The range every coordinate of an area is kept in. Pictures are at most
// 65535 pixels a side; the range leaves far more room than that around them,
// and is small enough that no sum an edit makes (a drag across the whole
// range, a duplicate's offset, a circle's centre and radius) can overflow 32
// bits. Typed values outside it are refused, values read from pages clamped.
#include <cstdint>

namespace zorva {

inline constexpr int32_t kMinCoordinate = -2'000'000;
inline constexpr int32_t kMaxCoordinate = 2'000'000;

inline constexpr bool IsCoordinateInRange(int64_t v) { return v >= kMinCoordinate && v <= kMaxCoordinate; }

inline constexpr int32_t ClampCoordinate(int64_t v) {
  return v < kMinCoordinate ? kMinCoordinate : v > kMaxCoordinate ? kMaxCoordinate : int32_t(v);
}

}  // namespace zorva
