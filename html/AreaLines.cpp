#include "html/AreaLines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "html/AttributeText.h"
#include "html/ByteScanner.h"
#include "html/CommentText.h"
#include "html/DialogTexts.h"
#include "model/AreaTexts.h"
#include "model/ZorvaDoc.h"

namespace zorva::html {

void AppendValue(CPageBytes& out, std::string_view v) {
  for (const char* q; (q = static_cast<const char*>(std::memchr(v.data(), '"', v.size())));) {
    const size_t n = size_t(q - v.data());
    out.Append(v.substr(0, n));
    out.Append("&quot;");
    v.remove_prefix(n + 1);
  }
  out.Append(v);
}

namespace {

// Whether `s` holds a "-" or an "&". Comments are short and every area may
// have one: eight bytes are looked at together instead of calling a search
// twice.
bool HasDashOrAmpersand(std::string_view s) {
  constexpr uint64_t kOnes = 0x0101010101010101ull, kHighs = 0x8080808080808080ull;
  auto hasByte = [&](uint64_t w, unsigned char c) {
    const uint64_t x = w ^ (kOnes * c);
    return ((x - kOnes) & ~x & kHighs) != 0;
  };
  size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    uint64_t w;
    std::memcpy(&w, s.data() + i, 8);
    if (hasByte(w, '-') || hasByte(w, '&')) return true;
  }
  for (; i < s.size(); ++i)
    if (s[i] == '-' || s[i] == '&') return true;
  return false;
}

}  // namespace

void AppendCommentText(CPageBytes& out, std::string_view comment) {
  const char last = comment.back();
  if (last != ' ' && last != '\t' && !HasDashOrAmpersand(comment))
    out.Append(comment);
  else
    out.Append(EncodeCommentText(comment));
}

namespace {

constexpr int kButtonYes = 1;     // "close it anyway" / "convert to poly"
constexpr int kButtonIgnore = 5;  // "ignore"

// A kept attribute of a name the writer wrote itself is left out, so no tag
// holds one twice.
void AppendKeptAttributes(CPageBytes& out, std::string_view kept, unsigned written) {
  for (const KeptAttribute& k : SplitKeptAttributes(kept)) {
    if (AreaOwnedAttributeBit(k.name) & written) continue;
    out.Append(' ');
    out.Append(k.raw);
  }
}

// The attributes kept from the page, the end of the tag and its comment.
void AppendTagEnd(CPageBytes& out, const CArea& a, const AreaLineStyle& style, CPageText& text,
                  unsigned written) {
  if (!a.m_strOtherAttrs.empty()) AppendKeptAttributes(out, text(a.m_strOtherAttrs), written);
  // The common tag end and comment start go out as one piece.
  const bool comment = !a.m_strComment.empty();
  if (style.tagEnd.size() != 1) {
    out.Append(style.tagEnd);
    if (comment) out.Append("<!-- ");
  } else {
    out.Append(comment ? std::string_view("><!-- ") : std::string_view(">"));
  }
  if (comment) {
    AppendCommentText(out, text(a.m_strComment));
    out.Append(" -->");
  }
  out.Append(style.newline);
}

// Everything after the shape and its coordinates: link, ALT, scripts, and
// the tag's end.
void AppendLinkPart(CPageBytes& out, const CArea& a, const AreaLineStyle& style, CPageText& text) {
  const HtmlLiterals& L = style.L;
  unsigned written = kOwnedShape | kOwnedCoords;
  if (!a.m_strHref.empty()) {
    AppendAttribute(out, L.href, text(a.m_strHref));
    written |= AreaText(AreaTextId::Href).OwnedBit();
    if (!a.m_strTarget.empty()) {
      AppendAttribute(out, L.target, text(a.m_strTarget));
      written |= AreaText(AreaTextId::Target).OwnedBit();
    }
  } else {
    // HTML5 has no nohref: an area without a link is one without href.
    if (!L.html5) {
      out.Append(L.nohref);
      // XHTML has no attribute without a value.
      if (style.tagEnd.size() != 1) out.Append("=\"nohref\"");
    }
    written |= kOwnedNoHref;
  }
  if (!a.m_strAlt.empty() && (!L.html5 || !a.m_strHref.empty())) {
    AppendAttribute(out, L.alt, text(a.m_strAlt));
    written |= AreaText(AreaTextId::Alt).OwnedBit();
  }
  // The scripts while they are on, then any other attribute of its own.
  for (const CAreaText& t : kAreaTexts) {
    const bool plain = t.role == AreaTextRole::Plain;
    if (!plain && !(t.role == AreaTextRole::Script && a.m_bJavaScript)) continue;
    const CString& s = a.*t.member;
    if (s.empty()) continue;
    AppendAttribute(out, t.mapPrefix, text(s));
    written |= t.OwnedBit();
  }
  AppendTagEnd(out, a, style, text, written);
}

// Appends the line of an area that HTML can hold; false when the area has no
// form HTML could carry (no points, or a type without an HTML shape).
bool AppendAreaLine(CPageBytes& out, const CArea& a, const AreaLineStyle& style, CPageText& text) {
  const HtmlLiterals& L = style.L;
  if (a.m_nType == AREA_DEFAULT) {
    out.Append(L.defaultArea);
    AppendLinkPart(out, a, style, text);
    return true;
  }
  if (a.m_listPoint.empty()) return false;
  const CPoint& p1 = a.m_listPoint.front();
  const CPoint& p2 = a.m_listPoint.back();
  switch (a.m_nType) {
    case AREA_RECT:
      out.Append(L.rect);
      out.AppendNumber(std::min(p1.x, p2.x));
      out.Append(',');
      out.AppendNumber(std::min(p1.y, p2.y));
      out.Append(',');
      out.AppendNumber(std::max(p1.x, p2.x));
      out.Append(',');
      out.AppendNumber(std::max(p1.y, p2.y));
      out.Append('"');
      break;
    case AREA_ELLIPSE:
      out.Append(L.circle);
      out.AppendNumber((int64_t(p1.x) + p2.x) / 2);
      out.Append(',');
      out.AppendNumber((int64_t(p1.y) + p2.y) / 2);
      out.Append(',');
      out.AppendNumber((int64_t(p2.x) - p1.x < 0 ? int64_t(p1.x) - p2.x : int64_t(p2.x) - p1.x) / 2);
      out.Append('"');
      break;
    case AREA_POLYGON:
      out.Append(L.poly);
      for (const CPoint& p : a.m_listPoint) {
        out.AppendNumber(p.x);
        out.Append(',');
        out.AppendNumber(p.y);
        out.Append(',');
      }
      out.SetBack('"');
      break;
    default:
      return false;
  }
  AppendLinkPart(out, a, style, text);
  return true;
}

// Whether HTML has a shape for `a` once it is closed, by the area's own test
// run on `scratch`, which takes the shape and the two corners of `a`. The
// scratch area is reused from area to area.
bool HasHtmlShape(const CArea& a, CArea& scratch) {
  scratch.m_nType = a.m_nType;
  scratch.m_bClosed = true;
  scratch.m_bHtmlShape = a.m_bHtmlShape;
  if (a.m_nType == AREA_ELLIPSE && !a.m_listPoint.empty()) {
    while (scratch.m_listPoint.size() < 2) scratch.AddPoint(0, 0);
    scratch.m_listPoint.front() = a.m_listPoint.front();
    scratch.m_listPoint.back() = a.m_listPoint.back();
  } else {
    scratch.m_listPoint.clear();
  }
  return scratch.UpdateHtmlShape(true);
}

void PrefetchObject(const CArea* a) {
  const char* p = reinterpret_cast<const char*>(a);
  for (size_t off = 0; off < sizeof(CArea); off += 64) __builtin_prefetch(p + off);
}

void PrefetchContents(const CArea* a) {
  // The points of an area read or loaded sit side by side in one block.
  const char* points = reinterpret_cast<const char*>(a->GetHeadPoint());
  for (int line = 0; line < 3; ++line) __builtin_prefetch(points + 64 * line);
  __builtin_prefetch(a->m_strHref.data());
}

// Areas, their points and their texts lie all over the heap, and a big map is
// written faster than memory answers: the areas a few places ahead are asked
// for early, their points and link texts once the area has arrived.
void PrefetchAhead(const std::vector<const CArea*>& areas, size_t i) {
  constexpr size_t kAhead = 8;
  if (i + kAhead < areas.size()) PrefetchObject(areas[i + kAhead]);
  if (i + kAhead / 2 < areas.size()) PrefetchContents(areas[i + kAhead / 2]);
}

// The lines of the areas, asking the user about those HTML cannot hold as
// they are. False when the user cancelled. `leftOut` gets the list positions
// (from 1) of areas the user wanted converted that have no polygon form.
bool AppendLinesAsking(CPageBytes& out, CZorvaDoc& doc, const std::vector<const CArea*>& areas,
                       const AreaLineStyle& style, CPageText& text, std::vector<size_t>& leftOut) {
  CArea scratch;
  for (size_t i = 0; i < areas.size(); ++i) {
    PrefetchAhead(areas, i);
    const CArea* a = areas[i];
    if (!a->m_bClosed) {
      int r = doc.Host().DoChoiceDialog(kDlgUnclosedArea);
      if (r == kButtonIgnore) continue;
      if (r != kButtonYes) return false;
    }
    if (!HasHtmlShape(*a, scratch)) {
      int r = doc.Host().DoChoiceDialog(kDlgShapeNotInHtml);
      if (r == kButtonIgnore) continue;
      if (r != kButtonYes) return false;
      CArea poly;
      poly.CopyFrom(*a);
      poly.m_bClosed = true;
      poly.ConvertToPolygon();
      // Only rectangles and ellipses have a polygon form; a Bezier outline
      // has none and is left out, which the user is told.
      if (poly.m_nType == AREA_POLYGON)
        AppendAreaLine(out, poly, style, text);
      else
        leftOut.push_back(i + 1);
      continue;
    }
    // Closing an open outline changes nothing in its line.
    AppendAreaLine(out, *a, style, text);
  }
  return true;
}

}  // namespace

void ReportAreasLeftOut(CZorvaDoc& doc, const std::vector<size_t>& leftOut) {
  constexpr unsigned kAreasLeftOutMessage = 65015;
  if (leftOut.empty()) return;
  std::string numbers;
  for (size_t n : leftOut) {
    if (!numbers.empty()) numbers += ", ";
    numbers += std::to_string(n);
  }
  doc.ReportMessage(kAreasLeftOutMessage, {numbers});
}

bool AppendAreaLines(CPageBytes& out, CZorvaDoc& doc, const AreaLineStyle& style, CPageText& text) {
  // A browser gives a pixel that areas share to the first of them in the
  // map; the editor shows the last of its list on top. The map goes from the
  // top down, numbered as the area list shows it.
  // One walk of the list: its size is known without counting.
  std::vector<const CArea*> areas;
  areas.reserve(doc.m_listArea.size());
  areas.assign(doc.m_listArea.rbegin(), doc.m_listArea.rend());
  std::vector<size_t> leftOut;
  if (!AppendLinesAsking(out, doc, areas, style, text, leftOut)) return false;
  out.Append(style.L.defaultArea);
  AppendLinkPart(out, doc.m_areaDefault, style, text);
  ReportAreasLeftOut(doc, leftOut);
  return true;
}

}  // namespace zorva::html
