#pragma once
// The view's exchange with the property panel and the area list: the
// selected area (or the default area) into the panel's controls, the
// controls back into the area as one undoable step, and a click on a row of
// the area list. It hears the document's changes and tells the panel and
// the list only what differs from what they show.
#include "model/DocumentListener.h"
#include "view/ViewHost.h"

class CArea;
class CZorvaDoc;
class CViewCore;

class CViewPanel : private IDocumentListener {
 public:
  explicit CViewPanel(CViewCore& view);
  ~CViewPanel() override;
  CViewPanel(const CViewPanel&) = delete;
  CViewPanel& operator=(const CViewPanel&) = delete;

  // Shows the selection in the panel where it differs from what the panel
  // shows (a hidden panel too: were it left stale, the first edit after
  // showing it would read another area's points and texts into this one),
  // and marks the selected area's row in the list.
  void Sync();
  // Writes the whole panel and the list's selection whatever they show:
  // the panel came back into sight, or the document is another one.
  void Refresh();
  // Reads the panel into the selected area; true when something changed.
  // A refused type is reported and shown back, and reads as false.
  bool Read();
  // Reads the panel into the selected area (or the default area) as one
  // undoable step.
  void Apply(PanelChange change);
  // A click on row `row` of the area list (its area, or null for the
  // default area's row).
  void SelectFromList(int row, CArea* area);

 private:
  PanelContent Content() const;
  int ListRowOfSelection() const;

  // --- IDocumentListener ---
  void AreaInserted(const CArea& area, size_t pos) override;
  void AreaRemoved(const CArea& area, size_t pos) override;
  void AreaChanged(const CArea& area, size_t pos, const CRect& boundBefore) override;
  void DefaultAreaChanged() override;
  void SelectionChanged(const CArea* before, const CArea* after) override;
  void DocumentReset() override;

  CViewCore& m_view;
  CZorvaDoc& m_doc;
  // What the panel shows (m_bShown false: unknown, so all is written).
  PanelContent m_shown;
  bool m_bShown = false;
  // The row the list marks as selected (kUnknownRow: tell it again).
  static constexpr int kUnknownRow = -2;
  int m_nListRow = kUnknownRow;
  // The area that row is of: the same area keeps its row until rows come or go.
  const CArea* m_pListRowArea = nullptr;
};
