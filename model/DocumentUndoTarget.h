#pragma once
// The document's side of a history step: a record undoes and redoes itself
// on the document's lists through this target, which moves the selection
// and tells the document's listeners what changed. No view is involved;
// whoever shows the document repaints from what it hears.
#include "model/UndoRecord.h"

class CZorvaDoc;

class CDocumentUndoTarget : public IUndoTarget {
 public:
  explicit CDocumentUndoTarget(CZorvaDoc& doc) : m_doc(doc) {}

  void Insert(std::unique_ptr<CArea> area, size_t pos) override;
  void Insert(std::unique_ptr<CGuide> guide, size_t pos) override;
  std::unique_ptr<CArea> Remove(CArea* area, CArea* select) override;
  std::unique_ptr<CGuide> Remove(CGuide* guide, CArea* select) override;
  void Exchange(CArea& live, CArea& copy) override;
  void Exchange(CGuide& live, CGuide& copy) override;
  size_t Count(const CArea*) const override;
  size_t Count(const CGuide*) const override;

 private:
  CZorvaDoc& m_doc;
};
