// Pages come back as they went in: what the editor does not read stays, what
// the user typed reads back as typed, and a save of an unedited page changes
// nothing more the second time.
#include <gtest/gtest.h>

#include <random>

#include "HtmlTestSupport.h"
#include "html/AttributeText.h"
#include "html/MapWriter.h"

using namespace zorva;
using namespace zorva::test;

namespace {

std::string MapPage(const std::string& areas) {
  return "<html><body><img src=\"pic.jpg\" usemap=\"#m\">\n<map name=\"m\">\n" + areas + "</map></body></html>";
}

struct Writer {
  FakeDocumentHost host;
  CZorvaDoc doc{&host};
  std::string Page(const HtmlOutputSettings& s, const CString& target) {
    std::string out;
    EXPECT_TRUE(html::BuildPage(doc, target, s, out));
    return out;
  }
  // The map of a new page, from its start tag to its end.
  std::string Areas() {
    const std::string page = Page(Settings("\n", 0, 0, 0), "/site/index.html");
    const size_t start = page.find("<MAP");
    return page.substr(start, page.find("</MAP>") + 6 - start);
  }
};

// Reads `page` and writes it back patched, as the editor's Save does.
std::string Resave(const std::string& page, Reader& r, const HtmlOutputSettings& s = Settings("\n", 0, 0, 2)) {
  EXPECT_TRUE(r.Read(page)) << page;
  std::string out;
  EXPECT_TRUE(html::BuildPage(r.doc, "/site/index.html", s, out));
  return out;
}

}  // namespace

TEST(PagePatch, AttributesTheEditorDoesNotReadStayInTheirOrderAndNamesMatchWhole) {
  const struct {
    std::string tag, href, target, alt, others;
  } cases[] = {
      {"<area shape=rect coords=1,1,9,9 href=a.html title=\"News\" class='a1' data-x=y hidden>", "a.html", "", "",
       "title=\"News\" class='a1' data-x=y hidden"},
      // Names that begin with a read name are other attributes.
      {"<area coords=\"1,1,9,9\" hreflang=\"de\" href=\"b\" targetx=1 alternate alt=\"A\">", "b", "", "A",
       "hreflang=\"de\" targetx=1 alternate"},
      {"<area coords=1,1,9,9 TITLE = 'x y' aria-label=\"&quot;q&quot;\" Target=t href=u>", "u", "t", "",
       "TITLE = 'x y' aria-label=\"&quot;q&quot;\""},
      {"<area\ncoords=1,1,9,9\nid=i1\ntabindex=2/>", "", "", "", "id=i1 tabindex=2/"},
      // Line ends around "=" are blanks; the first of repeated attributes counts.
      {"<area coords=1,1,9,9 title\n=\n\"t\" href=a href=b>", "a", "", "", "title\n=\n\"t\""},
      // What the writer would not write itself stays as it stood: an empty
      // ALT, a target without a link.
      {"<area coords=1,1,9,9 alt=\"\" href=a>", "a", "", "", "alt=\"\""},
      {"<area coords=1,1,9,9 nohref target=_top>", "", "", "", "target=_top"},
  };
  for (const auto& c : cases) {
    Reader r;
    const std::string written = Resave(MapPage(c.tag), r);
    ASSERT_EQ(r.doc.m_listArea.size(), 1u) << c.tag;
    const CArea& a = r.Area(0);
    EXPECT_EQ(a.m_strHref, c.href) << c.tag;
    EXPECT_EQ(a.m_strTarget, c.target) << c.tag;
    EXPECT_EQ(a.m_strAlt, c.alt) << c.tag;
    EXPECT_EQ(a.m_strOtherAttrs, c.others) << c.tag;
    EXPECT_TRUE(r.host.messages.empty()) << c.tag;
    // Written back after the editor's own attributes, and read again alike.
    EXPECT_NE(written.find(" " + c.others + ">"), std::string::npos) << written;
    Reader again;
    Resave(written, again);
    EXPECT_EQ(again.Area(0).m_strOtherAttrs, c.others);
  }
  // Tag names count whole too: "<imgsrc" and "<mapname" are other tags.
  {
    Reader r;
    ASSERT_TRUE(r.Read("<imgsrc=x.jpg><img src=p.jpg usemap=#m><mapname=m><areacoords=1,1,2,2>"
                       "<map name=m><area coords=3,3,4,4></map>"));
    EXPECT_EQ(r.doc.m_strPicturePath, "/site/p.jpg");
    ASSERT_EQ(r.doc.m_listArea.size(), 1u);
    EXPECT_EQ(r.Points(0), (std::vector<CPoint>{{3, 3}, {4, 4}}));
  }
  // The map tag keeps its own; the default area its texts and attributes.
  Reader r;
  const std::string written =
      Resave("<img src=p.jpg usemap=#m><map id=\"m1\" name=\"m\" class=c>"
             "<area shape=default href=d.html alt=\"D\" onclick=\"go()\" title=T></map>",
             r);
  EXPECT_NE(written.find("<map name=\"m\" id=\"m1\" class=c>"), std::string::npos) << written;
  EXPECT_NE(written.find("<area shape=\"default\" href=\"d.html\" alt=\"D\" onClick=\"go()\" title=T>"),
            std::string::npos)
      << written;
}

TEST(PagePatch, OtherAttributeTextsAreCheckedBeforeTheyAreTaken) {
  using Kind = html::AttributeTextFault::Kind;
  const struct {
    const char* text;
    Kind kind;
  } cases[] = {
      {"", Kind::None},
      {"title=\"News\" class=a1 data-x='y' hidden", Kind::None},
      {"  lang=ja  ", Kind::None},
      {"title=\"x", Kind::Malformed},
      {"a=\"1\"b=\"2\"", Kind::Malformed},
      {"=x", Kind::Malformed},
      {"a=<b>", Kind::Malformed},
      {"a=", Kind::Malformed},
      {"href=\"a\"", Kind::Owned},
      {"x=1 OnClick=y", Kind::Owned},
      {"a=1 A=2", Kind::Repeated},
  };
  for (const auto& c : cases) EXPECT_EQ(html::CheckAreaOtherAttributes(c.text).kind, c.kind) << c.text;
}

TEST(PagePatch, AnyCommentReadsBackAsTypedAndNeverEndsTheCommentEarly) {
  std::vector<std::string> texts = {"-->", "--", "--!>", "<!--", "a-", "-", "<!-", "--->", "&#45;", "&#38;#45;",
                                    "trailing blank ", "tab\t", " lead", "x --> <script>document.title='x'</script> <!--",
                                    "plain text"};
  // And random texts of the bytes that matter.
  std::mt19937 rng(17);
  const std::string alphabet = "-&#4538;29 \t!<>a";
  for (int i = 0; i < 300; ++i) {
    std::string t(1 + rng() % 12, ' ');
    for (char& c : t) c = alphabet[rng() % alphabet.size()];
    texts.push_back(t);
  }
  for (const std::string& text : texts) {
    Writer w;
    CArea& a = AddArea(w.doc, AREA_RECT, {{0, 0}, {5, 5}});
    a.m_strComment = text;
    std::string page;
    ASSERT_TRUE(html::BuildPage(w.doc, "/site/index.html", Settings("\n", 0, 0, 0), page));
    const size_t open = page.find("<!-- ", page.find("<AREA shape=\"rect\""));
    const size_t close = page.find(" -->", open);
    const std::string body = page.substr(open + 5, close - open - 5);
    EXPECT_EQ(body.find("--"), std::string::npos) << text;
    EXPECT_EQ(body.find("<!--"), std::string::npos) << text;
    EXPECT_NE(body.back(), '-') << text;
    Reader r;
    ASSERT_TRUE(r.Read(page));
    ASSERT_EQ(r.doc.m_listArea.size(), 1u) << text;
    EXPECT_EQ(r.Area(0).m_strComment, text) << body;
  }
  // Ordinary comments are written as they always were.
  Writer w;
  AddArea(w.doc, AREA_RECT, {{0, 0}, {5, 5}}).m_strComment = "a-b & c";
  EXPECT_NE(w.Areas().find("<!-- a-b & c -->"), std::string::npos);
}

TEST(PagePatch, PictureNamesAreWrittenAsUrlsAndReadBackAsFileNames) {
  const struct {
    std::string file, src, map;
  } cases[] = {
      {"a#b.jpg", "a%23b.jpg", "a_b"},     {"q?x.jpg", "q%3Fx.jpg", "q?x"},
      {"50%.jpg", "50%25.jpg", "50%"},     {"x&y.jpg", "x&amp;y.jpg", "x_y"},
      {"my pic.jpg", "my%20pic.jpg", "my_pic"}, {"photo.jpg", "photo.jpg", "photo"},
      {"\x93\xFA\x96{.jpg", "\x93\xFA\x96{.jpg", "\x93\xFA\x96{"},  // 日本 in Shift_JIS
  };
  for (const auto& c : cases) {
    TempDir dir;
    Writer w;
    w.doc.m_strPicturePath = dir.File("img/" + c.file);
    const std::string page = w.Page(FirstInstall(), dir.File("index.html"));
    EXPECT_NE(page.find("<IMG src=\"img/" + c.src + "\" usemap=\"#" + c.map + "\""), std::string::npos) << page;
    EXPECT_NE(page.find("<MAP name=\"" + c.map + "\">"), std::string::npos) << page;
    Reader r;
    ASSERT_TRUE(r.Read(page, dir.File("index.html")));
    EXPECT_EQ(r.doc.m_strPicturePath, dir.File("img/" + c.file)) << c.src;
  }
  // A query and a fragment name no part of the file.
  Reader r;
  ASSERT_TRUE(r.Read("<img src=\"img/p%20q.jpg?v=2#top\">", "/site/index.html"));
  EXPECT_EQ(r.doc.m_strPicturePath, "/site/img/p q.jpg");
  EXPECT_EQ(r.doc.m_strUseMap, "#p_q");
}

TEST(PagePatch, SavingAnUneditedPageAgainChangesNothing) {
  const std::string pages[] = {
      MapPage("<area shape=rect coords=1,1,9,9 href=a title=t><!-- c -->\n<area shape=circle coords=5,5,3>"),
      "<p>x</p><img src=\"p.jpg\" alt=\"p\" /><p>y</p>",                          // no usemap, XHTML
      "<img src=p.jpg usemap=\"#gone\">\r\n<p>the map is missing</p>",               // a missing map
      "<img src=p.jpg usemap=#m><p>a</p><map name=m><area coords=1,1,2,2 /></map>",  // no line end before the map
      "<map name=m><area coords=1,1,2,2></map><img src=p.jpg usemap=#m>",              // the map first of all
      // A usemap without "#" names its map whole, read and written alike.
      "<img src=p.jpg usemap=\"annai\"><map name=\"annai\"><area coords=1,1,2,2></map>",
      // What the map holds besides areas stays: here the picture itself.
      "<map name=m>\n  <img src=p.jpg usemap=#m>\n  <area coords=1,1,2,2><!-- c -->\n  <a href=x>x</a>\n</map>",
  };
  for (const std::string& page : pages) {
    Reader first, second, third;
    const std::string once = Resave(page, first);
    const std::string twice = Resave(once, second);
    EXPECT_EQ(twice, once) << page;
    EXPECT_EQ(Resave(twice, third), once);
    // Nothing before the map's place changed.
    const size_t start = page.find("<map") != std::string::npos ? page.find("<map") : page.find("<img");
    EXPECT_EQ(once.substr(0, start), page.substr(0, start));
    // One map, never a second one beside the old.
    size_t maps = 0;
    for (size_t at = 0; (at = once.find("<map", at)) != std::string::npos; ++at) ++maps;
    EXPECT_EQ(maps, 1u) << once;
  }
  Reader inside;
  const std::string kept = Resave(pages[6], inside);
  EXPECT_NE(kept.find("<map name=\"m\">\n<img src=p.jpg usemap=#m>\n<a href=x>x</a>\n<area shape=\"rect\""),
            std::string::npos)
      << kept;
  Reader r;
  const std::string xhtml = Resave(pages[1], r);
  EXPECT_NE(xhtml.find("<img src=\"p.jpg\" alt=\"p\" usemap=\"#p\" />"), std::string::npos) << xhtml;
  Reader missing;
  EXPECT_EQ(Resave(pages[2], missing).find("usemap", Resave(pages[2], missing).find("<img") + 20), std::string::npos);
}

TEST(PagePatch, TheWrittenMapListsAreasFromTheTopDownAndReadsBackInOrder) {
  Writer w;
  CArea& bottom = AddArea(w.doc, AREA_RECT, {{0, 0}, {100, 100}});
  bottom.m_strHref = "big.html";
  CArea& top = AddArea(w.doc, AREA_RECT, {{10, 10}, {20, 20}});
  top.m_strHref = "small.html";
  const std::string page = w.Areas();
  EXPECT_LT(page.find("small.html"), page.find("big.html"));
  Reader r;
  ASSERT_TRUE(r.Read("<img src=p.jpg usemap=#>" + page));
  EXPECT_EQ(r.doc.m_listArea.back()->m_strHref, "small.html");  // the top of the stack
  EXPECT_EQ(r.doc.m_listArea.front()->m_strHref, "big.html");
}
