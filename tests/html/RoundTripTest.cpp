#include <gtest/gtest.h>

#include <filesystem>

#include "HtmlTestSupport.h"
#include "html/HtmlPreview.h"
#include "html/HtmlSettingsDefaults.h"

using namespace zorva;
using namespace zorva::test;

namespace {

// What of an area a page carries.
struct Seen {
  int32_t type;
  std::vector<CPoint> points;
  CString href, target, alt, onClick, onOver, onOut, comment;
  bool js;
  bool operator==(const Seen&) const = default;
};

std::vector<Seen> AreasOf(const CZorvaDoc& doc) {
  std::vector<Seen> out;
  for (const CArea* a : doc.m_listArea) {
    Seen s{a->m_nType, {}, a->m_strHref, a->m_strTarget, a->m_strAlt, a->m_strOnClick,
           a->m_strOnMouseOver, a->m_strOnMouseOut, a->m_strComment, a->m_bJavaScript};
    for (const CPoint& p : a->m_listPoint) s.points.push_back(p);
    out.push_back(s);
  }
  return out;
}

void FillEveryAreaType(CZorvaDoc& doc) {
  CArea& r = AddArea(doc, AREA_RECT, {{10, 20}, {110, 80}});
  r.m_strHref = "a \"quoted\".html";
  r.m_strTarget = "_blank";
  r.m_strAlt = "\x93\xFA\x96\x7B";  // "日本" in CP932
  r.m_strComment = "rect";
  CArea& c = AddArea(doc, AREA_ELLIPSE, {{-20, -20}, {20, 20}});
  c.m_bJavaScript = true;
  c.m_strOnClick = "go('x');";
  c.m_strOnMouseOver = "over(1, 2)";
  c.m_strOnMouseOut = "out()";
  CArea& p = AddArea(doc, AREA_POLYGON, {{0, 0}, {50, -5}, {25, 40}, {3, 30}});
  p.m_strHref = "p.html";
  p.m_strAlt = "poly";
  doc.m_areaDefault.m_strHref = "bg.html";
  doc.m_areaDefault.m_strTarget = "main";
}

}  // namespace

TEST(HtmlRoundTrip, EveryAreaTypeSurvivesNewPageAndPatchedPage) {
  TempDir dir;
  CMemorySettingsStore store;
  CompleteHtmlSettings(store);
  for (int charcase : {0, 1, 2}) {
    store.WriteInt("Settings", "charcase", charcase);
    FakeDocumentHost host;
    CZorvaDoc doc(&host);
    doc.SetSettingsStore(&store);
    doc.m_strPicturePath = dir.File("img/photo.png");
    FillEveryAreaType(doc);
    const std::vector<Seen> written = AreasOf(doc);
    const std::string page = dir.File("index.html");
    ASSERT_TRUE(doc.WriteHtml(page));

    FakeDocumentHost host2;
    CZorvaDoc back(&host2);
    back.SetSettingsStore(&store);
    back.OnNewDocument();
    ASSERT_TRUE(back.ReadHtml(page));
    EXPECT_EQ(AreasOf(back), written) << charcase;
    EXPECT_EQ(back.m_strPicturePath, dir.File("img/photo.png"));
    EXPECT_EQ(back.m_areaDefault.m_strHref, "bg.html");
    EXPECT_EQ(back.m_areaDefault.m_strTarget, "main");
    EXPECT_TRUE(host2.messages.empty());

    // Written back as a patched page: the page as it was, byte for byte,
    // its areas in their order.
    const std::string patched = dir.File("patched.html");
    ASSERT_TRUE(back.WriteHtml(patched));
    EXPECT_EQ(ReadFileBytes(patched), ReadFileBytes(page));
    CZorvaDoc again(&host2);
    again.OnNewDocument();
    ASSERT_TRUE(again.ReadHtml(patched));
    EXPECT_EQ(AreasOf(again), written);
  }
}

TEST(HtmlPreview, WritesThePreviewPageAndReportsShellFailures) {
  TempDir dir;
  FakeDocumentHost host;
  CZorvaDoc doc(&host);
  doc.m_strPicturePath = dir.File("photo.jpg");
  doc.OnNewDocument();
  ASSERT_EQ(doc.m_strPreviewPath, dir.File("~zvaprvw.html"));
  AddArea(doc, AREA_RECT, {{1, 1}, {5, 5}});
  EXPECT_TRUE(html::ShowPreview(doc));
  EXPECT_EQ(host.shellOpened, (std::vector<std::string>{doc.m_strPreviewPath}));
  EXPECT_NE(ReadFileBytes(doc.m_strPreviewPath).find("<IMG src=\"photo.jpg\""), std::string::npos);

  const struct {
    int result;
    std::vector<unsigned> ids;
  } cases[] = {{2, {61220}}, {31, {65016}}, {27, {65016}}, {0, {61222}}, {32, {61222}}, {33, {}}};
  for (const auto& c : cases) {
    host.messages.clear();
    host.shellResult = c.result;
    EXPECT_EQ(html::ShowPreview(doc), c.ids.empty());
    EXPECT_EQ(host.MessageIds(), c.ids) << c.result;
    // Without a browser the user is told where the page is.
    if (c.ids == std::vector<unsigned>{65016}) {
      EXPECT_NE(host.messages.back().text.find(doc.m_strPreviewPath), std::string::npos);
    }
  }
  // A cancelled choice opens nothing and says nothing.
  host.messages.clear();
  host.shellOpened.clear();
  AddArea(doc, AREA_POLYGON, {{1, 1}, {5, 5}}, false);
  EXPECT_FALSE(html::ShowPreview(doc));
  EXPECT_TRUE(host.shellOpened.empty());
  EXPECT_TRUE(host.messages.empty());
}

// Where the page's own folder takes no file, the preview goes to a private
// folder, finds the picture from there and goes when the document closes.
TEST(HtmlPreview, AFolderThatCannotBeWrittenGivesAPrivateFolder) {
  TempDir dir;
  std::string preview;
  {
    FakeDocumentHost host;
    CZorvaDoc doc(&host);
    doc.m_strPicturePath = dir.File("gone/photo.jpg");  // a folder that is not there
    doc.OnNewDocument();
    AddArea(doc, AREA_RECT, {{1, 1}, {5, 5}});
    ASSERT_TRUE(html::ShowPreview(doc));
    preview = doc.m_strPreviewPath;
    EXPECT_NE(preview.find("/zorva-"), std::string::npos) << preview;
    EXPECT_EQ(host.shellOpened, (std::vector<std::string>{preview}));
    const std::string page = ReadFileBytes(preview);
    const size_t src = page.find("<IMG src=\"");
    ASSERT_NE(src, std::string::npos);
    const std::string value = page.substr(src + 10, page.find('"', src + 10) - src - 10);
    EXPECT_EQ(std::filesystem::weakly_canonical(std::filesystem::path(preview).parent_path() / value),
              std::filesystem::weakly_canonical(dir.File("gone/photo.jpg")))
        << value;
    EXPECT_EQ(std::filesystem::status(std::filesystem::path(preview).parent_path()).permissions() &
                  (std::filesystem::perms::group_all | std::filesystem::perms::others_all),
              std::filesystem::perms::none);
  }
  EXPECT_FALSE(std::filesystem::exists(preview));
}

TEST(HtmlPreview, APageThatWasReadIsPreviewedBesideIt) {
  TempDir pictures, site;
  std::filesystem::create_directory(site.path() / "img");
  const std::string page = site.File("index.html");
  WriteFileBytes(page, "<p>hi</p><img src=\"img/a.png\"><p>end</p>");
  FakeDocumentHost host;
  CZorvaDoc doc(&host);
  // A picture opened before, somewhere else.
  ASSERT_TRUE(doc.OnOpenDocument(pictures.File("old.jpg")));
  ASSERT_TRUE(doc.OnOpenDocument(page));
  EXPECT_EQ(doc.m_strPreviewPath, site.File("~zvaprvw.html"));
  AddArea(doc, AREA_RECT, {{1, 2}, {3, 4}});
  ASSERT_TRUE(html::ShowPreview(doc));
  const std::string shown = ReadFileBytes(site.File("~zvaprvw.html"));
  EXPECT_EQ(shown.substr(0, 13), "<p>hi</p><MAP");
  EXPECT_NE(shown.find("<img src=\"img/a.png\" usemap=\"#a\"><p>end</p>"), std::string::npos) << shown;
  EXPECT_EQ(ReadFileBytes(page), "<p>hi</p><img src=\"img/a.png\"><p>end</p>");
}
