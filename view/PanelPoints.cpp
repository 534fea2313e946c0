#include "view/PanelPoints.h"

#include <algorithm>
#include <charconv>
#include <unordered_set>

#include "model/Area.h"
#include "model/ZorvaDoc.h"

namespace {

// An integer as "%d" reads one, with blanks around it; nothing else may follow.
bool ParseInt(std::string_view s, int32_t& value) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return false;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size();
}

}  // namespace

ParsedPointRow ParsePointRow(std::string_view row) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    size_t comma = row.find(',', start);
    fields.push_back(row.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  ParsedPointRow parsed;
  // The handle values are texts as typed into the coordinate dialog; only
  // the point itself must be numbers.
  if ((fields.size() == 2 || fields.size() == 6) && ParseInt(fields[0], parsed.point.x) &&
      ParseInt(fields[1], parsed.point.y))
    parsed.form = fields.size() == 2 ? PointRowForm::Plain : PointRowForm::Handles;
  return parsed;
}

std::vector<CPoint*> PointsInDrawingOrder(const CArea& area) {
  std::vector<CPoint*> order;
  order.reserve(area.m_listPoint.size());
  for (const CPoint& p : area.m_listPoint) order.push_back(const_cast<CPoint*>(&p));
  if (!area.m_bTailEnd) std::reverse(order.begin(), order.end());
  return order;
}

void DropPointRefs(CZorvaDoc& doc, CArea& area) {
  std::unordered_set<const CPoint*> own;
  for (const CPoint& p : area.m_listPoint) own.insert(&p);
  doc.m_listSelPoint.remove_if([&own](const CPoint* p) { return own.count(p) != 0; });
  if (own.count(doc.m_pGrabPoint)) doc.m_pGrabPoint = nullptr;
  if (own.count(area.m_pPending)) area.m_pPending = nullptr;
}
