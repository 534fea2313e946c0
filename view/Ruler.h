#pragma once
// A ruler beside the view: its state and what a window paints for it. The
// frame owns the ruler's window; the view feeds it length, zoom and offset.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/Zoom.h"

class CRuler {
 public:
  explicit CRuler(bool vertical) : m_bVertical(vertical) {}

  // Stores the view's scroll position along the ruler and repaints it.
  void SetOffset(int32_t offset);
  // Length of the zoomed picture in window pixels, and its zoom.
  void SetLength(int32_t length, Zoom zoom);

  // One period of the scale: the scale image goes at `pos` + 1 along the
  // ruler and the label (a picture coordinate) at `pos`.
  struct Mark {
    int32_t pos;
    std::string label;
  };
  struct Layout {
    std::vector<Mark> marks;
    // Window position from which on the ruler lies beyond the picture and is
    // filled with the menu colour; at or past `extent` when none is visible.
    int32_t beyond = 0;
    // A one-pixel mark in the shadow colour at the ruler's start.
    bool originMark = false;
  };
  // What a ruler `extent` window pixels long shows.
  Layout GetLayout(int32_t extent) const;

  static constexpr int32_t kPeriod = 100;

  bool m_bVertical;
  int32_t m_nLength = 0;
  int32_t m_nOffset = 0;
  Zoom m_zoom = kZoom100;
  bool m_bPressed = false;
  // The ruler's window repaints itself when this is called.
  std::function<void()> m_onChanged;
};
