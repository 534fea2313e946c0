#include "html/MapWriter.h"

#include <algorithm>
#include <string_view>

#include "html/AreaLines.h"
#include "html/ByteScanner.h"
#include "html/Html5Head.h"
#include "html/Html5Page.h"
#include "html/HtmlLiterals.h"
#include "html/MapReader.h"
#include "html/PageBytes.h"
#include "html/PageFile.h"
#include "html/PageText.h"
#include "html/PageUrl.h"
#include "html/PicturePath.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/PathSplit.h"

namespace zorva::html {

namespace {

size_t ClampOffset(int64_t pos, size_t size) {
  return pos < 0 ? 0 : std::min<size_t>(size_t(pos), size);
}

// Where the usemap attribute goes in the image tag whose ">" is at `gt`:
// before a closing "/" (and the blanks before it), so "/>" stays the end. A
// "/" that ends an unquoted value belongs to the value.
// `pos` moved back over the blanks before it, never before `floor`.
size_t BackOverSpace(std::string_view text, size_t pos, size_t floor) {
  while (pos > floor && IsHtmlSpace(text[pos - 1])) --pos;
  return pos;
}

size_t UseMapInsertPos(std::string_view text, size_t imgTag, size_t gt) {
  if (gt >= text.size() || gt <= imgTag + 1 || text[gt - 1] != '/') return gt;
  const char before = text[gt - 2];
  if (!IsHtmlSpace(before) && before != '"' && before != '\'') return gt;
  return BackOverSpace(text, gt - 1, imgTag + 1);
}

// The picture's source in a page written to another folder than the one its
// text came from: a relative source would name another file there (or none),
// so it is rewritten relative to the new page, as a new page's is. A URL with
// a scheme, a path from the site's root and a source that still names the
// picture stay as they are.
struct SourceRebase {
  size_t at = 0, length = 0;
  CString value;
  bool active = false;
};

bool IsRelativeUrl(std::string_view source) {
  if (source.empty() || source.front() == '/' || source.front() == '#') return false;
  const size_t colon = source.find(':');
  return colon == std::string_view::npos || source.find_first_of("/?#") < colon;
}

SourceRebase RebasedSource(const CZorvaDoc& doc, std::string_view text, size_t imgTag, const CString& target) {
  SourceRebase r;
  const auto range = ImageSourceRange(text, imgTag);
  if (!range || doc.m_strPicturePath.empty()) return r;
  std::string source;
  AssignValue(source, text.substr(range->first, range->second));
  if (!IsRelativeUrl(source) || PicturePathOfSource(doc, target, source) == doc.m_strPicturePath) return r;
  CPageText fromPath(ECharset::ShiftJis, doc.m_nCharset);
  r.value = fromPath(SourceValueForPath(RelativePicturePath(target, doc.m_strPicturePath)));
  r.at = range->first;
  r.length = range->second;
  r.active = true;
  return r;
}

bool BuildPatchedPage(CZorvaDoc& doc, const CString& target, const HtmlLiterals& L, std::string_view newline,
                      CPageBytes& out) {
  std::string_view text = doc.m_pszPageText ? std::string_view(*doc.m_pszPageText) : std::string_view();
  const SourceRebase rebase = RebasedSource(doc, text, ClampOffset(doc.m_nImgTagPos, text.size()), target);
  // The page's own bytes from `a` to `b`, the picture's source rewritten.
  auto appendText = [&](size_t a, size_t b) {
    if (rebase.active && a <= rebase.at && rebase.at + rebase.length <= b) {
      out.AppendLasting(text.substr(a, rebase.at - a));
      AppendValue(out, rebase.value);
      a = rebase.at + rebase.length;
    }
    out.AppendLasting(text.substr(a, b - a));
  };
  // A page may start with its map: offset 0 is a map too (no map is -1).
  const bool hasMap = doc.m_nMapStartPos >= 0;
  size_t imgTag = ClampOffset(doc.m_nImgTagPos, text.size());
  size_t start = hasMap ? ClampOffset(doc.m_nMapStartPos, text.size()) : imgTag;
  appendText(0, start);

  const std::string_view mapName = MapNameOfUseMap(doc.m_strUseMap);
  // No line end goes around the map that the page did not have there: in a
  // minified page it would be a blank between the picture and its neighbours.
  AppendAttribute(out, L.mapName, mapName);
  if (!doc.m_strMapOtherAttrs.empty()) {
    out.Append(' ');
    out.Append(doc.m_strMapOtherAttrs);
  }
  out.Append('>');
  out.Append(newline);
  for (const auto& [from, to] : doc.m_listMapKept) {
    const size_t a = ClampOffset(from, text.size()), b = ClampOffset(to, text.size());
    if (a >= b) continue;
    appendText(a, b);
    out.Append(newline);
  }
  // The document's texts came from this page and are in its charset already.
  CPageText asHeld;
  // Area tags end as the page's own do: as its areas did, or, for a new map,
  // as its image tag does.
  const size_t imgEnd = hasMap ? text.size() : FindTagEnd(text, imgTag);
  const bool selfClosing =
      doc.m_bPageSelfClosing || (!hasMap && UseMapInsertPos(text, imgTag, imgEnd) != imgEnd);
  // A default area the page's map did not have is added only when it says
  // something (the reader leaves such a default area without its comment).
  const AreaLineStyle style{L, newline, selfClosing ? " />" : ">", true};
  if (!AppendAreaLines(out, doc, style, asHeld)) return false;
  out.Append(L.mapEnd);

  if (hasMap) {
    // A map end before its start would repeat the page; take the map as
    // ending where it starts instead.
    size_t end = std::max(ClampOffset(doc.m_nMapEndPos, text.size()), start);
    // The line ends after the map are written as the line end of the
    // settings; a page without one there gets none. (The end moved over them
    // at an earlier write stands right after them.)
    auto lineEnd = [](char c) { return c == '\r' || c == '\n'; };
    if ((end < text.size() && lineEnd(text[end])) || (end > start && lineEnd(text[end - 1]))) out.Append(newline);
    while (end < text.size() && lineEnd(text[end])) ++end;
    doc.m_nMapEndPos = int32_t(end);
    appendText(end, text.size());
  } else if (doc.m_bPageHasUseMap) {
    // The image names a map the page lacks: the map is written, the image
    // keeps its usemap as it is.
    appendText(imgTag, text.size());
  } else {
    const size_t at = UseMapInsertPos(text, imgTag, imgEnd);
    appendText(imgTag, at);
    // An attribute left without its value ("alt=>") would take the usemap
    // as its value; it gets its empty one first.
    const size_t last = BackOverSpace(text, at, imgTag);
    if (last > imgTag && text[last - 1] == '=') out.Append("\"\"");
    AppendAttribute(out, L.usemap, doc.m_strUseMap);
    appendText(at, text.size());
  }
  return true;
}

bool BuildNewPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& s,
                  const HtmlLiterals& L, CPageBytes& out) {
  const std::string& nl = s.newline;
  const bool html5 = L.html5;
  const ECharset pageCharset = NewPageCharset(s.charcode, doc);
  if (!CommentsFitPage(doc, pageCharset)) return false;
  // Paths are held as CP932 whatever the charset of the document's texts.
  CPageText fromPath(ECharset::ShiftJis, pageCharset);
  CPageText fromDocument(doc.m_nCharset, pageCharset);
  const CString relativePath = RelativePicturePath(target, doc.m_strPicturePath);
  const CString source(fromPath(SourceValueForPath(relativePath)));
  const CString mapName = MapNameOfFileName(fromPath(SplitPath(relativePath).name));

  if (html5) {
    const CString title(fromPath(Html5Title(relativePath, target)));
    AppendHtml5Head(out, nl, Html5HeadParts{MetaLine(L, s.charcode), false, title, {}});
  } else {
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
    if (const std::string_view meta = MetaLine(L, s.charcode); !meta.empty()) {
      out.Append(meta);
      out.Append(nl);
    }
    out.Append(L.headEnd);
    out.Append(nl);
  }
  out.Append(L.bodyStart);
  out.Append(nl);
  out.Append(L.imgSrc);
  out.Append(source);
  out.Append(L.imgUsemap);
  AppendValue(out, mapName);
  if (html5)
    AppendHtml5ImageEnd(out, doc, fromDocument);
  else
    out.Append(L.imgEnd);
  out.Append(nl);
  AppendAttribute(out, L.mapName, mapName);
  out.Append('>');
  out.Append(nl);
  if (!AppendAreaLines(out, doc, AreaLineStyle{L, nl}, fromDocument)) return false;
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
  const HtmlLiterals& L = LiteralsFor(settings);
  if (doc.m_bFromPage) return BuildPatchedPage(doc, target, L, settings.newline, out);
  return BuildNewPage(doc, target, settings, L, out);
}

bool BuildPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings,
               std::string& out) {
  return BuildPageString(out, [&](CPageBytes& page) { return BuildPage(doc, target, settings, page); });
}

bool WriteMap(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings) {
  // The document keeps the picture's absolute path: replacing it by the form
  // relative to this page would make the next page or project written to
  // another folder point at a picture that is not there.
  return WritePageFile(doc, target, [&](CPageBytes& page) { return BuildPage(doc, target, settings, page); });
}

}  // namespace zorva::html
