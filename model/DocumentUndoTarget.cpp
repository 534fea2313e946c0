#include "model/DocumentUndoTarget.h"

#include <algorithm>
#include <utility>

#include "model/ZorvaDoc.h"

namespace {

// An area's step leaves the area it touched selected, with no vertex.
void Select(CZorvaDoc& doc, CArea* area) {
  doc.m_listSelPoint.clear();
  doc.SetSelArea(area);
}

}  // namespace

void CDocumentUndoTarget::Insert(std::unique_ptr<CArea> owned, size_t pos) {
  // An added area goes back on top of all others, a deleted one where it stood.
  pos = std::min(pos, m_doc.m_listArea.size());
  Select(m_doc, nullptr);
  CArea* area = m_doc.m_listArea.InsertAt(std::move(owned), pos);
  m_doc.Tell([&](IDocumentListener& l) { l.AreaInserted(*area, pos); });
  Select(m_doc, area);
}

std::unique_ptr<CArea> CDocumentUndoTarget::Remove(CArea* area, CArea* select) {
  Select(m_doc, nullptr);
  // The area goes back to the record, which may free it later.
  m_doc.ForgetPointsOf(*area);
  const size_t pos = m_doc.m_listArea.IndexOf(area);
  std::unique_ptr<CArea> owned = m_doc.m_listArea.Take(area);
  if (owned) m_doc.Tell([&](IDocumentListener& l) { l.AreaRemoved(*area, pos); });
  if (m_doc.m_listArea.Contains(select)) Select(m_doc, select);
  return owned;
}

void CDocumentUndoTarget::Exchange(CArea& live, CArea& copy) {
  Select(m_doc, nullptr);
  // The exchange frees every point of both areas.
  m_doc.ForgetPointsOf(live);
  m_doc.ForgetPointsOf(copy);
  {
    CArea temp;
    temp.CopyFrom(live);
    live.CopyFrom(copy);
    copy.CopyFrom(temp);
  }
  // The default area has no outline: its step shows it in the panel, which
  // shows it while nothing is selected.
  if (&live == &m_doc.m_areaDefault) {
    m_doc.Tell([](IDocumentListener& l) { l.DefaultAreaChanged(); });
    return;
  }
  Select(m_doc, &live);
  const size_t pos = m_doc.m_listArea.IndexOf(&live);
  if (pos != m_doc.m_listArea.npos)
    m_doc.Tell([&](IDocumentListener& l) { l.AreaChanged(live, pos, copy.m_rcBound); });
}

void CDocumentUndoTarget::Insert(std::unique_ptr<CGuide> owned, size_t pos) {
  CGuide* guide = m_doc.m_listGuide.InsertAt(std::move(owned), pos);
  m_doc.Tell([&](IDocumentListener& l) { l.GuideChanged(*guide, nullptr); });
}

std::unique_ptr<CGuide> CDocumentUndoTarget::Remove(CGuide* guide, CArea*) {
  std::unique_ptr<CGuide> owned = m_doc.m_listGuide.Take(guide);
  m_doc.m_pSelGuide = nullptr;
  if (owned) m_doc.Tell([&](IDocumentListener& l) { l.GuideChanged(*guide, nullptr); });
  return owned;
}

void CDocumentUndoTarget::Exchange(CGuide& live, CGuide& copy) {
  std::swap(live.m_bHorizontal, copy.m_bHorizontal);
  std::swap(live.m_nPos, copy.m_nPos);
  m_doc.Tell([&](IDocumentListener& l) { l.GuideChanged(live, &copy); });
}

size_t CDocumentUndoTarget::Count(const CArea*) const { return m_doc.m_listArea.size(); }
size_t CDocumentUndoTarget::Count(const CGuide*) const { return m_doc.m_listGuide.size(); }
