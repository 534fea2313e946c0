#include "html/MapWriter.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

#include "html/ByteScanner.h"
#include "html/DialogTexts.h"
#include "html/HtmlLiterals.h"
#include "html/PicturePath.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/PathSplit.h"

namespace zorva::html {

namespace {

constexpr int kButtonYes = 1;     // "close it anyway" / "convert to poly"
constexpr int kButtonIgnore = 5;  // "ignore"

void AppendNumber(std::string& out, int64_t v) {
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  out.append(buf, r.ptr);
}

// An attribute value: bytes as held, except that a quotation mark, which
// would end the value early, is written as an entity.
void AppendValue(std::string& out, std::string_view v) {
  for (size_t q; (q = v.find('"')) != std::string_view::npos; v.remove_prefix(q + 1)) {
    out.append(v.data(), q);
    out += "&quot;";
  }
  out.append(v);
}

void AppendAttribute(std::string& out, const char* name, std::string_view value) {
  out += name;
  AppendValue(out, value);
  out += '"';
}

// Everything after the shape and its coordinates: link, ALT, scripts and the
// end of the tag with its comment.
void AppendLinkPart(std::string& out, const CArea& a, const HtmlLiterals& L,
                    const std::string& newline) {
  if (!a.m_strHref.empty()) {
    AppendAttribute(out, L.href, a.m_strHref);
    if (!a.m_strTarget.empty()) AppendAttribute(out, L.target, a.m_strTarget);
  } else {
    out += L.nohref;
  }
  if (!a.m_strAlt.empty()) AppendAttribute(out, L.alt, a.m_strAlt);
  if (a.m_bJavaScript) {
    if (!a.m_strOnClick.empty()) AppendAttribute(out, kOnClick, a.m_strOnClick);
    if (!a.m_strOnMouseOver.empty()) AppendAttribute(out, kOnMouseOver, a.m_strOnMouseOver);
    if (!a.m_strOnMouseOut.empty()) AppendAttribute(out, kOnMouseOut, a.m_strOnMouseOut);
  }
  if (!a.m_strComment.empty()) {
    out += "><!-- ";
    out += a.m_strComment;
    out += " -->";
  } else {
    out += '>';
  }
  out += newline;
}

// Appends the line of an area that HTML can hold; false when the area has no
// form HTML could carry (no points, or a type without an HTML shape).
bool AppendAreaLine(std::string& out, const CArea& a, const HtmlLiterals& L,
                    const std::string& newline) {
  if (a.m_nType == AREA_DEFAULT) {
    out += L.defaultArea;
    AppendLinkPart(out, a, L, newline);
    return true;
  }
  if (a.m_listPoint.empty()) return false;
  const CPoint& p1 = a.m_listPoint.front();
  const CPoint& p2 = a.m_listPoint.back();
  switch (a.m_nType) {
    case AREA_RECT:
      out += L.rect;
      AppendNumber(out, std::min(p1.x, p2.x));
      out += ',';
      AppendNumber(out, std::min(p1.y, p2.y));
      out += ',';
      AppendNumber(out, std::max(p1.x, p2.x));
      out += ',';
      AppendNumber(out, std::max(p1.y, p2.y));
      out += '"';
      break;
    case AREA_ELLIPSE:
      out += L.circle;
      AppendNumber(out, (int64_t(p1.x) + p2.x) / 2);
      out += ',';
      AppendNumber(out, (int64_t(p1.y) + p2.y) / 2);
      out += ',';
      AppendNumber(out, (int64_t(p2.x) - p1.x < 0 ? int64_t(p1.x) - p2.x : int64_t(p2.x) - p1.x) / 2);
      out += '"';
      break;
    case AREA_POLYGON:
      out += L.poly;
      for (const CPoint& p : a.m_listPoint) {
        AppendNumber(out, p.x);
        out += ',';
        AppendNumber(out, p.y);
        out += ',';
      }
      out.back() = '"';
      break;
    default:
      return false;
  }
  AppendLinkPart(out, a, L, newline);
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

// The area lines of the whole list, then the default area's line. False when
// the user cancelled one of the choices.
bool AppendAreas(std::string& out, CZorvaDoc& doc, const HtmlLiterals& L,
                 const std::string& newline) {
  CArea scratch;
  for (const CArea* a : doc.m_listArea) {
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
      // has none and is left out like an ignored area.
      if (poly.m_nType == AREA_POLYGON) AppendAreaLine(out, poly, L, newline);
      continue;
    }
    // Closing an open outline changes nothing in its line.
    AppendAreaLine(out, *a, L, newline);
  }
  out += L.defaultArea;
  AppendLinkPart(out, doc.m_areaDefault, L, newline);
  return true;
}

size_t ClampOffset(int64_t pos, size_t size) {
  return pos < 0 ? 0 : std::min<size_t>(size_t(pos), size);
}

bool BuildPatchedPage(CZorvaDoc& doc, const HtmlLiterals& L, const std::string& newline,
                      std::string& out) {
  std::string_view text = doc.m_pszPageText ? std::string_view(*doc.m_pszPageText) : std::string_view();
  const bool hasMap = doc.m_nMapStartPos > 0;
  size_t imgTag = ClampOffset(doc.m_nImgTagPos, text.size());
  size_t start = hasMap ? ClampOffset(doc.m_nMapStartPos, text.size()) : imgTag;
  out.reserve(text.size() + doc.m_listArea.size() * 96 + 256);
  out.append(text.substr(0, start));

  std::string_view useMap = doc.m_strUseMap;
  size_t hash = useMap.find('#');
  std::string_view mapName = hash == std::string_view::npos ? useMap : useMap.substr(hash + 1);
  out += newline;
  AppendAttribute(out, L.mapName, mapName);
  out += '>';
  out += newline;
  if (!AppendAreas(out, doc, L, newline)) return false;
  out += L.mapEnd;
  out += newline;

  if (hasMap) {
    // A map end before its start would repeat the page; take the map as
    // ending where it starts instead.
    size_t end = std::max(ClampOffset(doc.m_nMapEndPos, text.size()), start);
    while (end < text.size() && (text[end] == '\r' || text[end] == '\n')) ++end;
    doc.m_nMapEndPos = int32_t(end);
    out.append(text.substr(end));
  } else {
    size_t gt = FindTagEnd(text, imgTag);
    out.append(text.substr(imgTag, gt - imgTag));
    AppendAttribute(out, L.usemap, doc.m_strUseMap);
    out.append(text.substr(gt));
  }
  return true;
}

bool BuildNewPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& s,
                  const HtmlLiterals& L, std::string& out) {
  const std::string& nl = s.newline;
  const CString relativePicture = RelativePicturePath(target, doc.m_strPicturePath);
  const CString mapName = SplitPath(relativePicture).name;

  out.reserve(doc.m_listArea.size() * 96 + 512);
  if (const char* doctype = DoctypeLine(s.doctype)) {
    out += doctype;
    out += nl;
  }
  out += kGeneratedBy;
  out += nl;
  out += L.htmlStart;
  out += nl;
  out += L.headStart;
  out += nl;
  if (s.charcode == 1 || s.charcode == 2) {
    out += s.charcode == 1 ? L.metaSjis : L.metaEuc;
    out += nl;
  }
  out += L.headEnd;
  out += nl;
  out += L.bodyStart;
  out += nl;
  out += L.imgSrc;
  AppendValue(out, relativePicture);
  out += L.imgUsemap;
  AppendValue(out, mapName);
  out += L.imgEnd;
  out += nl;
  AppendAttribute(out, L.mapName, mapName);
  out += '>';
  out += nl;
  if (!AppendAreas(out, doc, L, nl)) return false;
  out += L.mapEnd;
  out += nl;
  out += L.bodyEnd;
  out += nl;
  out += L.htmlEnd;
  return true;
}

}  // namespace

bool BuildPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings,
               std::string& out) {
  out.clear();
  const HtmlLiterals& L = LiteralsFor(settings.charcase);
  if (doc.m_bFromPage) return BuildPatchedPage(doc, L, settings.newline, out);
  return BuildNewPage(doc, target, settings, L, out);
}

bool WriteMap(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings) {
  std::string page;
  if (!BuildPage(doc, target, settings, page)) return false;
  int err = 0;
  if (!WriteFileReplacing(target, page, &err)) {
    doc.ReportMessage(FileErrorStringId(err), {Cp932ToUtf8(target)});
    return false;
  }
  // The document keeps the picture's absolute path: replacing it by the form
  // relative to this page would make the next page or project written to
  // another folder point at a picture that is not there.
  return true;
}

}  // namespace zorva::html
