#include "view/PanelPoints.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "model/Area.h"
#include "model/CoordinateRange.h"
#include "model/ZorvaDoc.h"

namespace {

std::string_view TrimBlanks(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// "%4s": right-aligned in at least four characters.
std::string PadLeft(const std::string& s) {
  return s.size() >= 4 ? s : std::string(4 - s.size(), ' ') + s;
}

// A coordinate as "%d" reads one, with blanks around it; nothing else may
// follow, and it must lie within the coordinate range.
bool ParseInt(std::string_view s, int32_t& value) {
  s = TrimBlanks(s);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  if (s.empty()) return false;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  return ec == std::errc() && end == s.data() + s.size() && zorva::IsCoordinateInRange(value);
}

}  // namespace

PointRow ParsePointRow(std::string_view row) {
  std::vector<std::string_view> fields;
  for (size_t start = 0;;) {
    size_t comma = row.find(',', start);
    fields.push_back(row.substr(start, comma == std::string_view::npos ? comma : comma - start));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  PointRow parsed;
  // The handle values are texts as typed into the coordinate dialog; only
  // the point itself must be numbers.
  if ((fields.size() != 2 && fields.size() != 6) || !ParseInt(fields[0], parsed.point.x) ||
      !ParseInt(fields[1], parsed.point.y))
    return PointRow{};
  if (fields.size() == 2) {
    parsed.form = PointRowForm::Plain;
    return parsed;
  }
  parsed.form = PointRowForm::Handles;
  std::string* handles[4] = {&parsed.h1x, &parsed.h1y, &parsed.h2x, &parsed.h2y};
  for (size_t i = 0; i < 4; ++i) *handles[i] = std::string(TrimBlanks(fields[i + 2]));
  return parsed;
}

std::string FormatPointRow(const CPoint& point) {
  char row[32];
  std::snprintf(row, sizeof row, "%4d,%4d", int(point.x), int(point.y));
  return row;
}

std::string FormatPointRow(const PointRow& row) {
  std::string text = FormatPointRow(row.point);
  if (row.form != PointRowForm::Handles) return text;
  return text + ", " + PadLeft(row.h1x) + "," + PadLeft(row.h1y) + ", " + PadLeft(row.h2x) + "," +
         PadLeft(row.h2y);
}

std::vector<CPoint*> PointsInDrawingOrder(const CArea& area) {
  std::vector<CPoint*> order;
  order.reserve(area.m_listPoint.size());
  for (const CPoint& p : area.m_listPoint) order.push_back(const_cast<CPoint*>(&p));
  if (!area.m_bTailEnd) std::reverse(order.begin(), order.end());
  return order;
}

