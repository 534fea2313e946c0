#include "view/CreationHelpers.h"

#include <algorithm>
#include <iterator>

#include "model/ZorvaDoc.h"
#include "view/EditSelection.h"
#include "view/ToolHelpers.h"
#include "view/ViewCore.h"

namespace create {

CPoint Snapped(const CViewCore& view, int32_t x, int32_t y) {
  CPoint p(x, y);
  if (view.m_canvas.m_bShowGuides) SnapPointToGuides(view.m_doc.m_listGuide, p);
  return p;
}

void ReleaseSelection(CViewCore& view) {
  view.m_pPrevSel = view.m_doc.m_pSelArea;
  ShowSelectionCleared(view);
}

CArea* BeginNew(CViewCore& view, std::unique_ptr<CArea> area) {
  view.m_pNewArea = std::move(area);
  view.m_doc.SetSelArea(view.m_pNewArea.get());
  return view.m_pNewArea.get();
}

void DropUnfinished(CViewCore& view) {
  CArea* area = view.m_pNewArea.get();
  if (!area) return;
  CZorvaDoc& doc = view.m_doc;
  if (doc.m_pSelArea == area) doc.SetSelArea(nullptr);
  doc.ForgetPointsOf(*area);
  view.m_pPrevSel = nullptr;
  view.m_pNewArea.reset();
  view.m_toolState.Reset();
  view.m_canvas.Invalidate();
}

void CommitNew(CViewCore& view) {
  CZorvaDoc& doc = view.m_doc;
  CArea* area = doc.m_listArea.push_back(std::move(view.m_pNewArea));
  view.m_toolState.Reset();
  doc.PushAreaAdded(area, view.m_pPrevSel);
  view.m_pPrevSel = nullptr;
}

void DiscardNew(CViewCore& view) {
  CZorvaDoc& doc = view.m_doc;
  doc.m_listSelPoint.clear();
  doc.SetSelArea(nullptr);
  view.m_pNewArea.reset();
  view.m_pPrevSel = nullptr;
  view.m_toolState.Reset();
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
