// What a page holds beyond the editor's areas comes back as a browser reads
// it: the first of repeated attributes, text inside the map, line ends and a
// default area the page never had, the page's own charset, areas the editor
// cannot make a shape of, and coordinates no edit can overflow.
#include <gtest/gtest.h>

#include "HtmlTestSupport.h"
#include "html/MapWriter.h"
#include "model/CoordinateRange.h"
#include "view/PanelPoints.h"

using namespace zorva;
using namespace zorva::test;

namespace {

std::string Resave(Reader& r, const std::string& page, const CString& target = "/site/index.html") {
  EXPECT_TRUE(r.Read(page)) << page;
  std::string out;
  EXPECT_TRUE(html::BuildPage(r.doc, target, Settings("\n", 0, 0, 2), out));
  return out;
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = 0; (at = text.find(what, at)) != std::string::npos; at += what.size()) ++n;
  return n;
}

}  // namespace

TEST(PageAsBrowsersReadIt, TheFirstOfRepeatedAttributesCountsOnEveryTagRead) {
  struct Case {
    std::string page;
    CString picture, href;
    std::string kept;  // in the written page
  } cases[] = {
      {"<img src=\"p.png\" usemap=\"#p\"><map name=\"p\" name=\"q\"><area shape=rect coords=\"1,2,30,40\" href=a>"
       "</map>",
       "/site/p.png", "a", "<map name=\"p\" name=\"q\">"},
      {"<img src=\"first.png\" src=\"second.png\" usemap=\"#a\" usemap=\"#b\">"
       "<map name=b><area coords=1,1,9,9 href=b></map><map name=a><area coords=1,1,9,9 href=a></map>",
       "/site/first.png", "a", "src=\"first.png\" src=\"second.png\""},
  };
  for (const Case& c : cases) {
    Reader r;
    const std::string out = Resave(r, c.page);
    EXPECT_EQ(r.doc.m_strPicturePath, c.picture) << c.page;
    ASSERT_EQ(r.doc.m_listArea.size(), 1u) << c.page;
    EXPECT_EQ(r.Area(0).m_strHref, c.href);
    EXPECT_EQ(Count(out, "<map"), Count(c.page, "<map")) << out;  // no second map written beside
    EXPECT_NE(out.find(c.kept), std::string::npos) << out;
  }
  // A META tag's first http-equiv counts: this page is EUC-JP.
  Reader meta;
  ASSERT_TRUE(meta.Read("<meta http-equiv=content-type http-equiv=refresh content=\"text/html; charset=euc-jp\">"
                        "<img src=p.png>"));
  EXPECT_EQ(meta.doc.m_nCharset, ECharset::EucJp);
}

TEST(PageAsBrowsersReadIt, NothingIsAddedOutsideTheMapAndTextInsideItStays) {
  struct Case {
    std::string page;
    std::string expected;  // the written page, map and all
  } cases[] = {
      // Minified, no default area: no line ends around the map, no default area.
      {"<p><img src=p.jpg usemap=#m><map name=m><area coords=1,1,9,9 href=a></map><b>x</b></p>",
       "<p><img src=p.jpg usemap=#m><map name=\"m\">\n<area shape=\"rect\" coords=\"1,1,9,9\" href=\"a\">\n</map>"
       "<b>x</b></p>"},
      // Text a browser shows inside the map.
      {"<img src=p.jpg usemap=#m>\n<map name=m>Click a shop: <area coords=1,1,9,9 href=a>\n</map>\n",
       "<img src=p.jpg usemap=#m>\n<map name=\"m\">\nClick a shop:\n<area shape=\"rect\" coords=\"1,1,9,9\" "
       "href=\"a\">\n</map>\n"},
      // A new map before a picture on a line with others.
      {"<p>a<img src=p.jpg>b</p>",
       "<p>a<map name=\"p\">\n</map><img src=p.jpg usemap=\"#p\">b</p>"},
      // An ISO-8859-1 page with a default area: no Shift_JIS comment in it.
      {"<meta charset=iso-8859-1><img src=p.jpg usemap=#m>\n<map name=m><area shape=default href=\"caf\xE9\"></map>",
       "<meta charset=iso-8859-1><img src=p.jpg usemap=#m>\n<map name=\"m\">\n<area shape=\"default\" "
       "href=\"caf\xE9\">\n</map>"},
  };
  for (const Case& c : cases) {
    Reader r, again;
    const std::string out = Resave(r, c.page);
    EXPECT_EQ(out, c.expected);
    EXPECT_EQ(Resave(again, out), out);
  }
  // A Shift_JIS page that had a default area keeps its comment, as always.
  Reader sjis;
  const std::string kept = Resave(sjis, "<img src=p.jpg usemap=#m>\n<map name=m>\n<area shape=default nohref>\n</map>");
  EXPECT_NE(kept.find("<area shape=\"default\" nohref><!-- " + kDefaultComment + " -->"), std::string::npos) << kept;
  // A link given to the default area of a page without one is written.
  Reader linked;
  ASSERT_TRUE(linked.Read("<img src=p.jpg usemap=#m><map name=m></map>"));
  linked.doc.m_areaDefault.m_strHref = "top.html";
  std::string out;
  ASSERT_TRUE(html::BuildPage(linked.doc, "/site/index.html", Settings("\n", 0, 0, 2), out));
  EXPECT_NE(out.find("<area shape=\"default\" href=\"top.html\">"), std::string::npos) << out;
  // New contents after such a page have the stock comment again.
  linked.doc.OnNewDocument();
  EXPECT_EQ(linked.doc.m_areaDefault.m_strComment, "デフォルトエリア");
}

TEST(PageAsBrowsersReadIt, CoordinatesAreTakenAsABrowserTakesThemAndUnreadableAreasStay) {
  struct Case {
    std::string area;
    std::vector<CPoint> points;  // empty: no area, the tag kept as it was
  } cases[] = {
      {"<area shape=poly coords=\"1,2,3,4,5,6,7\" href=a>", {{1, 2}, {3, 4}, {5, 6}}},
      {"<area shape=poly coords=\"1,2,3\" href=a>", {{1, 2}}},
      {"<area shape=circle coords=\"50,50,10,20\" href=a>", {{40, 40}, {60, 60}}},
      {"<area coords=\"50,50,10\" shape=circle href=a>", {{40, 40}, {60, 60}}},
      {"<area shape=rect coords=\"1,2,3,4,5\" href=a>", {{1, 2}, {3, 4}}},
      {"<area shape=rect coords=\"\" href=a>", {}},
      {"<area shape=rect coords=\"1,2,3\" href=a>", {}},
      {"<area shape=circle coords=\"1,2\" href=a>", {}},
      {"<area shape=poly href=a>", {}},
  };
  for (const Case& c : cases) {
    Reader r;
    const std::string page = "<img src=p.jpg usemap=#m>\n<map name=m>\n" + c.area + "\n</map>";
    const std::string out = Resave(r, page);
    if (c.points.empty()) {
      EXPECT_TRUE(r.doc.m_listArea.empty()) << c.area;
      EXPECT_NE(out.find("\n" + c.area + "\n"), std::string::npos) << out;
    } else {
      ASSERT_EQ(r.doc.m_listArea.size(), 1u) << c.area;
      EXPECT_EQ(r.Points(0), c.points) << c.area;
    }
  }
}

TEST(PageAsBrowsersReadIt, CoordinatesStayWithinTheRangeAndTypedOnesBeyondAreRefused) {
  Reader r;
  ASSERT_TRUE(r.Read("<img src=p.jpg usemap=#m><map name=m><area coords=\"0,0,99999999999,5\">"
                     "<area coords=\"-99999999999,0,5,5\"><area shape=circle coords=\"1999999,0,5000\"></map>"));
  ASSERT_EQ(r.doc.m_listArea.size(), 3u);
  EXPECT_EQ(r.Points(0), (std::vector<CPoint>{{0, 0}, {kMaxCoordinate, 5}}));
  EXPECT_EQ(r.Points(1), (std::vector<CPoint>{{kMinCoordinate, 0}, {5, 5}}));
  EXPECT_EQ(r.Points(2), (std::vector<CPoint>{{1994999, -5000}, {kMaxCoordinate, 5000}}));
  // Said once for the page, naming the range.
  ASSERT_EQ(r.host.MessageIds(), std::vector<unsigned>{65027});
  EXPECT_NE(r.host.Messages()[0].text.find(std::to_string(kMaxCoordinate)), std::string::npos);
  // No sum an edit makes of two coordinates in the range leaves 32 bits.
  static_assert(int64_t(kMaxCoordinate) * 4 < INT32_MAX && int64_t(kMinCoordinate) * 4 > INT32_MIN);

  struct Row {
    const char* text;
    bool point;
  } rows[] = {{"2000000,5", true},       {"-2000000, -2000000", true}, {"2000001,5", false},
              {"5,-2000001", false},     {"2147483647,5", false},      {"99999999999,0", false}};
  for (const Row& row : rows)
    EXPECT_EQ(ParsePointRow(row.text).form != PointRowForm::Other, row.point) << row.text;
}
