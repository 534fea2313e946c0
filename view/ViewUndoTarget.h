#pragma once
// The view's side of applying an undo record: the document's lists, the
// selection, and the repaint of only what the record touched.
class CUndoRecord;
class CViewCore;

// Applies `r` backwards (undo) or forwards (redo) to the view's document.
void ApplyUndoRecord(CViewCore& view, CUndoRecord& r, bool forward);
