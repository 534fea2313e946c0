#pragma once
// The view's side of a step of the history: the document applies the step
// on its own (CZorvaDoc::Undo, Redo); while it does, this listener gathers
// what it hears changed and repaints each rectangle once when it goes.
#include <vector>

#include "model/DocumentListener.h"
#include "platform/Types.h"

class CViewCore;

class CHistoryRepaint : public IDocumentListener {
 public:
  // Listens from here to the end of its scope, then repaints.
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
  void Add(const CRect& window);

  CViewCore& m_view;
  std::vector<CRect> m_rects;
};
