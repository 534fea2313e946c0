#include "html/SvgMapWriter.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "html/AreaLines.h"
#include "html/Html5Head.h"
#include "html/PageFile.h"
#include "html/PageText.h"
#include "html/PageUrl.h"
#include "html/PicturePath.h"
#include "html/SvgKeptAttributes.h"
#include "html/SvgShapes.h"
#include "model/AreaTexts.h"
#include "model/PictureSize.h"
#include "model/ZorvaDoc.h"
#include "platform/PathSplit.h"

namespace zorva::html {

namespace {

constexpr unsigned kNoPictureSizeMessage = 65060;

// The picture is laid out at its own size and shrinks with a narrow window;
// the SVG covers exactly the picture's box whatever size CSS gives it. The
// box around them takes its width from the picture alone (no limit of its
// own), so a picture made wider than its container still has the SVG on it. Filled
// shapes take the pointer although nothing is painted; lines take it on a
// stroke kLineHitWidth picture pixels wide, which scales with the picture.
// A polygon that crosses itself takes the pointer where a classic map's does:
// browsers test a map's polygons even-odd. The focus ring is drawn in screen
// pixels (each filled shape's vector-effect, an attribute since validators
// do not know it as a property) so it stays visible at any scale.
constexpr std::string_view kStyle[] = {
    ".zorva-map{position:relative;display:inline-block;vertical-align:top}",
    ".zorva-map>img{display:block;max-width:100%;height:auto}",
    ".zorva-map>svg{position:absolute;left:0;top:0;width:100%;height:100%}",
    ".zorva-map .area{fill:transparent;fill-rule:evenodd;stroke:none;pointer-events:visibleFill}",
    ".zorva-map .line{fill:none;stroke:transparent;stroke-width:8;stroke-linecap:round;"
    "stroke-linejoin:round;pointer-events:visibleStroke}",
    ".zorva-map a:focus{outline:none}",
    ".zorva-map a:focus>.area{stroke:#1a5fb4;stroke-width:3px}",
    ".zorva-map a:focus>.line{stroke:rgba(26,95,180,.6)}",
};
constexpr std::string_view kHoverStyle[] = {
    ".zorva-map a[href]:hover>.area{fill:rgba(255,200,0,.35)}",
    ".zorva-map a[href]:hover>.line{stroke:rgba(255,200,0,.6)}",
};
static_assert(kLineHitWidth == 8, "the style sheet's stroke width");

std::string StyleSheet(std::string_view nl, bool hover) {
  std::string css;
  for (std::string_view rule : kStyle) (css += rule) += nl;
  if (hover)
    for (std::string_view rule : kHoverStyle) (css += rule) += nl;
  return css;
}

// The area's link: href and target, the ALT text as the link's accessible
// name (aria-label and a <title> tooltip), the scripts when they are on, and
// what an SVG link can carry of the attributes kept from the page the area
// was read from.
void AppendLinkStart(CPageBytes& out, const CArea& a, CPageText& text) {
  out.Append("<a");
  const bool link = !a.m_strHref.empty();
  if (link) {
    AppendAttribute(out, " href=\"", text(a.m_strHref));
    if (!a.m_strTarget.empty()) AppendAttribute(out, " target=\"", text(a.m_strTarget));
    if (!a.m_strAlt.empty()) AppendAttribute(out, " aria-label=\"", text(a.m_strAlt));
  }
  for (const CAreaText& t : kAreaTexts)
    if (t.role == AreaTextRole::Plain || (t.role == AreaTextRole::Script && a.m_bJavaScript))
      if (const CString& s = a.*t.member; !s.empty()) AppendAttribute(out, t.svgPrefix, text(s));
  // A title kept from the page is the tooltip, as it was on the area;
  // otherwise the ALT text is.
  std::string title;
  if (!a.m_strOtherAttrs.empty())
    AppendSvgKeptAttributes(out, text(a.m_strOtherAttrs), link && !a.m_strAlt.empty(), title);
  out.Append('>');
  if (title.empty() && !a.m_strAlt.empty()) title.assign(text(a.m_strAlt));
  if (!title.empty()) {
    out.Append("<title>");
    AppendEscapedText(out, title, false);
    out.Append("</title>");
  }
}

void AppendLinkEnd(CPageBytes& out, const CArea& a, std::string_view nl, CPageText& text) {
  out.Append("</a>");
  if (!a.m_strComment.empty()) {
    out.Append("<!-- ");
    AppendCommentText(out, text(a.m_strComment));
    out.Append(" -->");
  }
  out.Append(nl);
}

// The default area stands under every other area as a rectangle over the
// whole picture; it is written only when it leads somewhere or runs a script,
// since a plain one would change nothing.
bool DefaultAreaActs(const CArea& d) {
  if (!d.m_strHref.empty()) return true;
  for (const CAreaText& t : kAreaTexts)
    if (t.role == AreaTextRole::Script && d.m_bJavaScript && !(d.*t.member).empty()) return true;
  return false;
}

std::optional<CSize> PictureSize(CZorvaDoc& doc) {
  if (doc.m_sizePicture.cx > 0 && doc.m_sizePicture.cy > 0) return doc.m_sizePicture;
  if (doc.m_strPicturePath.empty()) return std::nullopt;
  return PictureSizeOfFile(doc.m_strPicturePath);
}

}  // namespace

bool BuildSvgPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& s, CPageBytes& out) {
  const std::optional<CSize> size = PictureSize(doc);
  if (!size) {
    doc.ReportMessage(kNoPictureSizeMessage);
    return false;
  }
  const std::string& nl = s.newline;
  // Paths are held as CP932 whatever the charset of the document's texts.
  CPageText fromPath(ECharset::ShiftJis, ECharset::Utf8);
  const CString relativePath = RelativePicturePath(target, doc.m_strPicturePath);
  const CString source(fromPath(SourceValueForPath(relativePath)));
  // HTML5 wants a title that is not empty: the picture's name, else the page's.
  CString title(fromPath(SplitPath(relativePath).name));
  if (title.empty()) title = fromPath(SplitPath(target).name);

  AppendHtml5Head(out, nl, title, StyleSheet(nl, s.svgHover));
  out.Append("<body>");
  out.Append(nl);
  out.Append("<div class=\"zorva-map\">");
  out.Append(nl);
  AppendAttribute(out, "<img src=\"", source);
  out.Append(" width=\"");
  out.AppendNumber(size->cx);
  out.Append("\" height=\"");
  out.AppendNumber(size->cy);
  out.Append("\" alt=\"\">");
  out.Append(nl);
  out.Append("<svg viewBox=\"0 0 ");
  out.AppendNumber(size->cx);
  out.Append(' ');
  out.AppendNumber(size->cy);
  out.Append("\" preserveAspectRatio=\"none\">");
  out.Append(nl);

  CPageText text(doc.m_nCharset, ECharset::Utf8);
  if (DefaultAreaActs(doc.m_areaDefault)) {
    AppendLinkStart(out, doc.m_areaDefault, text);
    AppendSvgPictureRect(out, size->cx, size->cy);
    AppendLinkEnd(out, doc.m_areaDefault, nl, text);
  }
  // In SVG the shape painted last takes the pointer: the list goes from the
  // bottom of the editor's stack to its top. Areas are numbered for the
  // message as the area list shows them, top first.
  std::vector<size_t> leftOut;
  size_t fromTop = doc.m_listArea.size();
  for (const CArea* a : doc.m_listArea) {
    if (HasSvgShape(*a)) {
      AppendLinkStart(out, *a, text);
      AppendSvgShape(out, *a);
      AppendLinkEnd(out, *a, nl, text);
    } else {
      leftOut.push_back(fromTop);
    }
    --fromTop;
  }
  out.Append("</svg>");
  out.Append(nl);
  out.Append("</div>");
  out.Append(nl);
  out.Append("</body>");
  out.Append(nl);
  out.Append("</html>");
  out.Append(nl);
  std::reverse(leftOut.begin(), leftOut.end());
  ReportAreasLeftOut(doc, leftOut);
  return true;
}

bool BuildSvgPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings, std::string& out) {
  return BuildPageString(out, [&](CPageBytes& page) { return BuildSvgPage(doc, target, settings, page); });
}

bool WriteSvgMap(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings) {
  return WritePageFile(doc, target, [&](CPageBytes& page) { return BuildSvgPage(doc, target, settings, page); });
}

}  // namespace zorva::html
