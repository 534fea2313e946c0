#include "view/HistoryRepaint.h"

#include <algorithm>

#include "model/Guide.h"
#include "model/ZorvaDoc.h"
#include "view/ViewCore.h"

CHistoryRepaint::CHistoryRepaint(CViewCore& view) : m_view(view) { m_view.m_doc.AddListener(this); }

CHistoryRepaint::~CHistoryRepaint() {
  m_view.m_doc.RemoveListener(this);
  // After the step, so each rectangle shows the document as it is now (a
  // guide's band it left shows it gone).
  for (const CRect& rc : m_rects) m_view.m_canvas.RepaintRect(rc);
}

void CHistoryRepaint::Add(const CRect& rc) {
  const auto same = [&rc](const CRect& r) {
    return r.left == rc.left && r.top == rc.top && r.right == rc.right && r.bottom == rc.bottom;
  };
  if (std::none_of(m_rects.begin(), m_rects.end(), same)) m_rects.push_back(rc);
}

void CHistoryRepaint::AreaInserted(const CArea& area, size_t) { Add(m_view.m_coords.AreaRectToWindow(area.m_rcBound)); }

void CHistoryRepaint::AreaRemoved(const CArea& area, size_t) { Add(m_view.m_coords.AreaRectToWindow(area.m_rcBound)); }

void CHistoryRepaint::AreaChanged(const CArea& area, size_t, const CRect& boundBefore) {
  Add(m_view.m_coords.AreaRectToWindow(boundBefore));
  Add(m_view.m_coords.AreaRectToWindow(area.m_rcBound));
}

void CHistoryRepaint::GuideChanged(const CGuide& guide, const CGuide* before) {
  if (before) Add(m_view.m_coords.GuideBand(*before));
  Add(m_view.m_coords.GuideBand(guide));
}

void CHistoryRepaint::SelectionChanged(const CArea*, const CArea* after) {
  // The selection before the step was drawn off before it began.
  if (after) Add(m_view.m_coords.AreaRectToWindow(after->m_rcBound));
}
