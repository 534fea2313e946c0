// A page is written back only as the user wants it: changed by another
// program since it was read or saved, it is patched as it is now, overwritten
// or left alone; saved into another folder, its picture is still found.
#include <gtest/gtest.h>

#include <filesystem>

#include "HtmlTestSupport.h"
#include "html/MapWriter.h"
#include "html/PageOnDisk.h"

using namespace zorva;
using namespace zorva::test;

namespace {

const std::string kOriginal =
    "<h1>Old</h1>\n<img src=p.jpg usemap=#m>\n<map name=m>\n<area coords=1,1,9,9 href=a>\n</map>\n";
const std::string kOutside =
    "<h1>Edited elsewhere</h1>\n<p>new</p>\n<img src=p.jpg usemap=#m>\n<map name=m>\n<area coords=1,1,9,9 href=a>\n"
    "</map>\n<p>after</p>\n";

bool Has(const std::string& text, const std::string& what) { return text.find(what) != std::string::npos; }

// The page written in a fresh folder and opened as the editor opens it.
struct OpenPage {
  TempDir dir;
  std::string path = dir.File("page.html");
  FakeDocumentHost host;
  CZorvaDoc doc{&host};
  OpenPage() {
    WriteFileBytes(path, kOriginal);
    doc.OnNewDocument();
    EXPECT_TRUE(doc.ReadHtml(path));
  }
};

}  // namespace

TEST(PageOnDisk, APageChangedElsewhereIsPatchedAsItIsNowOverwrittenOrLeftAsAnswered) {
  struct Case {
    int answer;
    bool afterASave;
  } cases[] = {{html::kAnswerPatchAsNow, false}, {html::kAnswerOverwrite, false}, {IDCANCEL, false},
               {html::kAnswerPatchAsNow, true},  {html::kAnswerOverwrite, true},  {IDCANCEL, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "answer " << c.answer << (c.afterASave ? " after a save" : ""));
    OpenPage open;
    CZorvaDoc& doc = open.doc;
    FakeDocumentHost& host = open.host;
    const std::string& path = open.path;
    if (c.afterASave) {
      ASSERT_TRUE(doc.WriteHtml(path));
    }
    EXPECT_TRUE(host.choiceDialogs.empty());
    doc.m_listArea.back()->m_strHref = "changed.html";

    WriteFileBytes(path, kOutside);
    host.choiceAnswers = {c.answer};
    EXPECT_EQ(doc.WriteHtml(path), c.answer != IDCANCEL);
    EXPECT_EQ(host.choiceDialogs, std::vector<unsigned>{html::kDlgPageChangedOnDisk});
    const std::string now = ReadFileBytes(path);
    if (c.answer == IDCANCEL) {
      EXPECT_EQ(now, kOutside);
      continue;
    }
    EXPECT_TRUE(Has(now, "changed.html")) << now;
    const bool patched = c.answer == html::kAnswerPatchAsNow;
    EXPECT_EQ(Has(now, "<h1>Edited elsewhere</h1>\n<p>new</p>\n") && Has(now, "<p>after</p>"), patched) << now;
    EXPECT_EQ(Has(now, "<h1>Old</h1>"), !patched) << now;
    // The file is now as this document left it: the next save asks nothing.
    EXPECT_TRUE(doc.WriteHtml(path));
    EXPECT_EQ(host.choiceDialogs.size(), 1u);
    EXPECT_EQ(ReadFileBytes(path), now);
  }
}

TEST(PageOnDisk, OnlyAChangeOfTheBytesIsAChange) {
  OpenPage open;
  const CZorvaDoc& doc = open.doc;
  const std::string& path = open.path;
  const TempDir& dir = open.dir;
  // Written again with the same bytes (a new time, the same size).
  WriteFileBytes(dir.File("copy"), kOriginal);
  std::filesystem::rename(dir.File("copy"), path);
  EXPECT_FALSE(html::PageChangedOnDisk(doc, path));
  // The same size, other bytes.
  std::string same = kOriginal;
  same[5] = 'X';
  WriteFileBytes(path, same);
  EXPECT_TRUE(html::PageChangedOnDisk(doc, path));
  // Another target than the page (Save As, the preview) is not its business.
  EXPECT_FALSE(html::PageChangedOnDisk(doc, dir.File("other.html")));
  // A page that is gone is written anew.
  std::filesystem::remove(path);
  EXPECT_FALSE(html::PageChangedOnDisk(doc, path));
}

TEST(PageOnDisk, APageSavedIntoAnotherFolderStillShowsItsPicture) {
  struct Case {
    std::string source, target, written;
  } cases[] = {
      {"img/p.png", "/site/copy.html", "img/p.png"},
      {"img/p.png", "/other/copy.html", "../site/img/p.png"},
      {"img/p.png", "/site/sub/copy.html", "../img/p.png"},
      {"./p.png", "/site/x/copy.html", ".././p.png"},  // resolves as the source did
      {"my%20p.png", "/other/copy.html", "../site/my%20p.png"},
      {"http://example.com/p.png", "/other/copy.html", "http://example.com/p.png"},
      {"/images/p.png", "/other/copy.html", "/images/p.png"},
  };
  for (const Case& c : cases) {
    Reader r;
    ASSERT_TRUE(r.Read("<p><img alt=x src=\"" + c.source + "\" usemap=#m></p><map name=m></map>"));
    for (int save = 0; save < 2; ++save) {  // Save As, then Save under the new name
      std::string out;
      ASSERT_TRUE(html::BuildPage(r.doc, c.target, Settings("\n", 0, 0, 2), out));
      EXPECT_TRUE(Has(out, "<p><img alt=x src=\"" + c.written + "\" usemap=#m></p>")) << c.source << " " << out;
    }
  }
}
