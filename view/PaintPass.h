#pragma once
// The view's paint pass: the picture in one of three display modes, the
// guides, every area, then the selected area with its handles.
#include <cstdint>

#include "model/Zoom.h"
#include "platform/Types.h"

class CDC;
class CZorvaDoc;

// Colours of the editing view.
constexpr COLORREF kAreaColor = RGB(0, 0, 0);
constexpr COLORREF kSelectionColor = RGB(30, 200, 230);

// How the picture is shown under the areas (Ctrl+T cycles Show, Light,
// Hidden): whole, every other pixel on white, or not at all.
enum class ImageMode { Show, Light, Hidden };

struct PaintSettings {
  Zoom zoom = kZoom100;
  ImageMode imageMode = ImageMode::Show;
  bool showGuides = true;
  // Total scroll size of the view: guides span it.
  int32_t totalWidth = 0;
  int32_t totalHeight = 0;
  // When set, only this rectangle (logical coordinates) is painted; areas
  // whose bounds, with room for their vertex marks, miss it are skipped.
  bool clipped = false;
  CRect clip;
  // When set, the picture rectangle is filled with `background` where no
  // picture covers it (none decoded yet, or show mode while it is still
  // loading), so a repaint leaves nothing of what was there before.
  bool eraseUncovered = false;
  COLORREF background = RGB(255, 255, 255);
};

// Paints the document onto `dc`, whose origin the caller has shifted by the
// scroll position. Returns false, painting nothing, when a loader holds the
// picture (the next pass after it finishes paints everything).
bool PaintDocument(CZorvaDoc& doc, CDC& dc, const PaintSettings& settings);

// Total scroll size for the picture at `zoom`.
CSize ScrollTotalSize(const CSize& picture, Zoom zoom);
