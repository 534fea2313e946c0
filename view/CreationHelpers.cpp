#include "view/CreationHelpers.h"

#include <algorithm>
#include <iterator>

#include "model/ZorvaDoc.h"
#include "view/EditSelection.h"
#include "view/ZorvaView.h"

namespace create {

CPoint Snapped(const CZorvaView& view, int32_t x, int32_t y) {
  CPoint p(x, y);
  if (view.m_bShowGuides) CZorvaView::SnapPointToGuides(view.m_doc.m_listGuide, p);
  return p;
}

CArea* ReleaseSelection(CZorvaView& view) {
  CArea* old = view.m_doc.m_pSelArea;
  ShowSelectionCleared(view);
  return old;
}

void DropUnfinished(CZorvaView& view) {
  CArea* area = view.m_pNewArea;
  if (!area) return;
  CZorvaDoc& doc = view.m_doc;
  if (doc.m_pSelArea == area) doc.m_pSelArea = nullptr;
  doc.ForgetPointsOf(*area);
  // The slot held the area deselected at the press, which the document owns.
  view.m_pWorkArea = nullptr;
  view.m_pNewArea = nullptr;
  view.m_nToolState = 0;
  delete area;
  view.Invalidate();
}

void CommitNew(CZorvaView& view, CArea* area) {
  CZorvaDoc& doc = view.m_doc;
  doc.m_listArea.push_back(area);
  view.m_pNewArea = nullptr;
  view.m_nToolState = 0;
  doc.PushAreaAdded(area, view.m_pWorkArea);
  view.m_pWorkArea = nullptr;
}

void DiscardNew(CZorvaView& view, CArea* area) {
  CZorvaDoc& doc = view.m_doc;
  doc.m_listSelPoint.clear();
  doc.m_pSelArea = nullptr;
  view.m_pNewArea = nullptr;
  delete area;
  view.m_pWorkArea = nullptr;
  view.m_nToolState = 0;
}


const CPoint* PrevVertex(const CArea& area, const CPoint* point) {
  const CPointList& list = area.m_listPoint;
  auto it = std::find_if(list.begin(), list.end(), [point](const CPoint& q) { return &q == point; });
  if (it == list.end() || list.size() < 2) return nullptr;
  // Outlines are drawn from the head when they grow at the tail, and from the
  // tail when they grow at the head.
  if (area.m_bTailEnd) {
    if (it != list.begin()) return &*std::prev(it);
    return area.m_bClosed ? &list.back() : nullptr;
  }
  if (std::next(it) != list.end()) return &*std::next(it);
  return area.m_bClosed ? &list.front() : nullptr;
}


}  // namespace create
