#include "html/AreaTagReader.h"

#include <cstring>
#include <string>

#include "html/CommentText.h"
#include "html/AttributeText.h"
#include "model/AreaTexts.h"
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

bool IsWord(std::string_view raw, std::string_view lowerWord) { return IsWordIgnoringCase(raw, lowerWord); }

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
  area.m_strComment = DecodeCommentText(text.substr(start, last - start));
  s.SetPos(end == std::string_view::npos ? text.size() : end + 3);
}

enum class AreaAttribute { Other, Shape, Coords, NoHref, Text };

// Which attribute the editor reads the name at the scanner's position is,
// by the whole name (for one of the area's texts, `text` says which); the
// scanner ends after the name. The names read are looked for where they
// stand, as often as every area has them.
AreaAttribute ReadAreaAttributeName(CByteScanner& s, const CAreaText*& text) {
  const char first = LowerAscii(s.Peek());
  switch (first) {
    case 's':
      if (s.TakeAttributeName("shape")) return AreaAttribute::Shape;
      break;
    case 'c':
      if (s.TakeAttributeName("coords")) return AreaAttribute::Coords;
      break;
    case 'n':
      if (s.TakeAttributeName("nohref")) return AreaAttribute::NoHref;
      break;
    default:
      break;
  }
  for (const CAreaText& t : kAreaTexts)
    if (!t.attribute.empty() && t.attribute[0] == first && s.TakeAttributeName(t.attribute)) {
      text = &t;
      return AreaAttribute::Text;
    }
  s.ReadAttributeName();
  return AreaAttribute::Other;
}

unsigned OwnedBitOf(AreaAttribute kind, const CAreaText* text) {
  switch (kind) {
    case AreaAttribute::Shape: return kOwnedShape;
    case AreaAttribute::Coords: return kOwnedCoords;
    case AreaAttribute::NoHref: return kOwnedNoHref;
    case AreaAttribute::Text: return text->OwnedBit();
    case AreaAttribute::Other: break;
  }
  return 0;
}

}  // namespace

void KeepAttribute(CString& kept, std::string_view raw) {
  if (!kept.empty()) kept += ' ';
  kept.append(raw);
}

std::string_view ReadOtherAttribute(CByteScanner& s, size_t nameStart) {
  const size_t nameEnd = s.Pos();
  std::string_view value;
  if (!s.ReadRawValue(value)) s.SetPos(nameEnd);
  return s.Text().substr(nameStart, s.Pos() - nameStart);
}

std::unique_ptr<CArea> ReadAreaTag(CByteScanner& s, CZorvaDoc& doc) {
  // Not value-initialised: the members' own initialisers are all an area
  // needs, and zeroing it first costs as much as building it.
  std::unique_ptr<CArea> area(new CArea);
  area->m_nType = AREA_RECT;
  bool faulty = false;
  std::string_view raw;
  // Values are taken from the text where they stand; only the texts the area
  // keeps are copied.
  auto attribute = [&](std::string_view name, CString* target) {
    if (!s.ReadRawValue(raw)) {
      doc.ReportMessage(61218, {"<area>", std::string(name)});
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

  // A browser takes the first of attributes that repeat and ignores the
  // others. An empty ALT and a target without a link, which the
  // writer would not write, are kept as they stand too.
  unsigned seen = 0;
  std::string_view altText, targetText;

  s.Advance(5);
  for (;;) {
    s.SkipBlanks();
    if (s.SkipComment()) continue;
    if (s.AtEnd()) return nullptr;
    const char c = s.Peek();
    if (c == '>') break;
    if (c == '=') {
      s.SkipUnreadValue();
      continue;
    }
    if (CByteScanner::IsAttributeNameEnd(c)) {
      // "/>" ends an XHTML tag; the page's areas are written back so.
      if (c == '/' && s.Text().substr(s.Pos(), 2) == "/>") doc.m_bPageSelfClosing = true;
      s.Advance();
      continue;
    }
    const size_t nameStart = s.Pos();
    const CAreaText* text = nullptr;
    const AreaAttribute kind = ReadAreaAttributeName(s, text);
    const unsigned bit = OwnedBitOf(kind, text);
    if (kind != AreaAttribute::Other && (seen & bit)) {
      // A repeat means nothing to a browser; the writer would not write it.
      ReadOtherAttribute(s, nameStart);
      continue;
    }
    seen |= bit;
    switch (kind) {
      case AreaAttribute::Shape:
        if (attribute("shape", nullptr)) area->m_nType = ShapeType(held());
        break;
      case AreaAttribute::Coords:
        if (attribute("coords", nullptr))
          AddCoords(*area, held());
        else
          faulty = true;
        break;
      case AreaAttribute::NoHref:
        s.SkipBlanks();
        if (s.Peek() == '=') s.SkipUnreadValue();
        break;
      case AreaAttribute::Text: {
        if (!attribute(text->attribute, &(*area.*text->member))) break;
        const std::string_view whole = s.Text().substr(nameStart, s.Pos() - nameStart);
        if (text->id == AreaTextId::Target) targetText = whole;
        if (text->id == AreaTextId::Alt) altText = whole;
        if (text->role == AreaTextRole::Script) area->m_bJavaScript = true;
        break;
      }
      case AreaAttribute::Other:
        KeepAttribute(area->m_strOtherAttrs, ReadOtherAttribute(s, nameStart));
        break;
    }
  }
  s.Advance();
  if (!altText.empty() && area->m_strAlt.empty()) KeepAttribute(area->m_strOtherAttrs, altText);
  if (!targetText.empty() && area->m_strHref.empty() && !area->m_strTarget.empty()) {
    KeepAttribute(area->m_strOtherAttrs, targetText);
    area->m_strTarget.clear();
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
