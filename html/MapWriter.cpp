#include "html/MapWriter.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

#include "html/ByteScanner.h"
#include "html/DialogTexts.h"
#include "html/HtmlLiterals.h"
#include "html/PageBytes.h"
#include "html/PicturePath.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/PathSplit.h"

namespace zorva::html {

namespace {

constexpr int kButtonYes = 1;     // "close it anyway" / "convert to poly"
constexpr int kButtonIgnore = 5;  // "ignore"

// An attribute value: bytes as held, except that a quotation mark, which
// would end the value early, is written as an entity.
void AppendValue(CPageBytes& out, std::string_view v) {
  for (const char* q; (q = static_cast<const char*>(std::memchr(v.data(), '"', v.size())));) {
    const size_t n = size_t(q - v.data());
    out.Append(v.substr(0, n));
    out.Append("&quot;");
    v.remove_prefix(n + 1);
  }
  out.Append(v);
}

void AppendAttribute(CPageBytes& out, std::string_view name, std::string_view value) {
  out.Append(name);
  AppendValue(out, value);
  out.Append('"');
}

// Everything after the shape and its coordinates: link, ALT, scripts and the
// end of the tag with its comment.
void AppendLinkPart(CPageBytes& out, const CArea& a, const HtmlLiterals& L, std::string_view newline) {
  if (!a.m_strHref.empty()) {
    AppendAttribute(out, L.href, a.m_strHref);
    if (!a.m_strTarget.empty()) AppendAttribute(out, L.target, a.m_strTarget);
  } else {
    out.Append(L.nohref);
  }
  if (!a.m_strAlt.empty()) AppendAttribute(out, L.alt, a.m_strAlt);
  if (a.m_bJavaScript) {
    if (!a.m_strOnClick.empty()) AppendAttribute(out, kOnClick, a.m_strOnClick);
    if (!a.m_strOnMouseOver.empty()) AppendAttribute(out, kOnMouseOver, a.m_strOnMouseOver);
    if (!a.m_strOnMouseOut.empty()) AppendAttribute(out, kOnMouseOut, a.m_strOnMouseOut);
  }
  if (!a.m_strComment.empty()) {
    out.Append("><!-- ");
    out.Append(a.m_strComment);
    out.Append(" -->");
  } else {
    out.Append('>');
  }
  out.Append(newline);
}

// Appends the line of an area that HTML can hold; false when the area has no
// form HTML could carry (no points, or a type without an HTML shape).
bool AppendAreaLine(CPageBytes& out, const CArea& a, const HtmlLiterals& L, std::string_view newline) {
  if (a.m_nType == AREA_DEFAULT) {
    out.Append(L.defaultArea);
    AppendLinkPart(out, a, L, newline);
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

// The area lines of the whole list, then the default area's line. False when
// the user cancelled one of the choices.
bool AppendAreas(CPageBytes& out, CZorvaDoc& doc, const HtmlLiterals& L, std::string_view newline) {
  CArea scratch;
  // Areas, their points and their texts lie all over the heap, and a big map
  // is written faster than memory answers: the areas a few places ahead are
  // asked for early, their points and link texts once the area has arrived.
  constexpr int kAhead = 8;
  const auto end = doc.m_listArea.end();
  auto far = doc.m_listArea.begin(), near = far;
  for (int i = 0; i < kAhead && far != end; ++i, ++far)
    if (i < kAhead / 2) ++near;
  for (const CArea* a : doc.m_listArea) {
    if (far != end) PrefetchObject(*far++);
    if (near != end) PrefetchContents(*near++);
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
  out.Append(L.defaultArea);
  AppendLinkPart(out, doc.m_areaDefault, L, newline);
  return true;
}

size_t ClampOffset(int64_t pos, size_t size) {
  return pos < 0 ? 0 : std::min<size_t>(size_t(pos), size);
}

bool BuildPatchedPage(CZorvaDoc& doc, const HtmlLiterals& L, std::string_view newline, CPageBytes& out) {
  std::string_view text = doc.m_pszPageText ? std::string_view(*doc.m_pszPageText) : std::string_view();
  const bool hasMap = doc.m_nMapStartPos > 0;
  size_t imgTag = ClampOffset(doc.m_nImgTagPos, text.size());
  size_t start = hasMap ? ClampOffset(doc.m_nMapStartPos, text.size()) : imgTag;
  out.AppendLasting(text.substr(0, start));

  std::string_view useMap = doc.m_strUseMap;
  size_t hash = useMap.find('#');
  std::string_view mapName = hash == std::string_view::npos ? useMap : useMap.substr(hash + 1);
  out.Append(newline);
  AppendAttribute(out, L.mapName, mapName);
  out.Append('>');
  out.Append(newline);
  if (!AppendAreas(out, doc, L, newline)) return false;
  out.Append(L.mapEnd);
  out.Append(newline);

  if (hasMap) {
    // A map end before its start would repeat the page; take the map as
    // ending where it starts instead.
    size_t end = std::max(ClampOffset(doc.m_nMapEndPos, text.size()), start);
    while (end < text.size() && (text[end] == '\r' || text[end] == '\n')) ++end;
    doc.m_nMapEndPos = int32_t(end);
    out.AppendLasting(text.substr(end));
  } else {
    size_t gt = FindTagEnd(text, imgTag);
    out.AppendLasting(text.substr(imgTag, gt - imgTag));
    AppendAttribute(out, L.usemap, doc.m_strUseMap);
    out.AppendLasting(text.substr(gt));
  }
  return true;
}

bool BuildNewPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& s,
                  const HtmlLiterals& L, CPageBytes& out) {
  const std::string& nl = s.newline;
  const CString relativePicture = RelativePicturePath(target, doc.m_strPicturePath);
  const CString mapName = SplitPath(relativePicture).name;

  if (const char* doctype = DoctypeLine(s.doctype)) {
    out.Append(doctype);
    out.Append(nl);
  }
  out.Append(kGeneratedBy);
  out.Append(nl);
  out.Append(L.htmlStart);
  out.Append(nl);
  out.Append(L.headStart);
  out.Append(nl);
  if (s.charcode == 1 || s.charcode == 2) {
    out.Append(s.charcode == 1 ? L.metaSjis : L.metaEuc);
    out.Append(nl);
  }
  out.Append(L.headEnd);
  out.Append(nl);
  out.Append(L.bodyStart);
  out.Append(nl);
  out.Append(L.imgSrc);
  AppendValue(out, relativePicture);
  out.Append(L.imgUsemap);
  AppendValue(out, mapName);
  out.Append(L.imgEnd);
  out.Append(nl);
  AppendAttribute(out, L.mapName, mapName);
  out.Append('>');
  out.Append(nl);
  if (!AppendAreas(out, doc, L, nl)) return false;
  out.Append(L.mapEnd);
  out.Append(nl);
  out.Append(L.bodyEnd);
  out.Append(nl);
  out.Append(L.htmlEnd);
  return true;
}

}  // namespace

bool BuildPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings,
               CPageBytes& out) {
  const HtmlLiterals& L = LiteralsFor(settings.charcase);
  if (doc.m_bFromPage) return BuildPatchedPage(doc, L, settings.newline, out);
  return BuildNewPage(doc, target, settings, L, out);
}

bool BuildPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings,
               std::string& out) {
  CPageBytes bytes;
  const bool built = BuildPage(doc, target, settings, bytes);
  out.assign(built ? bytes.View() : std::string_view());
  return built;
}

bool WriteMap(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings) {
  // The page is written while it is produced; a cancel on the way leaves the
  // target as it was.
  CReplacingFile file;
  int err = 0;
  if (!file.Open(target, &err)) {
    doc.ReportMessage(FileErrorStringId(err), {Cp932ToUtf8(target)});
    return false;
  }
  CPageBytes page(&file);
  if (!BuildPage(doc, target, settings, page)) return false;
  page.Finish();
  if (!file.Commit(&err)) {
    doc.ReportMessage(FileErrorStringId(err), {Cp932ToUtf8(target)});
    return false;
  }
  // The document keeps the picture's absolute path: replacing it by the form
  // relative to this page would make the next page or project written to
  // another folder point at a picture that is not there.
  return true;
}

}  // namespace zorva::html
