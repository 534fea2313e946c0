#include <gtest/gtest.h>

#include <filesystem>

#include "HtmlTestSupport.h"
#include "html/HtmlSettingsDefaults.h"
#include "html/SvgMapWriter.h"
#include "platform/SettingsStore.h"

using namespace zorva;
using namespace zorva::test;

namespace {

struct SvgWriter {
  FakeDocumentHost host;
  CZorvaDoc doc{&host};
  SvgWriter() {
    doc.m_strPicturePath = "/site/img/photo.jpg";
    doc.m_sizePicture = {400, 300};
  }

  std::string Page(const HtmlOutputSettings& s = Settings("\n", 2, 1, 0)) {
    std::string out;
    if (!html::BuildSvgPage(doc, "/site/index.html", s, out)) return "<failed>";
    return out;
  }
  // The lines inside the <svg> element.
  std::string Links(const HtmlOutputSettings& s = Settings("\n", 2, 1, 0)) {
    const std::string page = Page(s);
    const size_t start = page.find('\n', page.find("<svg ")) + 1;
    const size_t end = page.find("</svg>");
    if (start == 0 || end == std::string::npos) return page;
    return page.substr(start, end - start);
  }
};

constexpr const char* kFilled = "class=\"area\" vector-effect=\"non-scaling-stroke\"";

std::string Link(const std::string& shape) { return "<a>" + shape + "</a>\n"; }

}  // namespace

TEST(SvgMapWriter, EachShapeKeepsItsExactGeometry) {
  struct Case {
    int type;
    std::initializer_list<CPoint> points;
    bool closed;
    std::string element;
  } cases[] = {
      // A rectangle from any corner.
      {AREA_RECT, {{110, 80}, {10, 20}}, true, "<rect " + std::string(kFilled) + " x=\"10\" y=\"20\" width=\"100\" height=\"60\"/>"},
      // An ellipse stays one, on half pixels where its box is odd, negative
      // centres included.
      {AREA_ELLIPSE, {{141, 100}, {40, 40}}, true,
       "<ellipse " + std::string(kFilled) + " cx=\"90.5\" cy=\"70\" rx=\"50.5\" ry=\"30\"/>"},
      {AREA_ELLIPSE, {{-7, -3}, {0, 0}}, true,
       "<ellipse " + std::string(kFilled) + " cx=\"-3.5\" cy=\"-1.5\" rx=\"3.5\" ry=\"1.5\"/>"},
      {AREA_POLYGON, {{1, 2}, {30, 4}, {5, 60}}, true, "<polygon " + std::string(kFilled) + " points=\"1,2 30,4 5,60\"/>"},
      // A line and an open outline are stroked, not closed.
      {AREA_POLYGON, {{1, 2}, {30, 4}, {5, 60}}, false, "<polyline class=\"line\" points=\"1,2 30,4 5,60\"/>"},
      {AREA_POLYGON, {{20, 290}, {250, 200}}, false, "<polyline class=\"line\" points=\"20,290 250,200\"/>"},
      // Two points enclose nothing, closed or not.
      {AREA_POLYGON, {{20, 290}, {250, 200}}, true, "<polyline class=\"line\" points=\"20,290 250,200\"/>"},
  };
  for (const Case& c : cases) {
    SvgWriter w;
    AddArea(w.doc, c.type, c.points, c.closed);
    EXPECT_EQ(w.Links(), Link(c.element)) << c.element;
    // Nothing is asked: every area has its form here.
    EXPECT_TRUE(w.host.choiceDialogs.empty());
  }
}

TEST(SvgMapWriter, TheTopAreaIsPaintedLastOverTheDefaultArea) {
  SvgWriter w;
  AddArea(w.doc, AREA_RECT, {{0, 0}, {10, 10}}).m_strHref = "bottom.html";
  AddArea(w.doc, AREA_BEZIER, {{0, 0}, {5, 5}});
  AddArea(w.doc, AREA_RECT, {{5, 5}, {20, 20}}).m_strHref = "top.html";
  // Without a link or a script the default area changes nothing and is left out.
  EXPECT_EQ(w.Links().find("width=\"400\""), std::string::npos);
  w.doc.m_areaDefault.m_strHref = "all.html";
  const std::string links = w.Links();
  const size_t all = links.find("all.html"), bottom = links.find("bottom.html"), top = links.find("top.html");
  ASSERT_NE(top, std::string::npos) << links;
  EXPECT_LT(all, bottom);
  EXPECT_LT(bottom, top);
  EXPECT_NE(links.find("<a href=\"all.html\"><rect " + std::string(kFilled) +
                       " x=\"0\" y=\"0\" width=\"400\" height=\"300\"/></a><!-- "
                       // The comment in UTF-8, as the page's other texts.
                       "\xE3\x83\x87\xE3\x83\x95\xE3\x82\xA9\xE3\x83\xAB\xE3\x83\x88\xE3\x82\xA8\xE3\x83\xAA\xE3\x82\xA2 -->"),
            std::string::npos)
      << links;
  // The Bezier outline has no shape: left out, and reported with its row in
  // the area list (second from the top).
  EXPECT_EQ(std::count(links.begin(), links.end(), '\n'), 3);
  ASSERT_EQ(w.host.MessageIds(), (std::vector<unsigned>{65015, 65015}));
  EXPECT_NE(w.host.messages.back().text.find("エリア 2）"), std::string::npos) << w.host.messages.back().text;
}

TEST(SvgMapWriter, LinkAttributesLabelsScriptsAndKeptAttributes) {
  SvgWriter w;
  CArea& a = AddArea(w.doc, AREA_RECT, {{0, 0}, {1, 1}});
  a.m_strHref = "x.cgi?a=\"1\"&b=2";
  a.m_strTarget = "_blank";
  a.m_strAlt = "A <b> &amp; \"q\"";
  a.m_bJavaScript = true;
  a.m_strOnClick = "go();";
  a.m_strOnMouseOut = "o();";
  a.m_strComment = "c -- d";
  a.m_strOtherAttrs = "class=hot alt=\"\" aria-label=\"old\" data-x='1' coords=\"9\"";
  CArea& b = AddArea(w.doc, AREA_RECT, {{0, 0}, {1, 1}});
  b.m_strTarget = "_top";  // no URL: no target, no label
  b.m_strAlt = "B";
  b.m_strOnClick = "off();";  // scripts are off
  // An SVG link's tooltip is its <title>; what only an HTML link has is left out.
  b.m_strOtherAttrs = "aria-label=\"kept\" title='Tip &amp; <x>' download accesskey=k hreflang=ja";
  const std::string links = w.Links();
  EXPECT_EQ(links,
            "<a href=\"x.cgi?a=&quot;1&quot;&b=2\" target=\"_blank\" aria-label=\"A <b> &amp; &quot;q&quot;\" "
            "onclick=\"go();\" onmouseout=\"o();\" class=hot data-x='1'>"
            "<title>A &lt;b> &amp; \"q\"</title><rect " + std::string(kFilled) +
                " x=\"0\" y=\"0\" width=\"1\" height=\"1\"/></a><!-- c &#45;- d -->\n"
                "<a aria-label=\"kept\"><title>Tip &amp; &lt;x></title><rect " + std::string(kFilled) +
                " x=\"0\" y=\"0\" width=\"1\" height=\"1\"/></a>\n");
}

TEST(SvgMapWriter, APageInUtf8AtThePicturesSizeWithTheSettingsLineEnds) {
  SvgWriter w;
  w.doc.m_strPicturePath = "/site/img/\x8E\xCA\x90\x5E.jpg";  // 写真 in CP932
  CArea& a = AddArea(w.doc, AREA_RECT, {{0, 0}, {1, 1}});
  a.m_strHref = "a.html";
  a.m_strAlt = "\x83\x65";  // テ
  for (const bool hover : {false, true}) {
    HtmlOutputSettings s = Settings("\r\n", 2, 1, 1);  // Shift_JIS and upper case asked for
    s.svgHover = hover;
    const std::string page = w.Page(s);
    EXPECT_EQ(page.rfind("<!DOCTYPE html>\r\n", 0), 0u);
    EXPECT_NE(page.find("<meta charset=\"utf-8\">\r\n"), std::string::npos);
    EXPECT_NE(page.find("<title>\xE5\x86\x99\xE7\x9C\x9F.jpg</title>"), std::string::npos);  // as every HTML5 page
    EXPECT_NE(page.find("<img src=\"img/\xE5\x86\x99\xE7\x9C\x9F.jpg\" width=\"400\" height=\"300\" alt=\"\">\r\n"
                        "<svg viewBox=\"0 0 400 300\" preserveAspectRatio=\"none\">\r\n"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("aria-label=\"\xE3\x83\x86\""), std::string::npos);
    EXPECT_EQ(page.find(":hover") != std::string::npos, hover);
    // Every line ends as the settings say.
    for (size_t at = page.find('\n'); at != std::string::npos; at = page.find('\n', at + 1))
      ASSERT_EQ(page[at - 1], '\r') << at;
    EXPECT_EQ(page.substr(page.size() - 9), "</html>\r\n");
  }
  // Without a picture's name the page's names the page.
  w.doc.m_strPicturePath.clear();
  EXPECT_NE(w.Page().find("<title>index</title>"), std::string::npos);
}

TEST(SvgMapWriter, ThePicturesSizeComesFromItsFileWhenTheDocumentHasNone) {
  TempDir dir;
  SvgWriter w;
  w.doc.m_sizePicture = {0, 0};
  w.doc.m_strPicturePath = dir.File("p.png");
  const std::string target = dir.File("index.html");
  WriteFileBytes(target, "old page");
  // No file, then a file that is no picture: nothing to scale against.
  for (const char* bytes : {static_cast<const char*>(nullptr), "not a picture"}) {
    if (bytes) WriteFileBytes(w.doc.m_strPicturePath, bytes);
    EXPECT_FALSE(html::WriteSvgMap(w.doc, target, Settings("\n", 2, 1, 0)));
    EXPECT_EQ(w.host.MessageIds().back(), 65060u);
    EXPECT_EQ(ReadFileBytes(target), "old page");
  }
  WriteFileBytes(w.doc.m_strPicturePath,
                 std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x01\x2c\0\0\0\x64", 24));
  ASSERT_TRUE(html::WriteSvgMap(w.doc, target, Settings("\n", 2, 1, 0)));
  EXPECT_NE(ReadFileBytes(target).find("<img src=\"p.png\" width=\"300\" height=\"100\""), std::string::npos);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 2);
}

TEST(SvgMapWriter, TheStoredChoiceWritesNewPagesResponsiveAndPatchesReadPages) {
  CMemorySettingsStore store;
  store.WriteInt(kSettingsSection, kSettingMapForm, 1);
  TempDir dir;
  Reader r;
  r.doc.SetSettingsStore(&store);
  r.doc.m_sizePicture = {40, 30};
  AddArea(r.doc, AREA_RECT, {{0, 0}, {4, 4}});
  ASSERT_TRUE(r.doc.WriteHtml(dir.File("new.html")));
  EXPECT_NE(ReadFileBytes(dir.File("new.html")).find("<svg viewBox=\"0 0 40 30\""), std::string::npos);

  const std::string page = "<html><body><img src=\"a.png\" width=40 height=30 usemap=\"#m\">"
                           "<map name=\"m\"><area shape=rect coords=\"1,2,3,4\" href=\"x\"></map></body></html>";
  ASSERT_TRUE(r.Read(page, dir.File("read.html")));
  r.doc.m_sizePicture = {40, 30};
  ASSERT_TRUE(r.doc.WriteHtml(dir.File("patched.html")));
  EXPECT_EQ(ReadFileBytes(dir.File("patched.html")).find("<svg"), std::string::npos);
  // The command for it writes the responsive page for a read page too.
  ASSERT_TRUE(r.doc.WriteResponsiveHtml(dir.File("responsive.html")));
  EXPECT_NE(ReadFileBytes(dir.File("responsive.html")).find("<rect class=\"area\" vector-effect=\"non-scaling-stroke\" x=\"1\" y=\"2\" width=\"2\" height=\"2\"/>"),
            std::string::npos);
}
