#pragma once
// The view's side of a step of the history: the document applies the step
// on its own (CZorvaDoc::Undo, Redo); while it does, this listener repaints
// only what it hears changed.
#include "model/DocumentListener.h"

class CViewCore;

class CHistoryRepaint : public IDocumentListener {
 public:
  // Listens from here to the end of its scope.
  explicit CHistoryRepaint(CViewCore& view);
  ~CHistoryRepaint() override;
  CHistoryRepaint(const CHistoryRepaint&) = delete;
  CHistoryRepaint& operator=(const CHistoryRepaint&) = delete;

  void AreaInserted(const CArea& area, size_t pos) override;
  void AreaRemoved(const CArea& area, size_t pos) override;
  void AreaChanged(const CArea& area, size_t pos, const CRect& boundBefore) override;
  void GuideChanged(const CGuide& guide, const CGuide* before) override;
  void SelectionChanged(const CArea* before, const CArea* after) override;

 private:
  CViewCore& m_view;
};
