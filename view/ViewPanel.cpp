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
#include "view/AreaList.h"
#include "view/ViewCore.h"

namespace {

constexpr unsigned kRectOnlyToPolygon = 61225;
constexpr unsigned kEllipseOnlyToPolygon = 61226;
constexpr unsigned kPolygonStays = 61227;
constexpr unsigned kBezierOnlyToPolygon = 61228;

void FillPointRows(const CZorvaDoc& doc, const CArea& area, PanelContent& c) {
  const std::unordered_set<const CPoint*> selected(doc.m_listSelPoint.begin(),
                                                   doc.m_listSelPoint.end());
  for (const CPoint* p : PointsInDrawingOrder(area)) {
    c.rows.push_back(FormatPointRow(*p));
    c.rowSelected.push_back(selected.count(p) != 0);
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

CViewPanel::CViewPanel(CViewCore& view) : m_view(view), m_doc(view.m_doc) { m_doc.AddListener(this); }

CViewPanel::~CViewPanel() { m_doc.RemoveListener(this); }

PanelContent CViewPanel::Content() const {
  PanelContent c;
  if (const CArea* area = m_doc.m_pSelArea) {
    c.area = true;
    c.type = area->m_nType;
    c.closedEnabled = area->m_nType == AREA_POLYGON || area->m_nType == AREA_BEZIER;
    c.closed = c.closedEnabled && area->m_bClosed;
    FillPointRows(m_doc, *area, c);
    FillAreaTexts(m_doc, *area, true, c);
  } else {
    FillAreaTexts(m_doc, m_doc.m_areaDefault, false, c);
  }
  return c;
}

int CViewPanel::ListRowOfSelection() const {
  return m_doc.m_pSelArea ? AreaListRowOf(m_doc, m_doc.m_pSelArea) : -1;
}

void CViewPanel::Sync() {
  // A shape being dragged out is no part of the document yet: the panel
  // shows it when the drag lets go of it.
  const bool dragging = m_view.HasCapture() && m_view.m_pNewArea && m_doc.m_pSelArea == m_view.m_pNewArea.get();
  IPropertyPanel* panel = dragging ? nullptr : m_view.m_pPropertyPanel;
  if (panel) {
    PanelContent c = Content();
    if (!m_bShown || c != m_shown) {
      panel->Show(c, !m_bShown || !c.SameRows(m_shown));
      m_shown = std::move(c);
      m_bShown = true;
    }
  }
  if (m_nListRow != kUnknownRow && m_pListRowArea == m_doc.m_pSelArea) return;
  const int row = ListRowOfSelection();
  m_pListRowArea = m_doc.m_pSelArea;
  if (row != m_nListRow) {
    m_view.m_frame.AreaListSelect(row);
    m_nListRow = row;
  }
}

void CViewPanel::Refresh() {
  m_bShown = false;
  m_nListRow = kUnknownRow;
  Sync();
}

void CViewPanel::AreaInserted(const CArea&, size_t pos) {
  m_view.m_frame.AreaListRowInserted(int(m_doc.m_listArea.size() - 1 - pos));
  // The list moved its marked row along with the rows; it is told again.
  m_nListRow = kUnknownRow;
  m_view.PanelTouched();
}

void CViewPanel::AreaRemoved(const CArea&, size_t pos) {
  // Told once the area has left: with n areas left, its row was n - pos.
  m_view.m_frame.AreaListRowRemoved(int(m_doc.m_listArea.size() - pos));
  m_nListRow = kUnknownRow;
  m_view.PanelTouched();
}

void CViewPanel::AreaChanged(const CArea&, size_t pos, const CRect&) {
  m_view.m_frame.AreaListRowChanged(int(m_doc.m_listArea.size() - 1 - pos));
  m_view.PanelTouched();
}

void CViewPanel::DefaultAreaChanged() {
  m_view.m_frame.AreaListRowChanged(int(m_doc.m_listArea.size()));
  m_view.PanelTouched();
}

void CViewPanel::SelectionChanged(const CArea*, const CArea*) { m_view.PanelTouched(); }

void CViewPanel::DocumentReset() {
  m_view.m_frame.AreaListReset();
  m_bShown = false;
  m_nListRow = kUnknownRow;
  m_view.PanelTouched();
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
  const CViewCore::CEventScope event(m_view, false);
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
    // The panel holds what was typed, which is what the area holds now.
    m_shown = Content();
    m_bShown = true;
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
    // The fields show what the area took; after a change of the point
    // list's selection the rows are left as the user has them.
    PanelContent c = Content();
    panel->Show(c, change != PanelChange::PointSelection);
    m_shown = std::move(c);
    m_bShown = true;
  } else {
    // ReadPanel may have changed points before it refused a type; the copy
    // replaces every point, so nothing may keep pointing at the old ones.
    m_doc.ForgetPointsOf(*area);
    m_doc.m_pGrabPoint = nullptr;
    area->CopyFrom(*backup);
    RebindPointRefs(m_doc, *area, memo);
  }
}


void CViewPanel::SelectFromList(int row, CArea* area) {
  // The row's area may be gone when the list lags behind the document.
  if (area && !m_doc.m_listArea.Contains(area)) return;
  const CViewCore::CEventScope event(m_view);
  m_view.CancelGesture();
  ShowSelectionCleared(m_view);
  ShowSelected(m_view, area);
  // The list marked the clicked row itself.
  m_nListRow = area ? row : -1;
  m_pListRowArea = area;
}
