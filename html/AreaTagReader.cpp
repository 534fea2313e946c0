#include "html/AreaTagReader.h"

#include <cstring>
#include <string>

#include "model/ZorvaDoc.h"

namespace zorva::html {

namespace {

int32_t ClampToInt32(int64_t v) {
  return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : int32_t(v);
}

// Reads the numbers of a "coords" value into the area's points. A number may
// carry a minus sign and a fraction, which is dropped; bytes that start no
// number count as 0. The byte after each number is passed over as its
// separator. Numbers pair up as points; a number left over is a circle's
// radius: the centre becomes the top-left corner of the bounding box and the
// bottom-right corner is added.
void AddCoords(CArea& area, std::string_view v) {
  size_t count = 0;
  int32_t x = 0;
  for (size_t i = 0;;) {
    while (i < v.size() && (v[i] == ' ' || v[i] == '\t' || v[i] == ',')) ++i;
    if (i >= v.size()) break;
    bool negative = v[i] == '-';
    if (negative) ++i;
    int64_t n = 0;
    for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i)
      if (n <= INT32_MAX) n = n * 10 + (v[i] - '0');
    if (i < v.size() && v[i] == '.')
      for (++i; i < v.size() && v[i] >= '0' && v[i] <= '9';) ++i;
    const int32_t number = ClampToInt32(negative ? -n : n);
    if (count++ % 2 == 0)
      x = number;
    else
      area.AddPoint(x, number);
    ++i;
  }
  if (count % 2 == 1 && !area.m_listPoint.empty()) {
    const int64_t r = x;
    CPoint& c = area.m_listPoint.front();
    const CPoint centre = c;
    c.x = ClampToInt32(int64_t(centre.x) - r);
    c.y = ClampToInt32(int64_t(centre.y) - r);
    area.AddPoint(ClampToInt32(int64_t(centre.x) + r), ClampToInt32(int64_t(centre.y) + r));
  }
}

// Whether `raw` is `lowerWord` in any letter case.
bool IsWord(std::string_view raw, std::string_view lowerWord) {
  if (raw.size() != lowerWord.size()) return false;
  for (size_t i = 0; i < raw.size(); ++i)
    if (LowerAscii(raw[i]) != lowerWord[i]) return false;
  return true;
}

int32_t ShapeType(std::string_view raw) {
  if (IsWord(raw, "circle") || IsWord(raw, "circ")) return AREA_ELLIPSE;
  if (IsWord(raw, "poly") || IsWord(raw, "polygon")) return AREA_POLYGON;
  if (IsWord(raw, "default")) return AREA_DEFAULT;
  return AREA_RECT;
}

// Rectangles and ellipses are held as two corners, polygons need a point:
// an area without them would break every later use. Extra corners beyond the
// first two are dropped, as browsers ignore them.
bool FitPointsToType(CArea& area) {
  switch (area.m_nType) {
    case AREA_RECT:
    case AREA_ELLIPSE:
      if (area.m_listPoint.size() < 2) return false;
      area.m_listPoint.truncate(2);
      return true;
    case AREA_POLYGON:
      return !area.m_listPoint.empty();
    default:
      return true;
  }
}

// The comment right after an area's ">": "<!-- " (with its space), the text
// up to "-->" without the blanks before it.
void ReadTrailingComment(CByteScanner& s, CArea& area) {
  if (!s.Matches("<!-- ")) return;
  std::string_view text = s.Text();
  size_t start = s.Pos() + 5;
  size_t end = text.find("-->", start);
  size_t stop = end == std::string_view::npos ? text.size() : end;
  size_t last = stop;
  while (last > start && (text[last - 1] == ' ' || text[last - 1] == '\t')) --last;
  area.m_strComment.assign(text.substr(start, last - start));
  s.SetPos(end == std::string_view::npos ? text.size() : end + 3);
}

}  // namespace

std::unique_ptr<CArea> ReadAreaTag(CByteScanner& s, CZorvaDoc& doc) {
  // Not value-initialised: the members' own initialisers are all an area
  // needs, and zeroing it first costs as much as building it.
  std::unique_ptr<CArea> area(new CArea);
  area->m_nType = AREA_RECT;
  bool faulty = false;
  std::string_view raw;
  // Values are taken from the text where they stand; only the texts the area
  // keeps are copied.
  auto attribute = [&](size_t nameLength, const char* name, CString* target) {
    s.Advance(nameLength);
    if (!s.ReadRawValue(raw)) {
      doc.ReportMessage(61218, {"<area>", name});
      return false;
    }
    if (target) AssignValue(*target, raw);
    return true;
  };
  // The value as held, for the attributes read here rather than kept.
  std::string decoded;
  auto held = [&]() -> std::string_view {
    if (!std::memchr(raw.data(), '&', raw.size())) return raw;
    AssignValue(decoded, raw);
    return decoded;
  };

  s.Advance(5);
  for (bool inTag = true; inTag;) {
    s.SkipBlanks();
    if (s.SkipComment()) continue;
    if (s.AtEnd()) return nullptr;
    switch (LowerAscii(s.Peek())) {
      case '>':
        inTag = false;
        break;
      case '=':
        s.SkipUnreadValue();
        continue;
      case 's':
        if (s.Matches("shape")) {
          if (attribute(5, "shape", nullptr)) area->m_nType = ShapeType(held());
          continue;
        }
        break;
      case 'c':
        if (s.Matches("coords")) {
          if (attribute(6, "coords", nullptr))
            AddCoords(*area, held());
          else
            faulty = true;
          continue;
        }
        break;
      case 'h':
        if (s.Matches("href")) {
          attribute(4, "href", &area->m_strHref);
          continue;
        }
        break;
      case 'n':
        if (s.Matches("nohref")) {
          s.Advance(6);
          continue;
        }
        break;
      case 't':
        if (s.Matches("target")) {
          attribute(6, "target", &area->m_strTarget);
          continue;
        }
        break;
      case 'a':
        if (s.Matches("alt")) {
          attribute(3, "alt", &area->m_strAlt);
          continue;
        }
        break;
      case 'o':
        if (s.Matches("onclick")) {
          if (attribute(7, "onclick", &area->m_strOnClick)) area->m_bJavaScript = true;
          continue;
        }
        if (s.Matches("onmouseover")) {
          if (attribute(11, "onmouseover", &area->m_strOnMouseOver)) area->m_bJavaScript = true;
          continue;
        }
        if (s.Matches("onmouseout")) {
          if (attribute(10, "onmouseout", &area->m_strOnMouseOut)) area->m_bJavaScript = true;
          continue;
        }
        break;
      default:
        break;
    }
    s.Advance();
  }

  if (area->m_nType != AREA_DEFAULT) ReadTrailingComment(s, *area);
  if (faulty || !FitPointsToType(*area)) return nullptr;
  area->m_bClosed = true;
  area->UpdateHtmlShape(true);
  // The bound must start from a point of the area, not from the empty
  // rectangle, or it would reach back to (0, 0).
  if (!area->m_listPoint.empty()) {
    const CPoint& first = area->m_listPoint.front();
    area->SetBoundPoint(first.x, first.y);
  }
  area->RecalcBound();
  return area;
}

}  // namespace zorva::html
