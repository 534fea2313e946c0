#pragma once
// Selection bookkeeping shared by undo, the clipboard commands and the Tab
// key: showing the selection go away without stale marks, and letting go of
// every pointer into points that an edit is about to free or hand over.
#include <list>

#include "model/Area.h"

class CZorvaDoc;
class CViewCore;

// Shows the selected area (if any) as not selected, empties the selected
// vertices and leaves no area selected.
void ShowSelectionCleared(CViewCore& view);

// Shows `area` as the selected area with no vertex selected.
void ShowSelected(CViewCore& view, CArea* area);
