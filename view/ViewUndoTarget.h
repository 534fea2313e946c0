#pragma once
// The view's side of applying an undo record: the document's lists, the
// selection, and the repaint of only what the record touched.
#include <cstddef>
#include <memory>

#include "model/UndoRecord.h"

class CZorvaView;

class CViewUndoTarget : public IUndoTarget {
 public:
  explicit CViewUndoTarget(CZorvaView& view) : m_view(view) {}
  // Applies `r` backwards (undo) or forwards (redo).
  void Apply(CUndoRecord& r, bool forward);

  void Insert(std::unique_ptr<CArea> area, size_t pos) override;
  void Insert(std::unique_ptr<CGuide> guide, size_t pos) override;
  std::unique_ptr<CArea> Remove(CArea* area, CArea* select) override;
  std::unique_ptr<CGuide> Remove(CGuide* guide, CArea* select) override;
  void Exchange(CArea& live, CArea& copy) override;
  void Exchange(CGuide& live, CGuide& copy) override;
  size_t Count(const CArea*) const override;
  size_t Count(const CGuide*) const override;

 private:
  CZorvaView& m_view;
};
