#pragma once
// The arrow tool's point drag: grabbing a vertex (or a corner of a box),
// moving the selected vertices with the pointer's constraints, and closing an
// open outline whose end is dropped on its other end. Also what the arrow
// tool's area move shares with it.
#include <cstdint>
#include <memory>

#include "platform/Types.h"

class CArea;
class CZorvaDoc;
class CViewCore;

namespace arrow {

// What an arrow gesture holds while the button is down.
struct ArrowGesture {
  std::unique_ptr<CArea> work;  // the working copy, shown as its exclusive-or image
  CPoint last;                  // where a move last put it
};

bool IsBoxType(const CArea& a);
bool IsOpenPolygon(const CArea& a);
// A fresh working copy of the selected area (one left over from a lost
// gesture goes first).
CArea* NewWorkArea(const CZorvaDoc& doc, ArrowGesture& g);
// Alt held: the drag drops a copy.
void SetCopyBit(CViewCore& view, unsigned flags);
// Points the selected-points list at `to`, a copy of `from` or `from` of `to`.
void RebindSelection(CZorvaDoc& doc, CArea& from, CArea& to);

void BeginPointDrag(CViewCore& view, ArrowGesture& g, unsigned flags, int32_t x, int32_t y);
// Snapping and the modifier constraints of a point drag, applied to `pt`; for
// a rectangle or ellipse also places the corner opposite the grabbed one.
void ConstrainPointDrag(CViewCore& view, ArrowGesture& g, unsigned flags, CPoint& pt);
void MovePoints(CViewCore& view, ArrowGesture& g, unsigned flags, int32_t x, int32_t y);
// An open outline whose dragged end was dropped on its other end is closed,
// without the duplicate vertex. True when it was.
bool CloseOnOtherEnd(CZorvaDoc& doc, CArea& work);

}  // namespace arrow
