#pragma once
// The point rows of the property panel and the document's pointers into an
// area's points.
#include <string_view>
#include <vector>

#include "platform/Types.h"

class CArea;
class CZorvaDoc;

// A row holds either a point ("x,y") or a point with its two handles
// ("x,y, h1x,h1y, h2x,h2y", as the coordinate dialog writes it); anything
// else carries no point.
enum class PointRowForm { Plain, Handles, Other };

struct ParsedPointRow {
  PointRowForm form = PointRowForm::Other;
  CPoint point;  // x and y of the Plain and Handles forms
};

// Tells the forms apart by how many values a row holds, never by its length:
// "%4d,%4d" of a five-digit or a negative four-digit coordinate is longer
// than any fixed limit.
ParsedPointRow ParsePointRow(std::string_view row);

// The points of `area` in drawing order (head to tail when m_bTailEnd, else
// tail to head).
std::vector<CPoint*> PointsInDrawingOrder(const CArea& area);

// Forgets every pointer the document and the area keep to the area's points
// (selected vertices, the grabbed point, the pending point), before the
// points go away.
void DropPointRefs(CZorvaDoc& doc, CArea& area);
