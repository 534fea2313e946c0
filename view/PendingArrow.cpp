// Placeholder bodies until the arrow, hand and guide tools land (removed by them).
#include "view/ZorvaView.h"
void CZorvaView::OnToolArrow(unsigned, int32_t, int32_t, int32_t, int32_t, int) {}
void CZorvaView::OnToolHand(int32_t, int32_t, int) {}
void CZorvaView::OnToolGuide(unsigned, int32_t, int32_t, int32_t, int32_t, int) {}
void CZorvaView::OnRulerGuide(bool, int32_t, int32_t, int32_t, int32_t, int) {}
void CZorvaView::Constrain45(int32_t, int32_t, CPoint&) {}
void CZorvaView::MakeSquare(int32_t, int32_t, CPoint&) {}
bool CZorvaView::IsNearPoint(int32_t, int32_t, int32_t, int32_t) { return false; }
bool CZorvaView::SnapPointToGuides(const std::list<CGuide*>&, CPoint&) { return false; }
bool CZorvaView::SnapRectToGuides(const std::list<CGuide*>&, CRect&) { return false; }
