#pragma once
// What the shape creation tools share: snapping the pointer, letting go of
// the selection before a new shape, and dropping an unfinished shape.
#include <memory>

#include "platform/Types.h"

class CArea;
class CZorvaDoc;
class CViewCore;

namespace create {

// The pointer, snapped to the guides while they are shown.
CPoint Snapped(const CViewCore& view, int32_t x, int32_t y);

// Shows the selected area as not selected and deselects it, clearing the
// selected vertices, and notes it as the one a new shape's undo selects again.
void ReleaseSelection(CViewCore& view);

// Makes `area` the new shape of the gesture, selected and the view's until
// it is committed or discarded.
CArea* BeginNew(CViewCore& view, std::unique_ptr<CArea> area);

// Drops the shape a gesture left unfinished because the selection or the
// tool changed while the button was down (it never reached the document),
// and repaints to take its image off. Nothing when there is none.
void DropUnfinished(CViewCore& view);

// Puts the finished new shape on top of the document and records its
// creation together with the area the press deselected.
void CommitNew(CViewCore& view);

// Deletes the new shape a cancel takes back before it reached the document.
void DiscardNew(CViewCore& view);


// The vertex drawn just before `point` (wrapping round on a closed outline),
// or null when there is none.
const CPoint* PrevVertex(const CArea& area, const CPoint* point);


}  // namespace create
