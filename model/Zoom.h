#pragma once
// The zoom of the editing view: window pixels per picture pixel as the
// fraction num / den. The editor only ever sets 50, 100 and 200 %.
//
// Every conversion divides last and truncates towards zero, so a point the
// tools hit and the pixel the painter draws for it agree at every zoom.
#include <algorithm>
#include <cstdint>
#include <limits>

struct Zoom {
  int32_t num = 1;
  int32_t den = 1;

  friend constexpr bool operator==(const Zoom&, const Zoom&) = default;

  // A zoom without a denominator maps no picture pixel into the window:
  // nothing is drawn at it.
  constexpr bool IsDrawable() const { return den != 0; }

  // A picture length in window pixels, and back (no scrolling, no limits).
  constexpr int64_t WindowLength(int64_t picture) const { return picture * num / den; }
  constexpr int64_t PictureLength(int64_t window) const { return window * den / num; }

  // A picture coordinate as a window coordinate with the view scrolled by
  // `scroll`, and back. Results are held to the 32-bit range instead of
  // wrapping: a point far off the picture stays far off the window.
  constexpr int32_t ToWindow(int32_t picture, int32_t scroll) const {
    return Clamp(WindowLength(picture) - scroll);
  }
  constexpr int32_t ToPicture(int32_t window, int32_t scroll) const {
    return Clamp(PictureLength(int64_t(window) + scroll));
  }

  // Whole per cent (0 for a zoom without a denominator).
  constexpr int64_t Percent() const { return den ? int64_t(num) * 100 / den : 0; }

  // A window or picture coordinate held to the 32-bit range.
  static constexpr int32_t Clamp(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
  }
};

constexpr Zoom kZoom50{1, 2};
constexpr Zoom kZoom100{1, 1};
constexpr Zoom kZoom200{2, 1};
