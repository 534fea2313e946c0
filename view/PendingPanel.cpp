// Placeholder bodies until the panel exchange and the rulers land (removed by them).
#include "view/Ruler.h"
#include "view/ZorvaView.h"
void CZorvaView::UpdatePanel(int, bool) {}
bool CZorvaView::ReadPanel() { return false; }
void CZorvaView::OnApplyPanel(uintptr_t, intptr_t) {}
void CZorvaView::OnRefreshPanel() {}
void CZorvaView::OnLoadNotify(uintptr_t, intptr_t) {}
void CZorvaView::SelectFromList(int, CArea*) {}
std::string CZorvaView::FormatPointRow(const CPoint&) { return {}; }
void CRuler::SetOffset(int32_t) {}
void CRuler::SetLength(int32_t, int32_t) {}
CRuler::Layout CRuler::GetLayout(int32_t) const { return {}; }
