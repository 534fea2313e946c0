#pragma once
// The rows of the frame's area list: one per area, topmost first, then the
// default area. The view tells a frame which rows came, went or changed
// (IViewFrame::AreaListRow*); the window reads only the rows in sight.
#include <cstddef>
#include <string>
#include <vector>

class CArea;
namespace zorva::html {
struct AreaBoundsIndex;
}
class CZorvaDoc;

// Row images: whether the area can be written as an HTML shape.
constexpr int kAreaImageOpen = 0;     // red cross
constexpr int kAreaImageNotHtml = 1;  // yellow mark
constexpr int kAreaImageHtml = 2;     // green check

struct AreaListRow {
  int image = kAreaImageHtml;
  std::string kind;  // UTF-8
  std::string link;  // UTF-8: the URL, or the "none specified" text
  bool selected = false;
  std::string findings;  // UTF-8: what the map check found, one line each

  CArea* area = nullptr;  // null for the default area's row
};

// Recomputes each ellipse's HTML-shape flag on the way (a circle is one).
std::vector<AreaListRow> AreaListRows(CZorvaDoc& doc);

// The same one row at a time, for a list that asks only for the rows it
// shows: the areas, then the default area's row.
size_t AreaListRowCount(const CZorvaDoc& doc);
// `index` is the areas' bounds (zorva::html::IndexAreaBounds), made at or
// before the last change (see zorva::html::CheckArea).
AreaListRow AreaListRowAt(CZorvaDoc& doc, size_t row, const zorva::html::AreaBoundsIndex& index);
// The row of `area` (-1 when it is not listed; null is the default area's).
int AreaListRowOf(const CZorvaDoc& doc, const CArea* area);
