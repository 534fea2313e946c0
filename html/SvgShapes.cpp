#include "html/SvgShapes.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "model/Area.h"

namespace zorva::html {

namespace {

// `twice` / 2, exactly: an ellipse's centre and radii fall on half pixels
// when its box has an odd size.
void AppendHalf(CPageBytes& out, int64_t twice) {
  if (twice % 2 == 0) {
    out.AppendNumber(twice / 2);
    return;
  }
  if (twice < 0) {
    out.Append('-');
    twice = -twice;
  }
  out.AppendNumber(twice / 2);
  out.Append(".5");
}

void AppendNumberAttribute(CPageBytes& out, std::string_view name, int64_t v) {
  out.Append(name);
  out.AppendNumber(v);
  out.Append('"');
}

void AppendHalfAttribute(CPageBytes& out, std::string_view name, int64_t twice) {
  out.Append(name);
  AppendHalf(out, twice);
  out.Append('"');
}

void AppendPoints(CPageBytes& out, const CArea& a) {
  out.Append(" points=\"");
  for (const CPoint& p : a.m_listPoint) {
    out.AppendNumber(p.x);
    out.Append(',');
    out.AppendNumber(p.y);
    out.Append(' ');
  }
  out.SetBack('"');
}

// A filled shape's class, and its focus ring kept in screen pixels.
constexpr std::string_view kFilled = " class=\"area\" vector-effect=\"non-scaling-stroke\"";
constexpr std::string_view kFilledRect = "<rect class=\"area\" vector-effect=\"non-scaling-stroke\"";

// Fewer than three points enclose nothing: such an outline, closed or not,
// is reached as a line.
bool EnclosesArea(const CArea& a) { return a.m_bClosed && a.m_listPoint.size() >= 3; }

}  // namespace

bool HasSvgShape(const CArea& a) {
  return !a.m_listPoint.empty() &&
         (a.m_nType == AREA_RECT || a.m_nType == AREA_ELLIPSE || a.m_nType == AREA_POLYGON);
}

void AppendSvgShape(CPageBytes& out, const CArea& a) {
  if (!HasSvgShape(a)) return;
  const CPoint& p1 = a.m_listPoint.front();
  const CPoint& p2 = a.m_listPoint.back();
  const int64_t x1 = p1.x, y1 = p1.y, x2 = p2.x, y2 = p2.y;
  switch (a.m_nType) {
    case AREA_RECT:
      out.Append(kFilledRect);
      AppendNumberAttribute(out, " x=\"", std::min(x1, x2));
      AppendNumberAttribute(out, " y=\"", std::min(y1, y2));
      AppendNumberAttribute(out, " width=\"", x1 < x2 ? x2 - x1 : x1 - x2);
      AppendNumberAttribute(out, " height=\"", y1 < y2 ? y2 - y1 : y1 - y2);
      break;
    case AREA_ELLIPSE:
      // The corners are opposite corners of the ellipse's box.
      out.Append("<ellipse");
      out.Append(kFilled);
      AppendHalfAttribute(out, " cx=\"", x1 + x2);
      AppendHalfAttribute(out, " cy=\"", y1 + y2);
      AppendHalfAttribute(out, " rx=\"", x1 < x2 ? x2 - x1 : x1 - x2);
      AppendHalfAttribute(out, " ry=\"", y1 < y2 ? y2 - y1 : y1 - y2);
      break;
    case AREA_POLYGON:
      if (EnclosesArea(a)) {
        out.Append("<polygon");
        out.Append(kFilled);
      } else {
        out.Append("<polyline class=\"line\"");
      }
      AppendPoints(out, a);
      break;
    default:
      return;
  }
  out.Append("/>");
}

void AppendSvgPictureRect(CPageBytes& out, int32_t width, int32_t height) {
  out.Append(kFilledRect);
  out.Append(" x=\"0\" y=\"0\"");
  AppendNumberAttribute(out, " width=\"", width);
  AppendNumberAttribute(out, " height=\"", height);
  out.Append("/>");
}

}  // namespace zorva::html
