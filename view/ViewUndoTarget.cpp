// The view's side of applying an undo record: a record undoes and redoes
// itself through this target, which moves the selection and repaints only
// what the record touched.
#include "view/ViewUndoTarget.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "model/Guide.h"
#include "model/UndoRecord.h"
#include "model/ZorvaDoc.h"
#include "view/EditSelection.h"
#include "view/ViewCore.h"

namespace {


void ExchangeGuide(CViewCore& view, CGuide& live, CGuide& copy) {
  // The old band is noted and repainted only after the exchange: repainting
  // it first would paint the guide back where it is leaving.
  const CRect oldBand = view.m_coords.GuideBand(live);
  std::swap(live.m_bHorizontal, copy.m_bHorizontal);
  std::swap(live.m_nPos, copy.m_nPos);
  view.m_canvas.RepaintRect(oldBand);
  view.m_canvas.RepaintGuide(live);
  view.m_doc.Tell([&](IDocumentListener& l) { l.GuideChanged(live, &copy); });
}

// Back into the list at `pos`: an added guide at the end, a deleted one
// where it stood.
void InsertGuide(CViewCore& view, std::unique_ptr<CGuide> owned, size_t pos) {
  CGuide* guide = view.m_doc.m_listGuide.InsertAt(std::move(owned), pos);
  view.m_canvas.RepaintGuide(*guide);
  view.m_doc.Tell([&](IDocumentListener& l) { l.GuideChanged(*guide, nullptr); });
}

std::unique_ptr<CGuide> RemoveGuide(CViewCore& view, CGuide* guide) {
  std::unique_ptr<CGuide> owned = view.m_doc.m_listGuide.Take(guide);
  view.m_canvas.RepaintGuide(*guide);
  view.m_doc.m_pSelGuide = nullptr;
  view.m_doc.Tell([&](IDocumentListener& l) { l.GuideChanged(*guide, nullptr); });
  return owned;
}

void ExchangeArea(CViewCore& view, CArea& live, CArea& copy) {
  CZorvaDoc& doc = view.m_doc;
  ShowSelectionCleared(view);
  const CRect oldRect = view.m_coords.AreaRectToWindow(live.m_rcBound);
  // The exchange frees every point of both areas.
  doc.ForgetPointsOf(live);
  doc.ForgetPointsOf(copy);
  {
    CArea temp;
    temp.CopyFrom(live);
    live.CopyFrom(copy);
    copy.CopyFrom(temp);
  }
  doc.SetSelArea(&live);
  view.m_canvas.RepaintRect(oldRect);
  view.m_canvas.RepaintArea(live);
  const size_t pos = doc.m_listArea.IndexOf(&live);
  if (pos != doc.m_listArea.npos)
    doc.Tell([&](IDocumentListener& l) { l.AreaChanged(live, pos, copy.m_rcBound); });
}

// Back into the list at `pos`: an added area goes on top of all others, a
// deleted one where it stood.
void InsertArea(CViewCore& view, std::unique_ptr<CArea> owned, size_t pos) {
  CZorvaDoc& doc = view.m_doc;
  ShowSelectionCleared(view);
  pos = std::min(pos, doc.m_listArea.size());
  CArea* area = doc.m_listArea.InsertAt(std::move(owned), pos);
  doc.Tell([&](IDocumentListener& l) { l.AreaInserted(*area, pos); });
  doc.SetSelArea(area);
  view.m_canvas.RepaintArea(*area);
}

std::unique_ptr<CArea> RemoveArea(CViewCore& view, CArea* area, CArea* select) {
  CZorvaDoc& doc = view.m_doc;
  ShowSelectionCleared(view);
  // The area goes back to the record, which may free it later.
  doc.ForgetPointsOf(*area);
  const size_t pos = doc.m_listArea.IndexOf(area);
  std::unique_ptr<CArea> owned = doc.m_listArea.Take(area);
  if (owned) doc.Tell([&](IDocumentListener& l) { l.AreaRemoved(*area, pos); });
  if (doc.m_listArea.Contains(select)) {
    doc.SetSelArea(select);
    view.m_canvas.RepaintArea(*select);
  }
  view.m_canvas.RepaintArea(*area);
  return owned;
}

// The record's target: what an insertion, removal or exchange means for the
// view.
class CViewUndoTarget : public IUndoTarget {
 public:
  explicit CViewUndoTarget(CViewCore& view) : m_view(view) {}
  void Insert(std::unique_ptr<CArea> area, size_t pos) override { InsertArea(m_view, std::move(area), pos); }
  void Insert(std::unique_ptr<CGuide> guide, size_t pos) override { InsertGuide(m_view, std::move(guide), pos); }
  std::unique_ptr<CArea> Remove(CArea* area, CArea* select) override { return RemoveArea(m_view, area, select); }
  std::unique_ptr<CGuide> Remove(CGuide* guide, CArea*) override { return RemoveGuide(m_view, guide); }
  void Exchange(CArea& live, CArea& copy) override { ExchangeArea(m_view, live, copy); }
  void Exchange(CGuide& live, CGuide& copy) override { ExchangeGuide(m_view, live, copy); }
  size_t Count(const CArea*) const override { return m_view.m_doc.m_listArea.size(); }
  size_t Count(const CGuide*) const override { return m_view.m_doc.m_listGuide.size(); }

 private:
  CViewCore& m_view;
};

}  // namespace

void ApplyUndoRecord(CViewCore& view, CUndoRecord& r, bool forward) {
  CViewUndoTarget target(view);
  forward ? r.Redo(target) : r.Undo(target);
}
