// The Edit menu's commands. Undo and redo: the document keeps the history
// and applies its steps on its own; the view draws the selection off and
// repaints what the document says the step changed. The clipboard holds one area; paste and duplicate place the
// new area at the paste offset on top of all others, and the clipboard
// itself never moves, so two pastes coincide.
#include "view/EditCommands.h"

#include <string_view>

#include "html/AttributeText.h"
#include "model/ZorvaDoc.h"
#include "view/EditSelection.h"
#include "view/HistoryRepaint.h"
#include "view/ViewCore.h"

namespace {

// Appends an offset copy of `source` on top, records its addition and
// selects it.
void PlaceCopy(CViewCore& view, const CArea& source) {
  CZorvaDoc& doc = view.m_doc;
  CArea* prevSel = doc.m_pSelArea;
  ShowSelectionCleared(view);
  auto copy = std::make_unique<CArea>();
  copy->CopyFrom(source);
  DropTakenIdentifiers(doc, *copy);
  copy->Offset(view.m_clipboard.m_ptPasteOffset.x, view.m_clipboard.m_ptPasteOffset.y);
  CArea* area = doc.m_listArea.push_back(std::move(copy));
  doc.PushAreaAdded(area, prevSel);
  ShowSelected(view, area);
}

bool DeletesVerticesOnly(const CZorvaDoc& doc, const CArea& area) {
  const size_t n = doc.m_listSelPoint.size();
  return n > 0 && n < area.m_listPoint.size() && area.m_nType != AREA_RECT &&
         area.m_nType != AREA_ELLIPSE;
}

void DeleteSelectedVertices(CZorvaDoc& doc, CArea& area) {
  auto before = std::make_unique<CArea>();
  before->CopyFrom(area);
  // Each vertex leaves the selection, the grab and the pending slot before
  // it is freed.
  const CPointRefList doomed = doc.m_listSelPoint;
  doc.m_listSelPoint.clear();
  for (const CPoint* p : doomed) {
    if (doc.m_pGrabPoint == p) doc.m_pGrabPoint = nullptr;
    area.RemovePoint(p);
  }
  // The bounds follow the remaining outline, as the undone state's did.
  area.RecalcBound();
  doc.PushAreaChanged(&area, std::move(before));
}

void DeleteArea(CZorvaDoc& doc, CArea& area) {
  const size_t pos = doc.m_listArea.IndexOf(&area);
  if (pos == doc.m_listArea.npos) return;
  doc.ForgetPointsOf(area);
  doc.PushAreaRemoved(doc.m_listArea.Take(&area), pos);
  doc.SetSelArea(nullptr);
  doc.m_listSelPoint.clear();
}

// Whether an area of the document has the attribute `lowerName` with `value`.
bool DocumentHasAttribute(const CZorvaDoc& doc, std::string_view lowerName, std::string_view value) {
  for (const CArea* a : doc.m_listArea)
    if (!a->m_strOtherAttrs.empty() && zorva::html::KeptAttributeValue(a->m_strOtherAttrs, lowerName) == value)
      return true;
  return false;
}

}  // namespace

// An id (or a name, which shares its place in a page) must stay one of a
// kind: a copy whose source is still in the document goes without it. A
// paste after cut keeps it, since it moves the one area that had it.
void DropTakenIdentifiers(const CZorvaDoc& doc, CArea& copy) {
  if (copy.m_strOtherAttrs.empty()) return;
  for (std::string_view name : {"id", "name"}) {
    const auto value = zorva::html::KeptAttributeValue(copy.m_strOtherAttrs, name);
    if (value && DocumentHasAttribute(doc, name, *value))
      copy.m_strOtherAttrs = zorva::html::WithoutKeptAttribute(copy.m_strOtherAttrs, name);
  }
}

CEditCommands::CEditCommands(CViewCore& view) : m_view(view), m_doc(view.m_doc) {}

void CEditCommands::Undo() {
  const CUndoRecord* r = m_doc.RecordToUndo();
  if (!r) return;
  const bool placing = m_view.m_toolState.Is(GestureKind::PolygonDraw);
  // An area's step moves the selection: the old one is drawn off first.
  if (!r->IsGuide()) ShowSelectionCleared(m_view);
  const CHistoryRepaint repaint(m_view);
  m_doc.Undo();
  m_view.m_toolState.Reset();
  // Undone while placing a polygon's vertices, the last vertex goes and the
  // next click goes on from the one before it.
  CArea* poly = m_doc.m_pSelArea;
  if (placing && r->GetKind() == CUndoRecord::Kind::Change && r->Item() == poly && poly &&
      poly->m_nType == AREA_POLYGON && !poly->m_bClosed && !poly->m_listPoint.empty()) {
    m_doc.m_listSelPoint.clear();
    m_doc.m_listSelPoint.push_back(poly->GetEndPoint());
    m_view.m_toolState.Start(GestureKind::PolygonDraw);
    m_view.m_canvas.RepaintArea(*poly);
    m_view.PanelTouched();
  }
}

void CEditCommands::Redo() {
  const CUndoRecord* r = m_doc.RecordToRedo();
  if (!r) return;
  if (!r->IsGuide()) ShowSelectionCleared(m_view);
  const CHistoryRepaint repaint(m_view);
  m_doc.Redo();
  m_view.m_toolState.Reset();
}


void CEditCommands::Copy() {
  if (!m_doc.m_pSelArea) return;
  m_view.m_clipboard.Hold(*m_doc.m_pSelArea, m_doc.m_nCharset);
}

void CEditCommands::Cut() {
  if (!m_doc.m_pSelArea) return;
  Copy();
  // With no vertex selected, delete takes the whole area.
  m_doc.m_listSelPoint.clear();
  Clear();
}

void CEditCommands::Clear() {
  CArea* area = m_doc.m_pSelArea;
  if (!area) return;
  const CRect rc = m_view.m_coords.AreaRectToWindow(area->m_rcBound);
  if (DeletesVerticesOnly(m_doc, *area))
    DeleteSelectedVertices(m_doc, *area);
  else
    DeleteArea(m_doc, *area);
  m_view.m_canvas.RepaintRect(rc);
}

void CEditCommands::Paste() {
  if (!m_view.m_clipboard.IsFull()) return;
  // The copy may come from a document whose texts were in another charset;
  // it is made this document's once, so a second paste costs nothing.
  PlaceCopy(m_view, m_view.m_clipboard.AreaIn(m_doc.m_nCharset));
}

void CEditCommands::Duplicate() {
  if (!m_doc.m_pSelArea) return;
  PlaceCopy(m_view, *m_doc.m_pSelArea);
}
