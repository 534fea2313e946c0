// Placeholder bodies until the arrow, hand and guide tools land (removed by them).
#include "view/ZorvaView.h"
void CZorvaView::OnToolArrow(unsigned, int32_t, int32_t, int32_t, int32_t, int) {}
void CZorvaView::OnToolHand(int32_t, int32_t, int) {}
void CZorvaView::OnToolGuide(unsigned, int32_t, int32_t, int32_t, int32_t, int) {}
void CZorvaView::OnRulerGuide(bool, int32_t, int32_t, int32_t, int32_t, int) {}
