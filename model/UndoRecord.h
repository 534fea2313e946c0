#pragma once
// One step of the undo history. A record never deletes what it points to by
// itself: the document decides who owns what from the record's shape and
// whether the record is applied.
#include <cstddef>

#include "model/Object.h"

class CArea;

class CUndoRecord {
 public:
  virtual ~CUndoRecord() = default;

  enum class Shape { Addition, Deletion, Change };
  Shape GetShape() const {
    if (!m_pBefore) return Shape::Addition;
    if (!m_pAfter) return Shape::Deletion;
    return Shape::Change;
  }

  // Deletes what the record owns while it is applied (at or before the cursor):
  // the removed object of a deletion, the copy of a change.
  void DeleteOwnedWhenApplied();
  // Deletes what the record owns while it is undone (after the cursor): the
  // added object of an addition, the copy of a change.
  void DeleteOwnedWhenUndone();

  bool m_bGuide = false;
  // Where the removed object of a deletion stood in its list, so undo puts it
  // back there: which area wins a shared pixel depends on the order.
  size_t m_nListPos = 0;
  CArea* m_pPrevSel = nullptr;
  CObject* m_pBefore = nullptr;
  CObject* m_pAfter = nullptr;
};
