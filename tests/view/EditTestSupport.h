#pragma once
// Shared steps of the undo, clipboard and key tests: the records a tool would
// push, and a comparison of the buffer with a full repaint.
#include <gtest/gtest.h>

#include "ViewFixture.h"

namespace zorva::test {

// The buffer as shown equals what a full repaint shows. (Read into a local
// first: the two calls must not be reordered as function arguments may be.)
inline ::testing::AssertionResult ShowsFresh(ViewFixture& f) {
  const std::vector<uint32_t> shown = f.Pixels();
  const std::vector<uint32_t> fresh = f.FreshPixels();
  if (shown == fresh) return ::testing::AssertionSuccess();
  size_t differ = 0;
  size_t first = 0;
  for (size_t i = 0; i < shown.size(); ++i)
    if (shown[i] != fresh[i] && differ++ == 0) first = i;
  return ::testing::AssertionFailure() << differ << " pixels differ from a full repaint, the first at ("
                                       << first % size_t(f.view->BackBuffer().Width()) << ", "
                                       << first / size_t(f.view->BackBuffer().Width()) << ")";
}

// What a creation tool leaves behind: `area` (already listed) on top,
// selected and recorded as an addition.
inline CArea* Created(ViewFixture& f, CArea* area) {
  auto* r = new CUndoRecord;
  r->m_pPrevSel = f.doc.m_pSelArea;
  r->m_pAfter = area;
  f.doc.PushUndo(r);
  f.doc.m_pSelArea = area;
  f.view->Invalidate();
  f.Pixels();
  return area;
}

// Selects `area` as a click would, repainted.
inline void Select(ViewFixture& f, CArea* area, CPointRefList points = {}) {
  f.doc.m_pSelArea = area;
  f.doc.m_listSelPoint = std::move(points);
  f.view->Invalidate();
  f.Pixels();
}

inline bool Enabled(ViewFixture& f, unsigned id) {
  CCmdState s;
  f.view->OnUpdateCommand(id, s);
  return s.enabled;
}

}  // namespace zorva::test
