#pragma once
// Helpers every pointer tool shares (picture pixels): the 45-degree and
// square constraints, the nearness test and snapping to guides.
#include <cstdint>

#include "model/OwnedList.h"
#include "platform/Types.h"

class CGuide;

// Moves `point` onto the nearest 45-degree line through the anchor.
void Constrain45(int32_t ax, int32_t ay, CPoint& point);
// Moves `point` so that it and the anchor are opposite corners of a square.
void MakeSquare(int32_t ax, int32_t ay, CPoint& point);
// The two points are within the pick tolerance of each other.
bool IsNearPoint(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
// Snaps to a guide within the pick tolerance; true when one caught it.
bool SnapPointToGuides(const COwnedList<CGuide>& guides, CPoint& point);
bool SnapRectToGuides(const COwnedList<CGuide>& guides, CRect& rect);
