#pragma once
// The rows of the frame's area list: one per area, topmost first, then the
// default area. A frame rebuilds its list widget from these whenever the view
// asks it to (IViewFrame::RebuildAreaList).
#include <string>
#include <vector>

class CArea;
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
