// Every text of an area (model/AreaTextList.h) walked through everything
// that handles an area's texts: a text one of them forgot comes back empty
// or changed, whichever text it is.
#include <gtest/gtest.h>

#include <string>

#include "HtmlTestSupport.h"
#include "html/AttributeText.h"
#include "html/HtmlSettingsDefaults.h"
#include "model/AreaTexts.h"
#include "view/HeadlessHost.h"
#include "view/PanelFields.h"
#include "view/ViewHost.h"

using namespace zorva;
using namespace zorva::test;

namespace {

// A value of its own for each text, as the text's kind can hold it.
CString ValueOf(const CAreaText& t) {
  if (t.role == AreaTextRole::Kept) return "data-kept=\"k\" lang=ja";
  return std::string("v-") + t.key + " 1";
}

CArea& FillTexts(CArea& a) {
  for (const CAreaText& t : kAreaTexts) a.*t.member = ValueOf(t);
  a.m_bJavaScript = true;
  return a;
}

}  // namespace

TEST(AreaTextList, EveryTextIsCopiedWrittenReadAndStoredAsItsLineSays) {
  TempDir dir;
  CMemorySettingsStore store;
  CompleteHtmlSettings(store);
  FakeDocumentHost host;
  CZorvaDoc doc(&host);
  doc.SetSettingsStore(&store);
  doc.OnNewDocument();
  doc.m_strPicturePath = dir.File("photo.png");
  CArea& area = FillTexts(AddArea(doc, AREA_RECT, {{10, 20}, {110, 80}}));
  // The default area: every text but its comment, which is its name (in
  // whichever charset the document has) and travels with none of them.
  const CString defaultName = doc.m_areaDefault.m_strComment;
  FillTexts(doc.m_areaDefault).m_strComment = defaultName;
  auto expectDefault = [](const CArea& d, const CAreaText& t, bool kept) {
    if (t.IsComment())
      EXPECT_FALSE(d.m_strComment.empty());
    else
      EXPECT_EQ(d.*t.member, kept ? ValueOf(t) : CString()) << t.key;
  };

  CArea copy;
  copy.CopyFrom(area);
  for (const CAreaText& t : kAreaTexts) EXPECT_EQ(copy.*t.member, ValueOf(t)) << t.key;

  // A new page and its reading: every text (kept attributes, comment and all).
  for (int charcase : {0, 1, 2}) {
    store.WriteInt("Settings", "charcase", charcase);
    const std::string page = dir.File("index.html");
    ASSERT_TRUE(doc.WriteHtml(page));
    Reader back;
    back.doc.SetSettingsStore(&store);
    ASSERT_TRUE(back.Read(ReadFileBytes(page), page));
    ASSERT_EQ(back.doc.m_listArea.size(), 1u);
    for (const CAreaText& t : kAreaTexts) EXPECT_EQ(back.Area(0).*t.member, ValueOf(t)) << t.key << charcase;
    EXPECT_TRUE(back.Area(0).m_bJavaScript);
    for (const CAreaText& t : kAreaTexts) expectDefault(back.doc.m_areaDefault, t, true);
  }

  // The project file: what it stores comes back, the rest stays out.
  const std::string project = dir.File("map.zvf");
  ASSERT_TRUE(doc.OnSaveDocument(project));
  FakeDocumentHost host2;
  CZorvaDoc opened(&host2);
  ASSERT_TRUE(opened.OnOpenDocument(project));
  ASSERT_EQ(opened.m_listArea.size(), 1u);
  for (const CAreaText& t : kAreaTexts) {
    EXPECT_EQ(opened.m_listArea.front()->*t.member, t.stored ? ValueOf(t) : CString()) << t.key;
    expectDefault(opened.m_areaDefault, t, t.stored);
  }

  // New contents: the default area keeps only its name.
  doc.OnNewDocument();
  for (const CAreaText& t : kAreaTexts)
    EXPECT_EQ(doc.m_areaDefault.*t.member, t.IsComment() ? defaultName : CString()) << t.key;
}

TEST(AreaTextList, AnAttributeOfAnyTextIsOwnedInAnyLetterCase) {
  int attributes = 0;
  for (const CAreaText& t : kAreaTexts) {
    if (t.attribute.empty()) continue;
    ++attributes;
    std::string upper(t.attribute);
    for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
    for (const std::string& name : {std::string(t.attribute), upper}) {
      EXPECT_EQ(html::AreaOwnedAttributeBit(name), t.OwnedBit()) << name;
      EXPECT_EQ(html::CheckAreaOtherAttributes("lang=ja " + name + "=\"x\"").kind,
                html::AttributeTextFault::Kind::Owned)
          << name;
    }
  }
  EXPECT_GE(attributes, 6);
  // Each text's bit is its own, and none is one of the tag's other owned names.
  unsigned all = html::kOwnedShape | html::kOwnedCoords | html::kOwnedNoHref;
  for (const CAreaText& t : kAreaTexts)
    if (t.OwnedBit()) {
      EXPECT_EQ(all & t.OwnedBit(), 0u) << t.key;
      all |= t.OwnedBit();
    }
}

TEST(AreaTextList, CharsetMovesAttributesAsReferencesAndCommentsLossily) {
  FakeDocumentHost host;
  CZorvaDoc doc(&host);
  doc.OnNewDocument();  // UTF-8
  CArea& area = AddArea(doc, AREA_RECT, {{0, 0}, {9, 9}});
  const CString face = "a\xF0\x9F\x98\x80";  // "a" and U+1F600, which Shift_JIS lacks
  for (const CAreaText& t : kAreaTexts) area.*t.member = face;
  doc.SetTextCharset(ECharset::ShiftJis);
  for (const CAreaText& t : kAreaTexts)
    EXPECT_EQ(area.*t.member, t.IsComment() ? CString("a?") : CString("a&#128512;")) << t.key;
}

TEST(AreaTextList, ThePanelShowsAndReadsEveryTextInItsOwnControl) {
  FakeDocumentHost host;
  CZorvaDoc doc(&host);
  doc.OnNewDocument();
  CArea& area = FillTexts(AddArea(doc, AREA_RECT, {{0, 0}, {9, 9}}));
  CMemoryPropertyPanel panel;
  WriteAreaTexts(doc, panel, area, true);
  for (const CAreaText& t : kAreaTexts) {
    const int id = AreaTextControl(t.id);
    EXPECT_EQ(panel.texts[id], ValueOf(t)) << t.key;
    EXPECT_TRUE(panel.IsEnabled(id)) << t.key;
  }
  // One control each: a text read from another's control would take its value.
  for (const CAreaText& t : kAreaTexts)
    panel.texts[AreaTextControl(t.id)] = t.role == AreaTextRole::Kept ? "data-new=1" : std::string("new ") + t.key;
  EXPECT_TRUE(ReadAreaTexts(doc, panel, area, true));
  for (const CAreaText& t : kAreaTexts)
    EXPECT_EQ(area.*t.member, t.role == AreaTextRole::Kept ? CString("data-new=1") : std::string("new ") + t.key)
        << t.key;
  EXPECT_TRUE(host.messages.empty());
}
