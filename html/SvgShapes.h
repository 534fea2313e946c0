#pragma once
// An area's outline as an SVG shape in picture pixels, the units of the map's
// viewBox: what the pointer hits over the scaled picture.
#include "html/PageBytes.h"

class CArea;

namespace zorva::html {

// The width, in picture pixels, of the invisible stroke that makes a line or
// an open outline clickable: 4 pixels either side, about a fingertip's
// tolerance at full size.
constexpr int kLineHitWidth = 8;

// Whether `a` has an outline to draw: points, and a rectangle, ellipse or
// polygon (a Bezier is stored but has no outline).
bool HasSvgShape(const CArea& a);

// Appends the shape element of `a` (rect, ellipse, polygon, or polyline for
// a line or an open outline), with the class the style sheet gives filled
// shapes ("area") or stroked lines ("line"). Nothing for an area without
// one (HasSvgShape).
void AppendSvgShape(CPageBytes& out, const CArea& a);

// The rectangle over the whole picture that stands for the default area.
void AppendSvgPictureRect(CPageBytes& out, int32_t width, int32_t height);

}  // namespace zorva::html
