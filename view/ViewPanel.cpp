// The exchange with the property panel: the selected area (or the default
// area) into the panel's controls, the controls back into the selected area
// as one undoable step, and a click in the area list.
#include "view/ViewPanel.h"

#include <climits>
#include <cstdint>
#include <deque>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "model/UndoRecord.h"
#include "model/ZorvaDoc.h"
#include "view/EditSelection.h"
#include "view/PanelFields.h"
#include "view/PanelPoints.h"
#include "view/ViewCore.h"

namespace {

constexpr unsigned kRectOnlyToPolygon = 61225;
constexpr unsigned kEllipseOnlyToPolygon = 61226;
constexpr unsigned kPolygonStays = 61227;
constexpr unsigned kBezierOnlyToPolygon = 61228;

void FillPointRows(CZorvaDoc& doc, IPropertyPanel& panel, const CArea& area) {
  panel.Enable(IDC_POINTS, true);
  panel.ResetRows(IDC_POINTS);
  const std::unordered_set<const CPoint*> selected(doc.m_listSelPoint.begin(),
                                                   doc.m_listSelPoint.end());
  int row = 0;
  for (const CPoint* p : PointsInDrawingOrder(area)) {
    panel.AddRow(IDC_POINTS, FormatPointRow(*p));
    if (selected.count(p)) panel.SetRowSel(IDC_POINTS, row, true);
    ++row;
  }
}

// The rows back into the points, walking both in step: coordinates the user
// changed (through the coordinate dialog) and the row selection. Rows that
// carry handles are the coordinate dialog's business and are not read.
bool ReadPointRows(CZorvaDoc& doc, IPropertyPanel& panel, CArea& area) {
  const int rows = panel.GetRowCount(IDC_POINTS);
  if (rows <= 0) return false;
  if (ParsePointRow(panel.GetRowText(IDC_POINTS, 0)).form == PointRowForm::Handles) return false;
  std::unordered_set<const CPoint*> selected(doc.m_listSelPoint.begin(),
                                             doc.m_listSelPoint.end());
  const std::vector<CPoint*> points = PointsInDrawingOrder(area);
  bool changed = false;
  for (size_t i = 0; i < points.size() && i < size_t(rows); ++i) {
    CPoint* p = points[i];
    const PointRow parsed = ParsePointRow(panel.GetRowText(IDC_POINTS, int(i)));
    // A row that is no point at all leaves its point where it is.
    if (parsed.form != PointRowForm::Other && parsed.point != *p) {
      *p = parsed.point;
      changed = true;
    }
    const bool rowSelected = panel.GetRowSel(IDC_POINTS, int(i));
    if (rowSelected != (selected.count(p) != 0)) {
      doc.TogglePointSel(p);
      if (rowSelected) selected.insert(p);
      else selected.erase(p);
      changed = true;
    }
  }
  return changed;
}

// A refused type: the list shows the area's type again.
bool RefuseType(CZorvaDoc& doc, IPropertyPanel& panel, unsigned message, int type) {
  doc.ReportMessage(message, {}, MB_OK);
  panel.SetCurSel(IDC_TYPE, type);
  return false;
}

}  // namespace

CViewPanel::CViewPanel(CViewCore& view) : m_view(view), m_doc(view.m_doc) {}

void CViewPanel::Update(int first, bool refillPoints) {
  // A hidden panel is written too: were it left stale, the first edit after
  // showing it again would read another area's points and texts into this one.
  if (IPropertyPanel* panel = m_view.m_pPropertyPanel) {
    if (const CArea* area = m_doc.m_pSelArea) {
      panel->Enable(IDC_TYPE, true);
      panel->SetCurSel(IDC_TYPE, area->m_nType);
      if (area->m_nType == AREA_POLYGON || area->m_nType == AREA_BEZIER) {
        panel->Enable(IDC_CLOSED, true);
        panel->SetCheck(IDC_CLOSED, area->m_bClosed);
      } else {
        panel->Enable(IDC_CLOSED, false);
      }
      if (refillPoints) FillPointRows(m_doc, *panel, *area);
      WriteAreaTexts(m_doc, *panel, *area, true);
    } else {
      panel->Enable(IDC_TYPE, false);
      panel->Enable(IDC_CLOSED, false);
      panel->ResetRows(IDC_POINTS);
      panel->Enable(IDC_POINTS, false);
      WriteAreaTexts(m_doc, *panel, m_doc.m_areaDefault, false);
    }
  }
  if (first < 0) m_view.m_frame.RebuildAreaList();
}

bool CViewPanel::Read() {
  CArea* area = m_doc.m_pSelArea;
  IPropertyPanel* panel = m_view.m_pPropertyPanel;
  if (!area || !panel) return false;
  const int requested = panel->GetCurSel(IDC_TYPE);
  bool changed = ReadPointRows(m_doc, *panel, *area);

  switch (area->m_nType) {
    case AREA_RECT:
      if (requested == AREA_POLYGON) {
        area->ConvertToPolygon();  // keeps the two corners as points
        changed = true;
      } else if (requested != AREA_RECT) {
        return RefuseType(m_doc, *panel, kRectOnlyToPolygon, AREA_RECT);
      }
      break;
    case AREA_ELLIPSE:
      if (requested == AREA_POLYGON) {
        // The outline is rebuilt from new points; the old ones die.
        m_doc.ForgetPointsOf(*area);
        area->ConvertToPolygon();
        changed = true;
      } else if (requested != AREA_ELLIPSE) {
        return RefuseType(m_doc, *panel, kEllipseOnlyToPolygon, AREA_ELLIPSE);
      }
      break;
    case AREA_POLYGON:
      if (requested != AREA_POLYGON) return RefuseType(m_doc, *panel, kPolygonStays, AREA_POLYGON);
      if (panel->GetCheck(IDC_CLOSED) != area->m_bClosed) {
        area->m_bClosed = panel->GetCheck(IDC_CLOSED);
        changed = true;
      }
      break;
    case AREA_BEZIER:
      // No Bezier outline can be converted: the choice is taken as a change
      // and the area stays a Bezier.
      if (requested == AREA_POLYGON) changed = true;
      else if (requested != AREA_BEZIER)
        return RefuseType(m_doc, *panel, kBezierOnlyToPolygon, AREA_BEZIER);
      break;
    default:
      break;
  }

  changed |= ReadAreaTexts(m_doc, *panel, *area, true);
  m_view.m_toolState.Reset();
  return changed;
}

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

void CViewPanel::Apply(PanelChange change) {
  IPropertyPanel* panel = m_view.m_pPropertyPanel;
  if (!panel) return;
  // A running gesture ends first: the panel's edit is a step of its own.
  m_view.CancelGesture();
  CArea* area = m_doc.m_pSelArea;
  if (!area) {
    // The default area is written to the page and the project like any
    // other, so its edit is a step of the history: it marks the document
    // modified and can be undone.
    auto before = std::make_unique<CArea>();
    before->CopyFrom(m_doc.m_areaDefault);
    if (ReadAreaTexts(m_doc, *panel, m_doc.m_areaDefault, false))
      m_doc.PushAreaChanged(&m_doc.m_areaDefault, std::move(before));
    m_view.m_frame.RebuildAreaList();
    return;
  }

  const PointRefMemo memo = RememberPointRefs(m_doc, *area);
  auto backup = std::make_unique<CArea>();
  backup->CopyFrom(*area);

  if (Read()) {
    area->UpdateHtmlShape(true);
    const CArea& before = *backup;
    m_doc.PushAreaChanged(area, std::move(backup));
    m_view.m_canvas.RepaintArea(before);
    area->RecalcBound();
    m_view.m_canvas.RepaintArea(*area);
    // After a change of the point list's selection the list is left as the
    // user has it.
    Update(0, change != PanelChange::PointSelection);
  } else {
    // ReadPanel may have changed points before it refused a type; the copy
    // replaces every point, so nothing may keep pointing at the old ones.
    m_doc.ForgetPointsOf(*area);
    m_doc.m_pGrabPoint = nullptr;
    area->CopyFrom(*backup);
    RebindPointRefs(m_doc, *area, memo);
  }
  m_view.m_frame.RebuildAreaList();
}


void CViewPanel::SelectFromList(int row, CArea* area) {
  // The row's area may be gone when the list lags behind the document.
  if (area && !m_doc.m_listArea.Contains(area)) return;
  m_view.CancelGesture();
  ShowSelectionCleared(m_view);
  ShowSelected(m_view, area);
  Update(row, true);
}
