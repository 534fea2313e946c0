#pragma once
// Shared steps of the undo, clipboard and key tests.
#include <gtest/gtest.h>

#include "ViewFixture.h"

namespace zorva::test {

inline bool ShowsFresh(ViewFixture& f) { return f.StalePixels() == 0; }

// Selects as a click would, painted; `created` also records the area's
// addition, as a creation tool does.
inline CArea* Select(ViewFixture& f, CArea* area, CPointRefList points = {}, bool created = false) {
  if (created) {
    f.doc.PushAreaAdded(area, f.doc.m_pSelArea);
  }
  f.doc.m_pSelArea = area;
  f.doc.m_listSelPoint = std::move(points);
  f.view->m_canvas.Invalidate();
  f.Pixels();
  return area;
}

}  // namespace zorva::test
