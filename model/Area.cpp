#include "model/Area.h"

#include <algorithm>
#include <iterator>

namespace {

CPointList::iterator FindNode(CPointList& list, const CPoint* p) {
  return std::find_if(list.begin(), list.end(), [p](const auto& q) { return q.get() == p; });
}

void CopyPointList(CPointList& dst, const CPointList& src) {
  dst.clear();
  for (const auto& p : src) dst.push_back(std::make_unique<CPoint>(*p));
}

}  // namespace

void* CArea::operator new(size_t size) { return zorva::PoolNew<CArea>(size); }
void CArea::operator delete(void* p, size_t size) noexcept { zorva::PoolDelete<CArea>(p, size); }

CPoint* CArea::AddPoint(int32_t x, int32_t y) {
  auto p = std::make_unique<CPoint>(x, y);
  CPoint* raw = p.get();
  if (m_bTailEnd)
    m_listPoint.push_back(std::move(p));
  else
    m_listPoint.push_front(std::move(p));
  return raw;
}

CPoint* CArea::AddHandle1(int32_t x, int32_t y) {
  m_listHandle1.push_back(std::make_unique<CPoint>(x, y));
  return m_listHandle1.back().get();
}

CPoint* CArea::AddHandle2(int32_t x, int32_t y) {
  m_listHandle2.push_back(std::make_unique<CPoint>(x, y));
  return m_listHandle2.back().get();
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
  auto p = std::make_unique<CPoint>(x, y);
  CPoint* raw = p.get();
  if (m_bTailEnd) {
    auto it = std::find_if(m_listPoint.begin(), m_listPoint.end(),
                           [&](const auto& q) { return q.get() == a || q.get() == b; });
    if (it != m_listPoint.end()) ++it;
    m_listPoint.insert(it, std::move(p));
  } else {
    auto rit = std::find_if(m_listPoint.rbegin(), m_listPoint.rend(),
                            [&](const auto& q) { return q.get() == a || q.get() == b; });
    // Before the found node in storage order, i.e. after it in drawing order.
    auto it = rit == m_listPoint.rend() ? m_listPoint.begin() : std::prev(rit.base());
    m_listPoint.insert(it, std::move(p));
  }
  m_pPending = raw;
  return raw;
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

CPoint* CArea::GetHeadPoint() const { return m_listPoint.empty() ? nullptr : m_listPoint.front().get(); }

CPoint* CArea::GetTailPoint() const { return m_listPoint.empty() ? nullptr : m_listPoint.back().get(); }

CPoint* CArea::GetStartPoint() const { return m_bTailEnd ? GetHeadPoint() : GetTailPoint(); }

CPoint* CArea::GetEndPoint() const { return m_bTailEnd ? GetTailPoint() : GetHeadPoint(); }

void CArea::CopyFrom(const CArea& src) {
  if (&src == this) return;
  m_nType = src.m_nType;
  m_bClosed = src.m_bClosed;
  // The pending point dies with the old points; keeping its address would
  // leave a dangling pointer behind.
  if (m_pPending && FindNode(m_listPoint, m_pPending) != m_listPoint.end()) m_pPending = nullptr;
  CopyPointList(m_listPoint, src.m_listPoint);
  CopyPointList(m_listHandle1, src.m_listHandle1);
  CopyPointList(m_listHandle2, src.m_listHandle2);
  m_rcBound = src.m_rcBound;
  m_strHref = src.m_strHref;
  m_strTarget = src.m_strTarget;
  m_strAlt = src.m_strAlt;
  m_strOnClick = src.m_strOnClick;
  m_strOnMouseOver = src.m_strOnMouseOver;
  m_strOnMouseOut = src.m_strOnMouseOut;
  m_strComment = src.m_strComment;
  m_bJavaScript = src.m_bJavaScript;
  m_bReserved = src.m_bReserved;
  m_bHtmlShape = src.m_bHtmlShape;
  m_bTailEnd = src.m_bTailEnd;
}
