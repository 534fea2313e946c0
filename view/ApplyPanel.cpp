// The view's private messages that are not mouse or keys: an edit in the
// property panel, a panel refresh and a loader's notice.
#include <climits>
#include <cstdint>
#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

#include "model/UndoRecord.h"
#include "model/ZorvaDoc.h"
#include "view/PanelFields.h"
#include "view/PanelPoints.h"
#include "view/ZorvaView.h"

namespace {

// What refers to the selected area's points, kept as coordinates and a
// position, so it can be found again among the points of a restored copy.
struct PointRefMemo {
  std::vector<CPoint> selected;  // coordinates of the selected vertices, in order
  long pending = -1;             // storage position of the pending point
};

PointRefMemo RememberPointRefs(const CZorvaDoc& doc, const CArea& area) {
  PointRefMemo memo;
  for (const CPoint* p : doc.m_listSelPoint) memo.selected.push_back(*p);
  long i = 0;
  for (const CPoint& p : area.m_listPoint) {
    if (&p == area.m_pPending) memo.pending = i;
    ++i;
  }
  return memo;
}

// Each remembered vertex takes the first point with its coordinates that no
// earlier one took; a vertex without such a point is dropped.
void RebindPointRefs(CZorvaDoc& doc, CArea& area, const PointRefMemo& memo) {
  auto key = [](const CPoint& p) { return (uint64_t(uint32_t(p.x)) << 32) | uint32_t(p.y); };
  std::unordered_map<uint64_t, std::deque<CPoint*>> byCoords;
  long i = 0;
  for (CPoint& p : area.m_listPoint) {
    if (i++ == memo.pending) area.m_pPending = &p;
    if (!memo.selected.empty()) byCoords[key(p)].push_back(&p);
  }
  doc.m_listSelPoint.clear();
  for (const CPoint& want : memo.selected) {
    auto it = byCoords.find(key(want));
    if (it == byCoords.end() || it->second.empty()) continue;
    doc.m_listSelPoint.push_back(it->second.front());
    it->second.pop_front();
  }
}

}  // namespace

void CZorvaView::OnApplyPanel(PanelChange change) {
  IPropertyPanel* panel = m_pPropertyPanel;
  if (!panel) return;
  // A running gesture ends first: the panel's edit is a step of its own.
  CancelGesture();
  CArea* area = m_doc.m_pSelArea;
  if (!area) {
    // The default area is no part of the undo history and of the saved state.
    ReadAreaTexts(m_doc, *panel, m_doc.m_areaDefault, false);
    m_frame.RebuildAreaList();
    return;
  }

  const PointRefMemo memo = RememberPointRefs(m_doc, *area);
  auto backup = std::make_unique<CArea>();
  backup->CopyFrom(*area);

  if (ReadPanel()) {
    area->UpdateHtmlShape(true);
    const CArea& before = *backup;
    m_doc.PushAreaChanged(area, std::move(backup));
    m_canvas.RepaintArea(before);
    area->RecalcBound();
    m_canvas.RepaintArea(*area);
    // After a change of the point list's selection the list is left as the
    // user has it.
    UpdatePanel(0, change != PanelChange::PointSelection);
  } else {
    // ReadPanel may have changed points before it refused a type; the copy
    // replaces every point, so nothing may keep pointing at the old ones.
    m_doc.ForgetPointsOf(*area);
    m_doc.m_pGrabPoint = nullptr;
    area->CopyFrom(*backup);
    RebindPointRefs(m_doc, *area, memo);
  }
  m_frame.RebuildAreaList();
}

void CZorvaView::OnRefreshPanel() { UpdatePanel(-1, true); }

void CZorvaView::OnLoadNotify(uintptr_t wParam, intptr_t lParam) {
  if (wParam == 0) {
    if (lParam > 0 && uintmax_t(lParam) <= UINT_MAX)
      m_doc.ReportMessage(unsigned(lParam), {}, MB_OK | MB_ICONEXCLAMATION);
  } else if (lParam == 0) {
    OnUpdate();
  }
}
