#include "model/Area.h"

#include "model/AreaTexts.h"
#include <algorithm>
#include <iterator>

namespace {

CPointList::iterator FindNode(CPointList& list, const CPoint* p) {
  return std::find_if(list.begin(), list.end(), [p](const CPoint& q) { return &q == p; });
}

}  // namespace

void* CArea::operator new(size_t size) { return zorva::PoolNew<CArea>(size); }
void CArea::operator delete(void* p, size_t size) noexcept { zorva::PoolDelete<CArea>(p, size); }

CPoint* CArea::AddPoint(int32_t x, int32_t y) {
  return m_bTailEnd ? &m_listPoint.emplace_back(x, y) : &m_listPoint.emplace_front(x, y);
}

CPoint* CArea::AddHandle1(int32_t x, int32_t y) {
  return &m_listHandle1.emplace_back(x, y);
}

CPoint* CArea::AddHandle2(int32_t x, int32_t y) {
  return &m_listHandle2.emplace_back(x, y);
}

CPoint* CArea::InsertPoint(int32_t x, int32_t y, const CPoint* a, const CPoint* b) {
  CPoint* head = GetHeadPoint();
  CPoint* tail = GetTailPoint();
  // The closing edge has no place between two nodes in storage order: the new
  // vertex goes to the growing end instead.
  if (m_bClosed && ((a == head && b == tail) || (a == tail && b == head))) {
    m_pPending = AddPoint(x, y);
    return m_pPending;
  }
  auto isEnd = [&](const CPoint& q) { return &q == a || &q == b; };
  CPointList::iterator it;
  if (m_bTailEnd) {
    it = std::find_if(m_listPoint.begin(), m_listPoint.end(), isEnd);
    if (it != m_listPoint.end()) ++it;
  } else {
    auto rit = std::find_if(m_listPoint.rbegin(), m_listPoint.rend(), isEnd);
    // Before the found node in storage order, i.e. after it in drawing order.
    it = rit == m_listPoint.rend() ? m_listPoint.begin() : std::prev(rit.base());
  }
  m_pPending = &*m_listPoint.insert(it, CPoint(x, y));
  return m_pPending;
}

void CArea::SetEndPoint(int32_t x, int32_t y) {
  if (CPoint* p = GetEndPoint()) *p = CPoint(x, y);
}

void CArea::SetPendingPoint(int32_t x, int32_t y) {
  if (m_pPending) *m_pPending = CPoint(x, y);
}

bool CArea::EndPending(bool drop) {
  if (drop && m_pPending) {
    auto it = FindNode(m_listPoint, m_pPending);
    if (it != m_listPoint.end()) m_listPoint.erase(it);
  }
  m_pPending = nullptr;
  return drop;
}

void CArea::RemoveStartPoint() {
  if (m_listPoint.empty()) return;
  RemovePoint(GetStartPoint());
}

void CArea::RemoveEndPoint() {
  if (m_listPoint.empty()) return;
  RemovePoint(GetEndPoint());
}

void CArea::RemovePoint(const CPoint* p) {
  auto it = FindNode(m_listPoint, p);
  if (it == m_listPoint.end()) return;
  if (m_pPending == p) m_pPending = nullptr;
  m_listPoint.erase(it);
}

// The area hands out its points for editing even through a const view, as
// the selection and hit tests need them.
CPoint* CArea::GetHeadPoint() const {
  return m_listPoint.empty() ? nullptr : const_cast<CPoint*>(&m_listPoint.front());
}

CPoint* CArea::GetTailPoint() const {
  return m_listPoint.empty() ? nullptr : const_cast<CPoint*>(&m_listPoint.back());
}

CPoint* CArea::GetStartPoint() const { return m_bTailEnd ? GetHeadPoint() : GetTailPoint(); }

CPoint* CArea::GetEndPoint() const { return m_bTailEnd ? GetTailPoint() : GetHeadPoint(); }

void CArea::CopyFrom(const CArea& src) {
  if (&src == this) return;
  m_nType = src.m_nType;
  m_bClosed = src.m_bClosed;
  // The pending point dies with the old points; keeping its address would
  // leave a dangling pointer behind.
  if (m_pPending && FindNode(m_listPoint, m_pPending) != m_listPoint.end()) m_pPending = nullptr;
  m_listPoint = src.m_listPoint;
  m_listHandle1 = src.m_listHandle1;
  m_listHandle2 = src.m_listHandle2;
  m_rcBound = src.m_rcBound;
  for (const CAreaText& t : kAreaTexts) this->*t.member = src.*t.member;
  m_bJavaScript = src.m_bJavaScript;
  m_bReserved = src.m_bReserved;
  m_bHtmlShape = src.m_bHtmlShape;
  m_bTailEnd = src.m_bTailEnd;
}

void CArea::ConvertTexts(zorva::ECharset from, zorva::ECharset to) {
  if (from == to) return;
  // Attribute values keep a character `to` lacks as a reference, which a
  // browser and the panel read as the character; a comment has no such form.
  for (const CAreaText& t : kAreaTexts) {
    CString& s = this->*t.member;
    if (!s.empty())
      s = t.IsComment() ? zorva::ConvertCharsetLossy(from, to, s) : zorva::ConvertCharsetForPage(from, to, s);
  }
}
