#pragma once
// Faults of a map that a browser shows nobody: areas it cannot click, links
// that lead nowhere or say nothing to a screen reader, areas beside the
// picture or hidden under another. Each area is looked at as the page
// writer would write it (closed, an ellipse that is no circle as its polygon).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/BoundsGrid.h"

class CArea;
class CZorvaDoc;

namespace zorva::html {

enum class MapFault {
  NoAlt,           // a link without ALT text
  NotClickable,    // no surface: a line, a flat outline, a rectangle or circle of no size
  OutsidePicture,  // wholly beside the picture
  PartlyOutside,   // reaches beyond the picture's edge
  Covered,         // every pixel belongs to an area above it
  EmptyLink,       // a link of blanks or a bare "#"
  ScriptLink,      // a "javascript:" link on an area whose scripts are off
  PictureMissing,  // the map's picture did not load: its size, and what lies beside it, unknown
  DuplicateId,     // an id or a name that an area above has too
};

struct MapFinding {
  // The area's number in the area list, from the top (1); the default area
  // is the last row.
  size_t area = 0;
  MapFault fault = MapFault::NoAlt;
  size_t coveredBy = 0;  // Covered, DuplicateId: the number of the area above
};

// Every finding, by area number, then in the order of MapFault. The picture's
// edges are checked only when its size is known; a picture that did not load
// is a finding of the map itself, on the default area's row.
std::vector<MapFinding> CheckMap(const CZorvaDoc& doc);

// The areas' bounds in a grid, for checking many areas one at a time.
struct AreaBoundsIndex {
  CBoundsGrid grid;                // by the index in the document's list
  std::vector<const CArea*> areas;  // the list when the grid was made
};
AreaBoundsIndex IndexAreaBounds(const CZorvaDoc& doc);

// The findings of the one area numbered `number` (the default area too),
// for a list that shows only some rows. Whether it is covered is looked for
// among every area above through `index`. An index made before the last
// changes misses only covers: what it finds is checked against the areas as
// they are (so a cover may be named by an area below the topmost one until
// the index is made again).
std::vector<MapFinding> CheckArea(const CZorvaDoc& doc, size_t number, const AreaBoundsIndex& index);

// Whether a browser gives the pixel (x, y) to `area` written as the writer
// writes it (its outline aside: this is the surface a visitor clicks).
bool AreaTakesPixel(const CArea& area, int32_t x, int32_t y);

// The finding as the user reads it (UTF-8, from the string table), without
// the area's number.
std::string FindingText(const MapFinding& finding);

}  // namespace zorva::html
