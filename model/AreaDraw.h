#pragma once
// Helpers of area and guide drawing (the mapping itself is Zoom::ToWindow).
#include <cstdint>

// `d` moved by `delta` device pixels, held to the 32-bit range.
int32_t DrawOffset(int32_t d, int32_t delta);
