#include <gtest/gtest.h>

#include <optional>

#include "HtmlTestSupport.h"
#include "html/MapReader.h"
#include "html/MapWriter.h"
#include "model/CoordinateRange.h"

using namespace zorva;
using namespace zorva::test;

namespace {

std::string MapPage(const std::string& areas, const std::string& mapName = "m") {
  return "<html><body><img src=\"pic.jpg\" usemap=\"#m\">\n<map name=\"" + mapName + "\">\n" + areas +
         "</map></body></html>";
}

std::string WithPicture(std::string page, const std::string& picture) {
  return page.replace(page.find("pic.jpg"), 7, picture);
}

}  // namespace

TEST(MapReaderImages, SingleImageWithoutUsemapReadsNoAreasAndPatchesLater) {
  Reader r;
  const std::string page = "<P>text</P><IMG SRC=\"img/photo.jpg\" ALT=\"p\"><area shape=rect coords=1,2,3,4>";
  ASSERT_TRUE(r.Read(page));
  EXPECT_EQ(r.doc.m_strPicturePath, "/site/img/photo.jpg");
  EXPECT_EQ(r.doc.m_strUseMap, "#photo");
  EXPECT_EQ(r.doc.m_nImgTagPos, 11);
  EXPECT_EQ(r.doc.m_nMapStartPos, -1);
  EXPECT_TRUE(r.doc.m_listArea.empty());
  EXPECT_TRUE(r.doc.m_bFromPage);
  EXPECT_EQ(r.doc.GetTitle(), "/site/index.html");
  EXPECT_EQ(r.loader.started, (std::vector<PictureFormat>{PictureFormat::Jpeg}));

  std::string out;
  ASSERT_TRUE(html::BuildPage(r.doc, "/site/index.html", Settings("\n", 2, 1, 0), out));
  // The new map adds no line ends and no default area that says nothing.
  EXPECT_EQ(out, "<P>text</P><MAP name=\"photo\">\n</MAP><IMG SRC=\"img/photo.jpg\" ALT=\"p\" usemap=\"#photo\">"
                 "<area shape=rect coords=1,2,3,4>");
}

TEST(MapReaderImages, SeveralImagesAreOfferedInTheDialogsLineFormat) {
  Reader r;
  const std::string page =
      "<img src=\"a.png\" usemap=\"#m\"><IMG src='a/very/long/folder/name/for/the/picture.jpg'>"
      "<map name=m><area shape=rect coords=\"1,2,3,4\"></map>";
  r.host.imageAnswers = {1};
  ASSERT_TRUE(r.Read(page));
  ASSERT_EQ(r.host.imageChoices.size(), 1u);
  EXPECT_EQ(r.host.imageChoices[0],
            (std::vector<std::string>{" Yes          a.png", "  No          a/very/long/folder/name/for/th"}));
  // The window's dialog shows each whole, with the file it names.
  ASSERT_EQ(r.host.imageRows.size(), 2u);
  EXPECT_EQ(r.host.imageRows[1].source, "a/very/long/folder/name/for/the/picture.jpg");
  EXPECT_EQ(r.host.imageRows[1].file, "/site/a/very/long/folder/name/for/the/picture.jpg");
  EXPECT_FALSE(r.host.imageRows[1].hasUsemap);
  EXPECT_EQ(r.host.imageRows[0].usemap, "#m");
  EXPECT_TRUE(r.host.imageRows[0].hasUsemap);
  EXPECT_EQ(r.doc.m_strPicturePath, "/site/a/very/long/folder/name/for/the/picture.jpg");
  EXPECT_TRUE(r.doc.m_listArea.empty());

  // Cancelling the choice empties the document and says nothing.
  r.host.imageAnswers = {-1};
  EXPECT_FALSE(r.Read(page));
  EXPECT_FALSE(r.doc.m_pszPageText.has_value());
  EXPECT_TRUE(r.host.messages.empty());
  r.host.imageAnswers = {2};  // out of range counts as cancel
  EXPECT_FALSE(r.Read(page));
}

TEST(MapReaderImages, PagesWithoutImagesFailAndEveryPictureIsLoadedOrNamed) {
  Reader r;
  EXPECT_FALSE(r.Read("<html><body><!-- <img src=a.jpg> --></body></html>"));
  EXPECT_EQ(r.host.MessageIds(), (std::vector<unsigned>{61219}));
  EXPECT_TRUE(r.doc.m_pszPageText.has_value());

  // Each ending the editor opens starts its decoder, GIF and .jpeg too; any
  // other picture is named in a message and the areas are kept.
  struct Case {
    const char* picture;
    std::optional<PictureFormat> format;
  } cases[] = {{"pic.GIF", PictureFormat::Gif}, {"pic.jpeg", PictureFormat::Jpeg},
               {"pic.JPG", PictureFormat::Jpeg}, {"pic.png", PictureFormat::Png}, {"pic.bmp", std::nullopt}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.picture);
    Reader j;
    ASSERT_TRUE(j.Read(WithPicture(MapPage("<area coords=1,2,3,4>"), c.picture)));
    EXPECT_EQ(j.doc.m_listArea.size(), 1u);
    EXPECT_TRUE(j.doc.m_bFromPage);
    if (c.format) {
      ASSERT_EQ(j.loader.started.size(), 1u);
      EXPECT_EQ(j.loader.started[0], *c.format);
      EXPECT_TRUE(j.host.messages.empty());
    } else {
      EXPECT_TRUE(j.loader.started.empty());
      ASSERT_EQ(j.host.MessageIds(), (std::vector<unsigned>{65038}));
      EXPECT_NE(j.host.Messages()[0].text.find("pic.bmp"), std::string::npos);
    }
  }

  Reader f;
  EXPECT_FALSE(html::ReadPageFile(f.doc, "/nonexistent-zorva/page.html"));
  EXPECT_EQ(f.host.MessageIds(), (std::vector<unsigned>{61858}));
}

TEST(MapReaderMaps, OnlyTheMapTheImageNamesIsRead) {
  Reader r;
  const std::string page =
      "<img src=p.png usemap=\"#ab\">"
      "<map name=\"a\"><area coords=\"1,1,2,2\"></map>\n"
      "<MAP NAME=\"ab\"><AREA COORDS=\"3,3,4,4\"></MAP>\n"
      "<map name=\"ab\"><area coords=\"5,5,6,6\"></map>";
  ASSERT_TRUE(r.Read(page));
  ASSERT_EQ(r.doc.m_listArea.size(), 1u);
  EXPECT_EQ(r.Points(0), (std::vector<CPoint>{{3, 3}, {4, 4}}));
  EXPECT_EQ(r.doc.m_nMapStartPos, int32_t(page.find("<MAP")));
  EXPECT_EQ(r.doc.m_nMapEndPos, int32_t(page.find("</MAP>") + 6));

  Reader none;
  ASSERT_TRUE(none.Read(MapPage("<area coords=1,1,2,2>", "other")));
  EXPECT_TRUE(none.doc.m_listArea.empty());
  EXPECT_EQ(none.doc.m_nMapStartPos, -1);
}

TEST(MapReaderAreas, ShapesInAnyLetterCaseAndTheirBrowserSpellings) {
  Reader r;
  ASSERT_TRUE(r.Read(MapPage(
      "<AREA SHAPE=\"CIRCLE\" COORDS=\"50,50,10\">\n<area shape=circ coords=10,10,5>"
      "<area shape=PolyGon coords=\"0,0,10,0,5,5\"><area shape=poly coords=1,1,2,2>"
      "<area shape=rectangle coords=\"1,2,3,4\"><area coords=\"4,3,2,1\">")));
  ASSERT_EQ(r.doc.m_listArea.size(), 6u);
  EXPECT_EQ(r.Area(0).m_nType, AREA_ELLIPSE);
  EXPECT_EQ(r.Points(0), (std::vector<CPoint>{{40, 40}, {60, 60}}));
  EXPECT_TRUE(r.Area(0).m_bHtmlShape);
  EXPECT_EQ(r.Area(1).m_nType, AREA_ELLIPSE);
  EXPECT_EQ(r.Area(2).m_nType, AREA_POLYGON);
  EXPECT_EQ(r.Points(2).size(), 3u);
  EXPECT_EQ(r.Area(3).m_nType, AREA_POLYGON);
  EXPECT_EQ(r.Area(4).m_nType, AREA_RECT);
  EXPECT_EQ(r.Area(5).m_nType, AREA_RECT);
  for (const CArea* a : r.doc.m_listArea) EXPECT_TRUE(a->m_bClosed);
}

TEST(MapReaderAreas, CoordinatesWithSignsFractionsAndNoise) {
  Reader r;
  ASSERT_TRUE(r.Read(MapPage(
      "<area shape=poly coords=\" -5, 10.5 ,20.9,-30 ,\t7,8\">"
      "<area shape=poly coords=\"1,x,3,4\">"
      "<area coords=\"99999999999,0,1,1\">")));
  ASSERT_EQ(r.doc.m_listArea.size(), 3u);
  EXPECT_EQ(r.Points(0), (std::vector<CPoint>{{-5, 10}, {20, -30}, {7, 8}}));
  EXPECT_EQ(r.Area(0).m_rcBound, CRect(-5, -30, 20, 10));
  EXPECT_EQ(r.Points(1), (std::vector<CPoint>{{1, 0}, {3, 4}}));
  EXPECT_EQ(r.Points(2), (std::vector<CPoint>{{zorva::kMaxCoordinate, 0}, {1, 1}}));
}

TEST(MapReaderAreas, BoundIsThePointsOwnRectangle) {
  Reader r;
  ASSERT_TRUE(r.Read(MapPage("<area coords=\"200,150,100,100\"><area shape=poly coords=\"300,310,320,330,305,340\">")));
  EXPECT_EQ(r.Area(0).m_rcBound, CRect(100, 100, 200, 150));
  EXPECT_EQ(r.Area(1).m_rcBound, CRect(300, 310, 320, 340));
}

TEST(MapReaderAreas, AttributesValuesCommentsAndEntities) {
  Reader r;
  ASSERT_TRUE(r.Read(MapPage(
      "<area coords = \"1,1,2,2\" HREF = 'a.html' target=_top ALT=\"say &quot;hi&quot;\" title=\"x>y\" "
      "onClick=\"f('a')\" onMouseOver=g() onmouseout=\"h()\"><!-- note \t -->\n"
      "<area coords=1,1,2,2 nohref><!--tight-->\n"
      "<area coords=1,1,2,2><!-- open")));
  ASSERT_EQ(r.doc.m_listArea.size(), 3u);
  const CArea& a = r.Area(0);
  EXPECT_EQ(a.m_strHref, "a.html");
  EXPECT_EQ(a.m_strTarget, "_top");
  EXPECT_EQ(a.m_strAlt, "say \"hi\"");
  EXPECT_EQ(a.m_strOnClick, "f('a')");
  EXPECT_EQ(a.m_strOnMouseOver, "g()");
  EXPECT_EQ(a.m_strOnMouseOut, "h()");
  EXPECT_TRUE(a.m_bJavaScript);
  EXPECT_EQ(a.m_strComment, "note");
  EXPECT_EQ(r.Area(1).m_strComment, "");
  EXPECT_FALSE(r.Area(1).m_bJavaScript);
  EXPECT_EQ(r.Area(2).m_strComment, "open</map></body></html>");
}

TEST(MapReaderAreas, FaultyAttributesAreReportedAndFaultyAreasDropped) {
  Reader r;
  ASSERT_TRUE(r.Read(MapPage(
      "<area coords \"1,1,2,2\"><area href coords=1,1,2,2><area coords=\"5\"><area shape=poly>"
      "<area coords=1,1,2,2,3,3,4,4>")));
  EXPECT_EQ(r.host.MessageIds(), (std::vector<unsigned>{61218, 61218}));
  EXPECT_EQ(r.host.Messages()[0].text, "<area>タグのcoords属性の記述に誤りがあります");
  EXPECT_EQ(r.host.Messages()[1].text, "<area>タグのhref属性の記述に誤りがあります");
  ASSERT_EQ(r.doc.m_listArea.size(), 2u);
  EXPECT_EQ(r.Area(0).m_strHref, "");
  EXPECT_EQ(r.Points(1), (std::vector<CPoint>{{1, 1}, {2, 2}}));
  EXPECT_EQ(r.Area(1).m_rcBound, CRect(1, 1, 2, 2));
}

TEST(MapReaderAreas, DefaultAreaGivesItsLinkTextsAndKeptAttributesToTheDocument) {
  Reader r;
  ASSERT_TRUE(r.Read(
      MapPage("<area shape=default href=\"bg.html\" target=t alt=x onclick=y title='T'><!-- c -->")));
  EXPECT_TRUE(r.doc.m_listArea.empty());
  EXPECT_EQ(r.doc.m_areaDefault.m_strHref, "bg.html");
  EXPECT_EQ(r.doc.m_areaDefault.m_strTarget, "t");
  EXPECT_EQ(r.doc.m_areaDefault.m_strAlt, "x");
  EXPECT_EQ(r.doc.m_areaDefault.m_strOnClick, "y");
  EXPECT_TRUE(r.doc.m_areaDefault.m_bJavaScript);
  EXPECT_EQ(r.doc.m_areaDefault.m_strOtherAttrs, "title='T'");
  // Its comment is not read: the document keeps its own.
  EXPECT_EQ(r.doc.m_areaDefault.m_strComment, kDefaultComment);
}

TEST(MapReaderScripts, FunctionNamesAreCollectedOnceAndCut) {
  Reader r;
  const std::string longParams(200, 'p');
  const std::string script =
      "<script type=\"text/javascript\">\nfunction go(a) { s = \"function no()\"; }\n"
      "function\tgo(a) {}\nvar myfunction(x);\nfunction long(" + longParams + ") {}\n</SCRIPT>";
  ASSERT_TRUE(r.Read(script + MapPage("<area coords=1,1,2,2>") + "<script>function late(b, c)</script>"));
  std::vector<CString> names(r.doc.m_listScriptName.begin(), r.doc.m_listScriptName.end());
  ASSERT_EQ(names.size(), 4u);
  EXPECT_EQ(names[0], "go(a);");
  EXPECT_EQ(names[1], "(x);");
  EXPECT_EQ(names[2].size(), html::kMaxScriptEntry);
  EXPECT_EQ(names[2], "long(" + std::string(121, 'p') + ";");
  EXPECT_EQ(names[3], "late(b, c);");
}

TEST(MapReaderMaps, AnUnclosedMapEndsAfterItsLastArea) {
  Reader r;
  const std::string head = "<img src=a.jpg usemap=#m><map name=m>";
  const std::string page = head + "<area coords=1,1,2,2>\n<p>rest</p>";
  ASSERT_TRUE(r.Read(page));
  ASSERT_EQ(r.doc.m_listArea.size(), 1u);
  EXPECT_EQ(r.doc.m_nMapEndPos, int32_t(head.size() + 21));
  std::string out;
  r.doc.m_areaDefault.m_strComment.clear();
  ASSERT_TRUE(html::BuildPage(r.doc, "/site/index.html", Settings("\n", 0, 0, 2), out));
  // No line end before the map and no default area the page did not have.
  EXPECT_EQ(out, "<img src=a.jpg usemap=#m><map name=\"m\">\n<area shape=\"rect\" coords=\"1,1,2,2\" nohref>\n"
                 "</map>\n<p>rest</p>");
}

TEST(MapReaderRobustness, TruncatedConstructsAtTheEndOfTheText) {
  const std::string ends[] = {"<!-- open", "<a href=\"open", "<area coords=\"1,2", "<area coords=1,2,3,4",
                              "<script>function f(", "<script>'open", "<map name=\"m", "<", "<img", "\0\xff\x81"};
  for (const std::string& end : ends) {
    Reader r;
    r.host.imageAnswers = {0, 0};
    EXPECT_TRUE(r.Read("<img src=a.jpg usemap=#m><map name=m>" + end)) << end;
    // A second map of the same name, even unfinished, is the one read.
    EXPECT_EQ(r.doc.m_nMapStartPos, end.substr(0, 4) == "<map" ? 37 : 25) << end;
    const bool hasImage = end.substr(0, 4) == "<img";
    EXPECT_EQ(r.Read(end), hasImage) << end;
  }
  Reader e;
  EXPECT_FALSE(e.Read(""));
  EXPECT_EQ(e.host.MessageIds(), (std::vector<unsigned>{61219}));
}

// The map scan follows the image scan's notes only while both step alike;
// where a tag is stepped over differently it reads on by itself.
TEST(MapReaderMaps, TagsTheTwoScansStepOverDifferentlyAreReadByTheMapScansOwnRules) {
  {
    // An area of another map is passed by one byte, so the map scan finds
    // the map tag written inside its quoted value.
    Reader r;
    const std::string head = "<img src=\"pic.jpg\" usemap=\"#m\"><map name=\"x\"><area alt=\"";
    ASSERT_TRUE(r.Read(head + "<map name=m>\" coords=\"1,1,2,2\"><area coords=\"5,5,9,9\"></map>"));
    EXPECT_EQ(r.doc.m_nMapStartPos, int32_t(head.size()));
    ASSERT_EQ(r.doc.m_listArea.size(), 1u);
    EXPECT_EQ(r.Points(0), (std::vector<CPoint>{{5, 5}, {9, 9}}));
  }
  {
    // An apostrophe in an unquoted value opens a quoted string for the image
    // scan, which then passes over the rest of the map.
    Reader r;
    const std::string page =
        "<img src=\"pic.jpg\" usemap=\"#m\"><map name=\"m\"><area alt=it's coords=\"1,1,2,2\">"
        "<area coords=\"3,3,4,4\" alt='x'></map><p>";
    ASSERT_TRUE(r.Read(page));
    ASSERT_EQ(r.doc.m_listArea.size(), 2u);
    EXPECT_EQ(r.Area(0).m_strAlt, "it's");
    EXPECT_EQ(r.Points(1), (std::vector<CPoint>{{3, 3}, {4, 4}}));
    EXPECT_EQ(r.doc.m_nMapEndPos, int32_t(page.size() - 3));
  }
  {
    // A backslash before a quotation mark escapes nothing, in either scan:
    // in Shift_JIS it is the second byte of 表 or ソ.
    for (const std::string alt : {"a\\", "\x95\\"}) {
      Reader r;
      ASSERT_TRUE(r.Read("<img src=\"pic.jpg\" alt=\"" + alt + "\" usemap=\"#m\"><p title=\"" + alt +
                         "\"><map name=\"m\"><area coords=\"1,1,2,2\" title=\"" + alt + "\"></map>"));
      EXPECT_EQ(r.doc.m_strUseMap, "#m");
      EXPECT_GT(r.doc.m_nMapStartPos, 0);
      ASSERT_EQ(r.doc.m_listArea.size(), 1u);
      EXPECT_EQ(r.Area(0).m_strOtherAttrs, "title=\"" + alt + "\"");
    }
  }
}

TEST(MapReaderImages, ACommentEndsOnlyAtADoubleDashAfterItsOpening) {
  for (const char* opening : {"<!-->", "<!--->", "<!-- a->b ->"}) {
    Reader r;
    ASSERT_TRUE(r.Read(std::string(opening) + "<img src=\"no.jpg\"> --><img src=\"yes.jpg\">")) << opening;
    EXPECT_EQ(r.doc.m_strPicturePath, "/site/yes.jpg") << opening;
  }
}
