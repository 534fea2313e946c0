#include "view/ShapeTool.h"

#include "model/ZorvaDoc.h"
#include "view/CreationHelpers.h"
#include "view/EditSelection.h"
#include "view/ToolHelpers.h"
#include "view/ViewCore.h"

CPoint& CShapeTool::Anchor() { return m_shape.line ? m_view.m_doc.m_ptPress : m_view.m_doc.m_ptAnchor; }

void CShapeTool::Reshape(CArea& area, unsigned flags, CPoint p) {
  const CPoint a = Anchor();
  if (flags & MK_SHIFT) {
    if (m_shape.line)
      Constrain45(a.x, a.y, p);
    else
      MakeSquare(a.x, a.y, p);
  }
  *area.GetStartPoint() = (flags & MK_ALT) ? CPoint(2 * a.x - p.x, 2 * a.y - p.y) : a;
  area.SetEndPoint(p.x, p.y);
}

void CShapeTool::Press(unsigned, CPoint pointer) {
  const CPoint p = create::Snapped(m_view, pointer.x, pointer.y);
  create::DropUnfinished(m_view);
  create::ReleaseSelection(m_view);
  CArea* area = create::BeginNew(m_view, std::make_unique<CArea>());
  area->m_nType = m_shape.type;
  area->m_bClosed = false;
  area->AddPoint(p.x, p.y);
  area->AddPoint(p.x, p.y);
  area->SetBoundPoint(p.x, p.y);
  Anchor() = p;
  m_view.m_toolState.Start(GestureKind::ShapeDrag);
  // Drawn from the start, so the first move's erase has something to take off.
  m_view.m_canvas.DrawXor(*area);
}

CArea* CShapeTool::OwnDrag() {
  // A drag of these tools is in state 1 with its new shape selected; anything
  // else is some other gesture this tool must not adopt.
  CArea* area = m_view.m_doc.m_pSelArea;
  if (!m_view.m_toolState.Is(GestureKind::ShapeDrag) || !area || area != m_view.m_pNewArea.get()) {
    create::DropUnfinished(m_view);
    return nullptr;
  }
  m_view.m_canvas.DrawXor(*area);
  return area;
}

void CShapeTool::Move(unsigned flags, CPoint pointer) {
  const CPoint p = create::Snapped(m_view, pointer.x, pointer.y);
  if (CArea* area = OwnDrag()) {
    Reshape(*area, flags, p);
    m_view.m_canvas.DrawXor(*area);
  }
}

namespace {

// A box or ellipse without width or height, or a line without length, is no
// shape a browser could click: a click without a drag draws nothing.
bool HasNoSize(const CArea& area, bool line) {
  const CPoint a = *area.GetStartPoint(), b = *area.GetEndPoint();
  return line ? a == b : a.x == b.x || a.y == b.y;
}

}  // namespace

void CShapeTool::Release(unsigned flags, CPoint pointer) {
  const CPoint p = create::Snapped(m_view, pointer.x, pointer.y);
  if (CArea* area = OwnDrag()) {
    Reshape(*area, flags, p);
    if (HasNoSize(*area, m_shape.line)) {
      DiscardKeepingSelection();
      return;
    }
    m_view.m_canvas.DrawSelection(*area, true);
    area->RecalcBound();
    area->m_bClosed = m_shape.closed;
    create::CommitNew(m_view);
  }
}

void CShapeTool::Cancel(CPoint) {
  if (OwnDrag()) DiscardKeepingSelection();
}

void CShapeTool::DiscardKeepingSelection() {
  // The area the press deselected is selected again, as if nothing happened.
  CArea* before = m_view.m_pPrevSel;
  create::DiscardNew(m_view);
  if (before && m_view.m_doc.m_listArea.Contains(before)) ShowSelected(m_view, before);
}
