// Texts typed into a new document come back exactly from a page in every
// charset: what the page's charset cannot hold exactly goes as a character
// reference, never as another character, and a comment that cannot go so
// stops the write before anything is written.
#include <gtest/gtest.h>

#include "HtmlTestSupport.h"
#include "html/MapWriter.h"
#include "view/PanelText.h"

using namespace zorva;
using namespace zorva::test;

namespace {
const char* const kTyped[] = {
    "& < > \" ' &amp",
    "日本語のテキスト ①",
    "Café crème naïve Ærø",
    "😀 🎉",
    "¥1,000 〜 − — ¢ £ ¬ ‖",  // CP932 takes these one way only
    "\\ ~ ＼ ～",             // and gives back these
};
}  // namespace

TEST(TypedTexts, ComeBackFromEveryPageCharsetAndNeverAsOtherCharacters) {
  for (int charcode : {1, 2, 3}) {
    SCOPED_TRACE(charcode);
    FakeDocumentHost host;
    CZorvaDoc doc(&host);
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.m_nCharset, ECharset::Utf8);
    doc.m_strPicturePath = "/site/p.jpg";
    for (const char* typed : kTyped) {
      CArea& a = AddArea(doc, AREA_RECT, {{0, 0}, {10, 10}});
      a.m_strHref = "x.html";
      a.m_strAlt = FromPanelText(doc, typed).value();
      a.m_strComment = *FromPanelText(doc, "コメント", PanelTextKind::Comment);
    }
    std::string page;
    ASSERT_TRUE(html::BuildPage(doc, "/site/index.html", Settings("\n", 5, charcode, 0), page));
    if (charcode == 1) {
      EXPECT_NE(page.find("alt=\"&#165;1,000 &#12316; &#8722; &#8212; &#162; &#163; &#172; &#8214;\""),
                std::string::npos);
      EXPECT_NE(page.find("alt=\"\\ ~ \x81\x5F \x81\x60\""), std::string::npos);
    }
    Reader r;
    ASSERT_TRUE(r.Read(page));
    ASSERT_EQ(r.doc.m_listArea.size(), std::size(kTyped));
    // The page's first area is the last one added.
    for (size_t i = 0; i < std::size(kTyped); ++i) {
      const CArea& back = r.Area(std::size(kTyped) - 1 - i);
      EXPECT_EQ(ToPanelText(r.doc, back.m_strAlt), kTyped[i]);
      EXPECT_EQ(ToPanelText(r.doc, back.m_strComment, PanelTextKind::Comment), "コメント");
    }
  }
}

TEST(TypedTexts, ACommentThePagesCharsetCannotHoldStopsTheWrite) {
  FakeDocumentHost host;
  CZorvaDoc doc(&host);
  ASSERT_TRUE(doc.OnNewDocument());
  AddArea(doc, AREA_RECT, {{0, 0}, {10, 10}});
  AddArea(doc, AREA_RECT, {{0, 0}, {10, 10}}).m_strComment = "〜";
  std::string page;
  EXPECT_TRUE(html::BuildPage(doc, "/site/index.html", Settings("\n", 5, 3, 0), page));
  EXPECT_NE(page.find("<!-- 〜 -->"), std::string::npos);
  for (int charcode : {1, 2}) {
    EXPECT_FALSE(html::BuildPage(doc, "/site/index.html", Settings("\n", 5, charcode, 0), page));
    EXPECT_TRUE(page.empty());
  }
  // Named by its place in the area list (the top) and its character.
  ASSERT_EQ(host.MessageIds(), (std::vector<unsigned>{65019, 65019}));
  EXPECT_NE(host.Messages()[0].text.find("エリア 1 のコメントの「〜」"), std::string::npos) << host.Messages()[0].text;
  // The panel refuses it while the settings say such a page.
  CMemorySettingsStore store;
  store.WriteInt("Settings", "charcode", 1);
  doc.SetSettingsStore(&store);
  EXPECT_FALSE(FromPanelText(doc, "〜", PanelTextKind::Comment));
  EXPECT_TRUE(FromPanelText(doc, "〜", PanelTextKind::Attribute));
  store.WriteInt("Settings", "charcode", 3);
  EXPECT_TRUE(FromPanelText(doc, "〜", PanelTextKind::Comment));
  doc.SetSettingsStore(nullptr);
}

TEST(TypedTexts, ANewDocumentWritesWhatAShiftJisOneWroteWhileItsTextsFit) {
  // The same map, typed into a document held in Shift_JIS (as new documents
  // were) and into one held in UTF-8 (as they are now).
  FakeDocumentHost host;
  CZorvaDoc before(&host), now(&host);
  ASSERT_TRUE(now.OnNewDocument());
  for (CZorvaDoc* doc : {&before, &now}) {
    doc->m_strPicturePath = "/site/写真.jpg";
    CArea& a = AddArea(*doc, AREA_POLYGON, {{0, 0}, {10, 0}, {5, 9}});
    a.m_strHref = *FromPanelText(*doc, "案内.html");
    a.m_strAlt = *FromPanelText(*doc, "～ ① ＼");
    a.m_strComment = *FromPanelText(*doc, "説明", PanelTextKind::Comment);
  }
  ASSERT_EQ(before.m_nCharset, ECharset::ShiftJis);
  for (int doctype : {0, 2, 3, 4})
    for (int charcode : {0, 1, 3})
      for (int charcase : {0, 1, 2}) {
        const HtmlOutputSettings s = Settings("\r\n", doctype, charcode, charcase);
        std::string a, b;
        ASSERT_TRUE(html::BuildPage(before, "/site/index.html", s, a));
        ASSERT_TRUE(html::BuildPage(now, "/site/index.html", s, b));
        EXPECT_EQ(b, a) << doctype << charcode << charcase;
      }
  // A text Shift_JIS cannot hold makes a page without a charset of its own UTF-8.
  now.m_listArea.back()->m_strAlt = *FromPanelText(now, "😀");
  std::string page;
  ASSERT_TRUE(html::BuildPage(now, "/site/index.html", Settings("\n", 0, 0, 0), page));
  EXPECT_NE(page.find("alt=\"😀\"><!-- 説明 -->"), std::string::npos) << page;
}
