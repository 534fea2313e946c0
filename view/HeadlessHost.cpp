#include "view/HeadlessHost.h"

#include <algorithm>

#include "view/ZorvaView.h"

void CHeadlessViewHost::SetScrollSizes(const CSize& t, const CSize& p, const CSize& l) {
  total = t;
  page = p;
  line = l;
}

void CHeadlessViewHost::ScrollToPosition(const CPoint& position) {
  // As a scroll bar does: held between 0 and the extent beyond the window.
  const int32_t maxX = std::max(0, total.cx - client.cx);
  const int32_t maxY = std::max(0, total.cy - client.cy);
  scroll = CPoint(std::clamp(position.x, 0, maxX), std::clamp(position.y, 0, maxY));
  if (m_pView) m_pView->OnScrolled();
}

void CHeadlessViewHost::ShowRect(const CRect&, bool now) {
  if (now) ++shownNow;
  else ++shownLater;
}

bool CHeadlessViewHost::IsKeyDown(unsigned vk) {
  auto it = keys.find(vk);
  return it != keys.end() && it->second;
}

void CHeadlessViewHost::PostMouseMove(const CPoint& client, unsigned flags) {
  posted.push_back({client, flags});
}

void CHeadlessViewHost::DeliverPosted() {
  // A move may post further moves; they are delivered in the same call.
  while (!posted.empty() && m_pView) {
    PostedMove m = posted.front();
    posted.pop_front();
    m_pView->OnMouseMove(m.flags, m.client);
  }
}

bool CMemoryPropertyPanel::IsEnabled(int id) {
  auto it = enabled_.find(id);
  return it == enabled_.end() || it->second;
}

int CMemoryPropertyPanel::GetCurSel(int id) {
  auto it = selections.find(id);
  return it == selections.end() ? -1 : it->second;
}

std::string CMemoryPropertyPanel::GetRowText(int, int row) {
  return row >= 0 && size_t(row) < rows.size() ? rows[size_t(row)].text : std::string();
}

bool CMemoryPropertyPanel::GetRowSel(int, int row) {
  return row >= 0 && size_t(row) < rows.size() && rows[size_t(row)].selected;
}

void CMemoryPropertyPanel::SetRowSel(int, int row, bool selected) {
  if (row >= 0 && size_t(row) < rows.size()) rows[size_t(row)].selected = selected;
}
