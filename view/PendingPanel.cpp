// Placeholder bodies until the panel exchange land (removed by them).
#include "view/ZorvaView.h"
void CZorvaView::UpdatePanel(int, bool) {}
bool CZorvaView::ReadPanel() { return false; }
void CZorvaView::OnApplyPanel(uintptr_t, intptr_t) {}
void CZorvaView::OnRefreshPanel() {}
void CZorvaView::OnLoadNotify(uintptr_t, intptr_t) {}
void CZorvaView::SelectFromList(int, CArea*) {}
std::string CZorvaView::FormatPointRow(const CPoint&) { return {}; }
