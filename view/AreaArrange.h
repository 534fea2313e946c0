#pragma once
// Arranging the selected area without the mouse: its place in the order of
// areas (one undo step per command) and nudging it by the arrow keys (one
// undo step per run of a held key).
class CViewCore;

// Whether the order command `id` (ID_AREA_*) can move the selected area.
bool CanMoveInOrder(const CViewCore& view, unsigned id);
void MoveInOrder(CViewCore& view, unsigned id);

// Moves the selected area by (dx, dy) picture pixels. A move that continues
// a run (the same key held) joins the run's undo step.
void NudgeSelected(CViewCore& view, int dx, int dy, bool continuesRun);
