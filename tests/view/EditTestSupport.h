#pragma once
// Shared steps of the undo, clipboard and key tests.
#include <gtest/gtest.h>

#include "ViewFixture.h"

namespace zorva::test {

// The buffer as shown equals a full repaint. (Read into a local first: as
// two function arguments the calls could run in either order.)
inline bool ShowsFresh(ViewFixture& f) {
  const std::vector<uint32_t> shown = f.Pixels();
  return shown == f.FreshPixels();
}

// Selects as a click would, painted; `created` also records the area's
// addition, as a creation tool does.
inline CArea* Select(ViewFixture& f, CArea* area, CPointRefList points = {}, bool created = false) {
  if (created) {
    auto* r = new CUndoRecord;
    r->m_pPrevSel = f.doc.m_pSelArea;
    r->m_pAfter = area;
    f.doc.PushUndo(r);
  }
  f.doc.m_pSelArea = area;
  f.doc.m_listSelPoint = std::move(points);
  f.view->Invalidate();
  f.Pixels();
  return area;
}

}  // namespace zorva::test
