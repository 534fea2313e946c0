// The map reader over arbitrary bytes: it must read or refuse every page
// without faults. When the page has several images the first is taken, so
// the map scan runs too. A page that was read is patched as the editor saves
// it and the patched page read again: it must give the same map. Then it is
// written as a new page, in a charset the fuzzer's bytes choose, so the
// conversions between the page's declared or guessed charset and another run
// too. fuzz_html_reader.dict holds the tags and the charset declarations.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "html/DialogTexts.h"
#include "html/HtmlSettings.h"
#include "html/MapReader.h"
#include "html/MapWriter.h"
#include "model/ZorvaDoc.h"

namespace {

class FirstImageHost : public CNullDocumentHost {
 public:
  int ChooseImage(const std::vector<std::string>& lines) override { return lines.empty() ? -1 : 0; }
  // An open outline is closed and written; a shape HTML lacks is left out.
  int DoChoiceDialog(unsigned dialog, size_t) override { return dialog == zorva::kDlgShapeNotInHtml ? 5 : 1; }
};

// An area as its tag says it: the shape's numbers as the writer puts them in
// "coords" (a rectangle's corners in either order are the same rectangle), and
// the texts.
struct TagView {
  int32_t type = AREA_DEFAULT;
  std::vector<int64_t> coords;
  CString href, target, alt, onclick, onmouseover, onmouseout, comment, others;
  bool operator==(const TagView&) const = default;
};

TagView ViewOf(const CArea& a) {
  TagView v{a.m_nType, {}, a.m_strHref, a.m_strTarget, a.m_strAlt, a.m_strOnClick,
            a.m_strOnMouseOver, a.m_strOnMouseOut, a.m_strComment, a.m_strOtherAttrs};
  if (a.m_nType == AREA_POLYGON) {
    for (const CPoint& p : a.m_listPoint) v.coords.insert(v.coords.end(), {p.x, p.y});
  } else if (a.m_nType != AREA_DEFAULT && !a.m_listPoint.empty()) {
    const int64_t x1 = a.m_listPoint.front().x, y1 = a.m_listPoint.front().y;
    const int64_t x2 = a.m_listPoint.back().x, y2 = a.m_listPoint.back().y;
    if (a.m_nType == AREA_RECT)
      v.coords = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    else
      v.coords = {(x1 + x2) / 2, (y1 + y2) / 2, (x2 > x1 ? x2 - x1 : x1 - x2) / 2};
  }
  return v;
}

struct MapView {
  zorva::ECharset charset;
  CString useMap, mapOthers;
  TagView defaultArea;
  std::vector<TagView> areas;  // from the top of the list down, as the map is written
};

// What a patched page must keep of what was read. Every area read is closed;
// those HTML has no shape for (an ellipse that is no circle) are left out when
// the page is written, as the host answers.
MapView ViewOf(const CZorvaDoc& doc) {
  MapView v{doc.m_nCharset, doc.m_strUseMap, doc.m_strMapOtherAttrs, ViewOf(doc.m_areaDefault), {}};
  for (auto it = doc.m_listArea.rbegin(); it != doc.m_listArea.rend(); ++it)
    if ((*it)->m_bClosed && (*it)->m_bHtmlShape) v.areas.push_back(ViewOf(**it));
  return v;
}

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "patched page: %s\n", what);
  __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FirstImageHost host;
  CZorvaDoc doc(&host);
  std::string page(reinterpret_cast<const char*>(data), size);
  if (!zorva::html::ReadPageText(doc, "/site/page.html", std::move(page))) return 0;
  const MapView read = ViewOf(doc);

  std::string out;
  zorva::HtmlOutputSettings settings;
  zorva::html::BuildPage(doc, "/site/page.html", settings, out);
  {
    FirstImageHost againHost;
    CZorvaDoc again(&againHost);
    if (!zorva::html::ReadPageText(again, "/site/page.html", out)) Fail("the written page cannot be read");
    const MapView reread = ViewOf(again);
    if (reread.charset != read.charset) Fail("charset");
    if (reread.useMap != read.useMap) Fail("usemap");
    if (reread.mapOthers != read.mapOthers) Fail("map attributes");
    if (!(reread.defaultArea == read.defaultArea)) Fail("default area");
    if (reread.areas.size() != read.areas.size()) Fail("area count");
    for (size_t i = 0; i < read.areas.size(); ++i)
      if (!(reread.areas[i] == read.areas[i])) Fail("area");
  }

  doc.m_bFromPage = false;
  settings.charcode = size ? data[size - 1] % 4 : 0;
  zorva::html::BuildPage(doc, "/site/out.html", settings, out);
  return 0;
}
