// Placeholder bodies until the creation tools land (removed by them).
#include "view/ZorvaView.h"
void CZorvaView::OnToolRect(unsigned, int32_t, int32_t, int32_t, int32_t, int) {}
void CZorvaView::OnToolEllipse(unsigned, int32_t, int32_t, int32_t, int32_t, int) {}
void CZorvaView::OnToolLine(unsigned, int32_t, int32_t, int32_t, int32_t, int) {}
void CZorvaView::OnToolPolygon(unsigned, int32_t, int32_t, int32_t, int32_t, int) {}
void CZorvaView::OnToolFreehand(unsigned, int32_t, int32_t, int32_t, int32_t, int) {}
