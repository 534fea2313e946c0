#pragma once
// The view's exchange with the property panel and the area list: the
// selected area (or the default area) into the panel's controls, the
// controls back into the area as one undoable step, and a click on a row of
// the area list.
#include "view/ViewHost.h"

class CArea;
class CZorvaDoc;
class CViewCore;

class CViewPanel {
 public:
  explicit CViewPanel(CViewCore& view);

  // Shows the selection in the panel (a hidden panel too: were it left
  // stale, the first edit after showing it would read another area's points
  // and texts into this one). `first` < 0 also rebuilds the area list.
  void Update(int first, bool refillPoints);
  // Reads the panel into the selected area; true when something changed.
  // A refused type is reported and shown back, and reads as false.
  bool Read();
  // Reads the panel into the selected area (or the default area) as one
  // undoable step.
  void Apply(PanelChange change);
  // The panel came back into sight.
  void Refresh() { Update(-1, true); }
  // A click on row `row` of the area list (its area, or null for the
  // default area's row).
  void SelectFromList(int row, CArea* area);

 private:
  CViewCore& m_view;
  CZorvaDoc& m_doc;
};
