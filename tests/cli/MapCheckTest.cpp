// The map check: a table of documents and what must be found in each, checked
// in the core, in the area list's marks and tooltips, and through
// `zorva-cli check` on the document saved as a project.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <sstream>

#include "TestSupport.h"
#include "html/MapCheck.h"
#include "model/ZorvaDoc.h"
#include "view/AreaList.h"

using namespace zorva;
using namespace zorva::test;
using html::MapFault;

namespace {

struct Expected {
  size_t area;
  MapFault fault;
};

struct Case {
  const char* name;
  std::function<void(CZorvaDoc&)> build;  // areas are added bottom first
  std::vector<Expected> findings;          // area numbers from the top
};

CArea& Linked(CArea& a, const char* href, const char* alt = "alt") {
  a.m_strHref = href;
  a.m_strAlt = alt;
  return a;
}

const Case kCases[] = {
    {"a sound map finds nothing",
     [](CZorvaDoc& d) {
       Linked(AddArea(d, AREA_RECT, {{0, 0}, {50, 50}}), "a.html");
       Linked(AddArea(d, AREA_ELLIPSE, {{60, 60}, {80, 80}}), "b.html");
       Linked(AddArea(d, AREA_POLYGON, {{10, 60}, {40, 60}, {10, 90}}, false), "c.html");  // closes into a triangle
       Linked(AddArea(d, AREA_ELLIPSE, {{0, 0}, {99, 40}}), "d.html");  // no circle: its polygon
       AddArea(d, AREA_RECT, {{55, 0}, {99, 10}});  // no link needs no ALT
       Linked(d.m_areaDefault, "", "");
       // Scripts on: a javascript: link is meant.
       CArea& s = Linked(AddArea(d, AREA_RECT, {{90, 90}, {100, 100}}), "javascript:go()");
       s.m_bJavaScript = true;
     },
     {}},
    {"links without ALT, empty and script links",
     [](CZorvaDoc& d) {
       Linked(AddArea(d, AREA_RECT, {{0, 0}, {10, 10}}), "a.html", " ");
       Linked(AddArea(d, AREA_RECT, {{20, 0}, {30, 10}}), " # ");
       Linked(AddArea(d, AREA_RECT, {{40, 0}, {50, 10}}), "  JavaScript:void(0)", "");
       Linked(d.m_areaDefault, "top.html", "");
     },
     {{1, MapFault::NoAlt}, {1, MapFault::ScriptLink}, {2, MapFault::EmptyLink}, {3, MapFault::NoAlt},
      {4, MapFault::NoAlt}}},
    {"nothing to click: lines, flat outlines, empty rectangles and circles",
     [](CZorvaDoc& d) {
       AddArea(d, AREA_POLYGON, {{0, 0}, {50, 50}}, false);              // a line
       AddArea(d, AREA_POLYGON, {{0, 0}, {10, 10}, {20, 20}}, false);   // a straight polyline
       AddArea(d, AREA_RECT, {{5, 5}, {5, 40}});
       AddArea(d, AREA_ELLIPSE, {{7, 7}, {8, 8}});  // radius 1/2 is written as 0
       AddArea(d, AREA_POLYGON, {{0, 0}, {30, 0}, {30, 30}, {0, 30}}, false);  // an open outline that closes
     },
     {{2, MapFault::NotClickable}, {3, MapFault::NotClickable}, {4, MapFault::NotClickable},
      {5, MapFault::NotClickable}}},
    {"beside and across the picture's edges",
     [](CZorvaDoc& d) {
       AddArea(d, AREA_RECT, {{100, 0}, {150, 50}});         // right of it, touching
       AddArea(d, AREA_RECT, {{-20, -20}, {0, 0}});          // above and left, touching the corner
       AddArea(d, AREA_RECT, {{90, 90}, {110, 95}});         // across the right edge
       AddArea(d, AREA_ELLIPSE, {{-5, 40}, {15, 60}});      // a circle across the left edge
       AddArea(d, AREA_POLYGON, {{0, 0}, {100, 0}, {100, 100}});  // exactly inside
     },
     {{2, MapFault::PartlyOutside}, {3, MapFault::PartlyOutside}, {4, MapFault::OutsidePicture},
      {5, MapFault::OutsidePicture}}},
    {"covered by an area above, not by one below or by two together",
     [](CZorvaDoc& d) {
       AddArea(d, AREA_RECT, {{10, 10}, {20, 20}});        // 6: under 5
       AddArea(d, AREA_RECT, {{0, 0}, {50, 50}});          // 5: under the circle only partly
       AddArea(d, AREA_RECT, {{60, 0}, {70, 10}});         // 4: under the halves 2 and 3 together only
       AddArea(d, AREA_RECT, {{60, 0}, {65, 10}});         // 3
       AddArea(d, AREA_RECT, {{65, 0}, {70, 10}});         // 2
       AddArea(d, AREA_ELLIPSE, {{0, 0}, {50, 50}});       // 1: inside 5's square, on top
     },
     {{6, MapFault::Covered}}},
    {"a triangle covers what lies in it, not what sticks out of its slope",
     [](CZorvaDoc& d) {
       AddArea(d, AREA_RECT, {{5, 5}, {15, 15}});          // 3: inside the triangle
       AddArea(d, AREA_RECT, {{40, 40}, {60, 60}});        // 2: its corner beyond the slope
       AddArea(d, AREA_POLYGON, {{0, 0}, {100, 0}, {0, 100}});
     },
     {{3, MapFault::Covered}}},
    {"coordinates at the ends of 32 bits are judged without overflowing",
     [](CZorvaDoc& d) {
       constexpr int32_t lo = INT32_MIN + 1, hi = INT32_MAX;
       AddArea(d, AREA_RECT, {{0, 0}, {10, 10}});                                   // 3: under the polygon
       AddArea(d, AREA_ELLIPSE, {{lo, lo}, {hi, hi}});                               // 2: beyond the picture
       AddArea(d, AREA_POLYGON, {{lo, lo}, {hi, lo}, {hi, hi}, {lo, hi}});           // 1
     },
     {{1, MapFault::PartlyOutside}, {2, MapFault::PartlyOutside}, {2, MapFault::Covered},
      {3, MapFault::Covered}}},
};

// "area:fault ..." of findings or expectations, to compare and to show.
template <typename Finding>
std::string FaultsOf(const std::vector<Finding>& findings) {
  std::ostringstream s;
  for (const auto& f : findings) s << f.area << ":" << int(f.fault) << " ";
  return s.str();
}

}  // namespace

TEST(MapCheck, EachDocumentGivesItsFindingsInTheCoreTheAreaListAndTheCli) {
  TempDir dir;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    FakeDocumentHost host;
    CZorvaDoc doc(&host);
    doc.m_strPicturePath = dir.File("pic.png");
    doc.m_sizePicture = {100, 100};
    c.build(doc);
    const auto found = html::CheckMap(doc);
    EXPECT_EQ(FaultsOf(found), FaultsOf(c.findings));

    // The area list: a row with a finding carries a mark other than the
    // check and says why in its tooltip; the others carry no tooltip.
    const std::vector<AreaListRow> rows = AreaListRows(doc);
    std::string cliExpected;
    for (size_t row = 0; row < rows.size(); ++row) {
      std::string why;
      for (const auto& f : found) {
        if (f.area != row + 1) continue;
        why += (why.empty() ? "" : "\n") + html::FindingText(f);
        cliExpected += "area " + std::to_string(row + 1) + ": " + html::FindingText(f) + "\n";
      }
      EXPECT_EQ(rows[row].findings, why) << "row " << row + 1;
      if (!why.empty()) {
        EXPECT_NE(rows[row].image, kAreaImageHtml) << "row " << row + 1;
      }
    }
    for (const auto& f : found) EXPECT_FALSE(html::FindingText(f).empty());

    const std::string project = dir.File("map.zvf");
    ASSERT_TRUE(doc.OnSaveDocument(project));
    const CommandResult r = RunCommand({ZORVA_CLI_PATH, "check", project});
    EXPECT_EQ(r.status, c.findings.empty() ? 0 : 1) << r.err;
    EXPECT_EQ(r.out, cliExpected);
  }
}

TEST(MapCheck, CoveredNamesTheAreaAboveAndPagesTakeThePictureSizeFromThePicture) {
  FakeDocumentHost host;
  CZorvaDoc doc(&host);
  AddArea(doc, AREA_RECT, {{1, 1}, {2, 2}});
  AddArea(doc, AREA_RECT, {{0, 0}, {9, 9}});
  AddArea(doc, AREA_RECT, {{30, 30}, {40, 40}});
  const auto found = html::CheckMap(doc);
  ASSERT_EQ(found.size(), 1u);  // no picture size: no edges checked
  EXPECT_EQ(found[0].coveredBy, 2u);
  EXPECT_NE(html::FindingText(found[0]).find('2'), std::string::npos);

  // A page names its picture; the picture's header gives the size.
  TempDir dir;
  const std::string png = std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\0\x64\0\0\0\x32", 24);
  WriteFileBytes(dir.File("p.png"), png);
  WriteFileBytes(dir.File("a.html"),
                 "<img src=\"p.png\" usemap=\"#m\"><map name=\"m\">"
                 "<area shape=\"rect\" coords=\"90,40,120,45\" href=\"x\" alt=\"x\"></map>");
  CommandResult r = RunCommand({ZORVA_CLI_PATH, "check", dir.File("a.html")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "area 1: " + html::FindingText({1, MapFault::PartlyOutside}) + "\n");
  // So does an HTML5 page written from the picture.
  r = RunCommand({ZORVA_CLI_PATH, "convert", dir.File("p.png"), dir.File("new.html"), "--doctype", "5"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(ReadFileBytes(dir.File("new.html")).find("alt=\"\" width=\"100\" height=\"50\">"), std::string::npos);
  r = RunCommand({ZORVA_CLI_PATH, "check", dir.File("missing.html")});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(r.out.empty());
}

// A page of thousands of rectangles, circles and rectangular outlines, some
// covered from more than 2,000 rows above: the whole-map check and the area
// list's rows find the covers a pass over every pair of areas, pixel by
// pixel, finds.
TEST(MapCheck, CoversFromFarAboveAreFoundAsAPassOverEveryPairFindsThem) {
  struct Drawn {
    bool circle;
    int64_t left, top, right, bottom;  // the circle's square
    bool Hits(int64_t x, int64_t y) const {
      if (!circle) return left <= x && x < right && top <= y && y < bottom;
      const int64_t d = right - left, dx = 2 * x + 1 - (left + right), dy = 2 * y + 1 - (top + bottom);
      return dx * dx + dy * dy <= d * d;
    }
  };
  FakeDocumentHost host;
  CZorvaDoc doc(&host);
  doc.m_sizePicture = {4000, 3000};
  std::mt19937 rng(50);
  auto in = [&](int64_t lo, int64_t hi) { return int32_t(std::uniform_int_distribution<int64_t>(lo, hi)(rng)); };
  std::vector<Drawn> drawn;  // bottom first, as the list holds them
  auto add = [&](int kind, int32_t x, int32_t y, int32_t w, int32_t h) {
    if (kind == 1) h = w &= ~1;  // an even width: the centre on a whole pixel
    if (kind == 2) AddArea(doc, AREA_POLYGON, {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
    else AddArea(doc, kind == 1 ? AREA_ELLIPSE : AREA_RECT, {{x, y}, {x + w, y + h}});
    drawn.push_back({kind == 1, x, y, int64_t(x) + w, int64_t(y) + h});
  };
  for (int i = 0; i < 5000; ++i) add(i % 3, in(0, 3950), in(0, 2950), in(4, 40), in(4, 40));
  for (int i = 0; i < 40; ++i) add(i % 2, in(0, 3000), in(0, 2000), in(100, 900), in(100, 700));
  const size_t n = drawn.size();

  std::set<std::pair<size_t, size_t>> expected;  // (area, covered by), numbered from the top
  size_t farCovers = 0;
  for (size_t i = 0; i < n; ++i) {
    const Drawn& inner = drawn[n - 1 - i];
    for (size_t j = 0; j < i; ++j) {
      const Drawn& outer = drawn[n - 1 - j];
      if (outer.left > inner.left || outer.top > inner.top || outer.right < inner.right || outer.bottom < inner.bottom)
        continue;
      bool all = true;
      for (int64_t y = inner.top; y < inner.bottom && all; ++y)
        for (int64_t x = inner.left; x < inner.right && all; ++x) all = !inner.Hits(x, y) || outer.Hits(x, y);
      if (all) {
        expected.insert({i + 1, j + 1});
        if (i - j > 2000) ++farCovers;
        break;
      }
    }
  }
  ASSERT_GT(farCovers, 20u);

  std::set<std::pair<size_t, size_t>> found;
  const auto findings = html::CheckMap(doc);
  for (const auto& f : findings)
    if (f.fault == MapFault::Covered) found.insert({f.area, f.coveredBy});
  EXPECT_EQ(found, expected);

  const std::vector<AreaListRow> rows = AreaListRows(doc);
  ASSERT_EQ(rows.size(), n + 1);
  std::vector<std::string> why(n + 1);
  for (const auto& f : findings) why[f.area - 1] += (why[f.area - 1].empty() ? "" : "\n") + html::FindingText(f);
  for (size_t row = 0; row <= n; ++row) ASSERT_EQ(rows[row].findings, why[row]) << "row " << row + 1;
}
