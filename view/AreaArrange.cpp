#include "view/AreaArrange.h"

#include <memory>

#include "model/UndoRecord.h"
#include "model/ZorvaDoc.h"
#include "view/CommandIds.h"
#include "view/ViewCore.h"
#include "model/DocumentUndoTarget.h"
#include "view/HistoryRepaint.h"

namespace {

// The row the command moves the selected area to, or npos when it stays.
size_t TargetRow(const CZorvaDoc& doc, unsigned id) {
  const COwnedList<CArea>& list = doc.m_listArea;
  const size_t from = list.IndexOf(doc.m_pSelArea);
  if (from == list.npos) return list.npos;
  const size_t top = list.size() - 1;
  size_t to = from;
  switch (id) {
    case ID_AREA_TO_FRONT: to = top; break;
    case ID_AREA_FORWARD: to = from < top ? from + 1 : from; break;
    case ID_AREA_BACKWARD: to = from > 0 ? from - 1 : 0; break;
    case ID_AREA_TO_BACK: to = 0; break;
    default: break;
  }
  return to == from ? list.npos : to;
}

}  // namespace

bool CanMoveInOrder(const CViewCore& view, unsigned id) { return TargetRow(view.m_doc, id) != COwnedList<CArea>::npos; }

void MoveInOrder(CViewCore& view, unsigned id) {
  CZorvaDoc& doc = view.m_doc;
  const size_t to = TargetRow(doc, id);
  if (to == doc.m_listArea.npos) return;
  auto record = std::make_unique<COrderRecord>(doc.m_pSelArea, doc.m_listArea.IndexOf(doc.m_pSelArea), to);
  {
    const CHistoryRepaint repaint(view);
    CDocumentUndoTarget target(doc);
    record->Redo(target);
  }
  doc.PushUndo(std::move(record));
  view.PanelTouched();
}

void NudgeSelected(CViewCore& view, int dx, int dy, bool continuesRun) {
  CZorvaDoc& doc = view.m_doc;
  CArea* area = doc.m_pSelArea;
  if (!area || !doc.m_listArea.Contains(area)) return;
  // The run's step is the newest applied one and still about this area;
  // anything in between (an undo, another edit) starts a step of its own.
  const auto* last = dynamic_cast<const CChangeRecord<CArea>*>(doc.RecordToUndo());
  const bool joins = continuesRun && last && last->Item() == area && !doc.CanRedo();
  const CHistoryRepaint repaint(view);  // the old place and the new
  auto before = std::make_unique<CArea>();
  before->CopyFrom(*area);
  area->Offset(dx, dy);
  area->UpdateHtmlShape(true);
  if (!joins) {
    doc.PushAreaChanged(area, std::move(before));
  } else {
    // The run's record keeps the area as it was before the run began.
    const size_t pos = doc.m_listArea.IndexOf(area);
    doc.Tell([&](IDocumentListener& l) { l.AreaChanged(*area, pos, before->m_rcBound); });
  }
  view.PanelTouched();
}
