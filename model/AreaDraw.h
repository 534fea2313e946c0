#pragma once
// The picture-to-device mapping used when areas and guides are drawn.
#include <cstdint>

// ZoomCoord's rule (v * numerator / denominator - scroll, truncating), with
// the result held to the 32-bit range instead of wrapping: a point far off
// the picture stays far off the screen. The denominator must not be 0.
int32_t DrawCoord(int32_t v, int32_t zoom, int32_t scroll);

// `d` moved by `delta` device pixels, held to the 32-bit range.
int32_t DrawOffset(int32_t d, int32_t delta);

// A zoom whose denominator is 0 cannot be drawn at.
inline bool IsDrawableZoom(int32_t zoom) { return (zoom & 0xFFFF) != 0; }
