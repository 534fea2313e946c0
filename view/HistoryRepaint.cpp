#include "view/HistoryRepaint.h"

#include "model/ZorvaDoc.h"
#include "view/ViewCore.h"

CHistoryRepaint::CHistoryRepaint(CViewCore& view) : m_view(view) { m_view.m_doc.AddListener(this); }

CHistoryRepaint::~CHistoryRepaint() { m_view.m_doc.RemoveListener(this); }

void CHistoryRepaint::AreaInserted(const CArea& area, size_t) { m_view.m_canvas.RepaintArea(area); }

// Told once the area has left the list: the repaint shows it gone.
void CHistoryRepaint::AreaRemoved(const CArea& area, size_t) { m_view.m_canvas.RepaintArea(area); }

void CHistoryRepaint::AreaChanged(const CArea& area, size_t, const CRect& boundBefore) {
  m_view.m_canvas.RepaintRect(m_view.m_coords.AreaRectToWindow(boundBefore));
  m_view.m_canvas.RepaintArea(area);
}

void CHistoryRepaint::GuideChanged(const CGuide& guide, const CGuide* before) {
  // The band it left is repainted after the move, or it would be painted
  // back where it is leaving.
  if (before) m_view.m_canvas.RepaintRect(m_view.m_coords.GuideBand(*before));
  m_view.m_canvas.RepaintGuide(guide);
}

void CHistoryRepaint::SelectionChanged(const CArea*, const CArea* after) {
  // The selection before the step was drawn off before it began.
  if (after) m_view.m_canvas.RepaintArea(*after);
}
