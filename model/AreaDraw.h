#pragma once
// Helpers of area and guide drawing (the mapping itself is ZoomCoord).
#include <cstdint>

// `d` moved by `delta` device pixels, held to the 32-bit range.
int32_t DrawOffset(int32_t d, int32_t delta);

// A zoom whose denominator is 0 cannot be drawn at.
inline bool IsDrawableZoom(int32_t zoom) { return (zoom & 0xFFFF) != 0; }
