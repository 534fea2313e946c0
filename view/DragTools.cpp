// The rectangle, ellipse and line tools: one drag from corner to corner (or
// end to end), shown as an exclusive-or image until the release adds the
// shape on top of all others.
#include "model/ZorvaDoc.h"
#include "view/CreationHelpers.h"
#include "view/ZorvaView.h"

namespace {

struct DragShape {
  int32_t type;
  bool closed;  // at the end of the drag
  bool line;    // Shift bends to 45 degrees and the anchor is the press point
};

constexpr DragShape kRect{AREA_RECT, true, false};
constexpr DragShape kEllipse{AREA_ELLIPSE, true, false};
constexpr DragShape kLine{AREA_POLYGON, false, true};

CPoint& Anchor(CZorvaDoc& doc, const DragShape& shape) {
  return shape.line ? doc.m_ptPress : doc.m_ptAnchor;
}

// Puts both points of the shape for the pointer `p`, with Shift's constraint
// and Alt's growth from the anchor as the centre.
void Shape(CZorvaDoc& doc, const DragShape& shape, unsigned flags, CPoint p) {
  CArea& area = *doc.m_pSelArea;
  const CPoint a = Anchor(doc, shape);
  if (flags & MK_SHIFT) {
    if (shape.line)
      CZorvaView::Constrain45(a.x, a.y, p);
    else
      CZorvaView::MakeSquare(a.x, a.y, p);
  }
  *area.GetStartPoint() = (flags & MK_ALT) ? CPoint(2 * a.x - p.x, 2 * a.y - p.y) : a;
  area.SetEndPoint(p.x, p.y);
}

void DragTool(CZorvaView& view, const DragShape& shape, unsigned flags, int32_t x, int32_t y,
              int phase) {
  CZorvaDoc& doc = view.m_doc;
  const CPoint p = create::Snapped(view, x, y);
  if (phase == TOOL_PRESS) {
    create::DropUnfinished(view);
    doc.m_pWorkArea = create::ReleaseSelection(view);
    auto* area = new CArea;
    area->m_nType = shape.type;
    area->m_bClosed = false;
    area->AddPoint(p.x, p.y);
    area->AddPoint(p.x, p.y);
    area->SetBoundPoint(p.x, p.y);
    Anchor(doc, shape) = p;
    doc.m_pSelArea = area;
    view.m_pNewArea = area;
    view.m_nToolState = 1;
    // Drawn from the start, so the first move's erase has something to take off.
    view.DrawXor(*area);
    return;
  }
  if (phase != TOOL_MOVE && phase != TOOL_RELEASE && phase != TOOL_CANCEL) return;
  // A drag of these tools is in state 1 with its new shape selected; anything
  // else is some other gesture this tool must not adopt.
  CArea* area = doc.m_pSelArea;
  if (view.m_nToolState != 1 || !area || area != view.m_pNewArea) {
    create::DropUnfinished(view);
    return;
  }
  view.DrawXor(*area);
  switch (phase) {
    case TOOL_MOVE:
      Shape(doc, shape, flags, p);
      view.DrawXor(*area);
      break;
    case TOOL_RELEASE:
      Shape(doc, shape, flags, p);
      view.DrawSelection(*area, true);
      area->RecalcBound();
      area->m_bClosed = shape.closed;
      create::CommitNew(view, area);
      break;
    case TOOL_CANCEL:
      create::DiscardNew(view, area);
      break;
  }
}

}  // namespace

void CZorvaView::OnToolRect(unsigned flags, int32_t x, int32_t y, int32_t, int32_t, int phase) {
  DragTool(*this, kRect, flags, x, y, phase);
}

void CZorvaView::OnToolEllipse(unsigned flags, int32_t x, int32_t y, int32_t, int32_t,
                               int phase) {
  DragTool(*this, kEllipse, flags, x, y, phase);
}

void CZorvaView::OnToolLine(unsigned flags, int32_t x, int32_t y, int32_t, int32_t, int phase) {
  DragTool(*this, kLine, flags, x, y, phase);
}
