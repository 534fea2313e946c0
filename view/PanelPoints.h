#pragma once
// The point rows of the property panel: the one place their text is written
// and read (the panel, the coordinate dialog and zorva-cli all go through
// here), and the order of the rows.
#include <string>
#include <string_view>
#include <vector>

#include "platform/Types.h"

class CArea;

// A row holds either a point ("x,y") or a point with its two handles
// ("x,y, h1x,h1y, h2x,h2y", as the coordinate dialog writes it); anything
// else carries no point.
enum class PointRowForm { Plain, Handles, Other };

struct PointRow {
  PointRowForm form = PointRowForm::Other;
  CPoint point;  // x and y of the Plain and Handles forms
  // The Handles form's four handle values as the row holds them, blanks
  // trimmed: texts, since only the point itself has to be numbers.
  std::string h1x, h1y, h2x, h2y;
};

// Tells the forms apart by how many values a row holds, never by its length:
// "%4d,%4d" of a five-digit or a negative four-digit coordinate is longer
// than any fixed limit.
PointRow ParsePointRow(std::string_view row);

// A point as the panel shows it: "%4d,%4d".
std::string FormatPointRow(const CPoint& point);
// A row in the form it was read in: the point, and in the Handles form the
// handles after it ("%4d,%4d, %4s,%4s, %4s,%4s").
std::string FormatPointRow(const PointRow& row);

// The points of `area` in drawing order (head to tail when m_bTailEnd, else
// tail to head).
std::vector<CPoint*> PointsInDrawingOrder(const CArea& area);
