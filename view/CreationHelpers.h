#pragma once
// What the shape creation tools share: snapping the pointer, letting go of
// the selection before a new shape, forgetting a point before it is removed,
// and recording a step.
#include "platform/Types.h"

class CArea;
class CZorvaDoc;
class CZorvaView;

namespace create {

// The pointer, snapped to the guides while they are shown.
CPoint Snapped(const CZorvaView& view, int32_t x, int32_t y);

// Shows the selected area as not selected and deselects it, clearing the
// selected vertices. Returns the area that was selected, or null.
CArea* ReleaseSelection(CZorvaView& view);

// Drops the shape a gesture left unfinished because the selection or the
// tool changed while the button was down (it never reached the document),
// and repaints to take its image off. Nothing when there is none.
void DropUnfinished(CZorvaView& view);

// Drops every reference the document keeps to `point` (the selected vertices
// and the grabbed point), so that removing the point leaves nothing dangling.
void ForgetPoint(CZorvaDoc& doc, const CPoint* point);

// The vertex drawn just before `point` (wrapping round on a closed outline),
// or null when there is none.
const CPoint* PrevVertex(const CArea& area, const CPoint* point);

// Pushes one area step onto the undo history.
void PushAreaRecord(CZorvaDoc& doc, CArea* prevSel, CArea* before, CArea* after);

}  // namespace create
