#include "view/EditSelection.h"

#include <algorithm>

#include "model/ZorvaDoc.h"
#include "view/ViewCore.h"

void ShowSelectionCleared(CViewCore& view) {
  CZorvaDoc& doc = view.m_doc;
  CArea* sel = doc.m_pSelArea;
  if (sel && doc.m_listSelPoint.empty()) {
    // Drawn while still selected: whatever is waiting to be painted must
    // show the marks this drawing takes away.
    view.m_canvas.DrawSelection(*sel, false);
    doc.SetSelArea(nullptr);
    return;
  }
  doc.m_listSelPoint.clear();
  doc.SetSelArea(nullptr);
  // A selected vertex wears a hollow mark that the plain marks of the
  // incremental drawing would not cancel; the area is painted afresh instead.
  if (sel) view.m_canvas.RepaintArea(*sel);
}

void ShowSelected(CViewCore& view, CArea* area) {
  CZorvaDoc& doc = view.m_doc;
  doc.m_listSelPoint.clear();
  // Drawn before it counts as selected, for the same reason as above.
  if (area) view.m_canvas.DrawSelection(*area, true);
  doc.SetSelArea(area);
}

