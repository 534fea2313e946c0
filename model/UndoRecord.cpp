#include "model/UndoRecord.h"

void CUndoRecord::DeleteOwnedWhenApplied() {
  // Addition: the added object is in the document. Deletion: the removed
  // object belongs to the record. Change: the copy belongs to the record.
  if (GetShape() != Shape::Addition) {
    delete m_pBefore;
    m_pBefore = nullptr;
  }
}

void CUndoRecord::DeleteOwnedWhenUndone() {
  switch (GetShape()) {
    case Shape::Addition:
      delete m_pAfter;
      m_pAfter = nullptr;
      break;
    case Shape::Change:
      delete m_pBefore;
      m_pBefore = nullptr;
      break;
    case Shape::Deletion:
      break;  // the removed object is back in the document
  }
}
