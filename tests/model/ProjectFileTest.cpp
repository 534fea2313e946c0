#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <random>

#include "tests/model/ProjectBytes.h"
#include "model/DocumentFile.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"

using zorva::LoadProjectStream;
using zorva::StoreProjectStream;
using zorva::test::Bytes;
using zorva::test::RectangleAndGuideFile;

namespace {

std::vector<CPoint> Points(const CPointList& list) {
  std::vector<CPoint> out;
  for (const CPoint& p : list) out.push_back(p);
  return out;
}

CArea* AddArea(CZorvaDoc& doc, int32_t type, std::initializer_list<CPoint> pts) {
  auto* a = new CArea;
  a->m_nType = type;
  for (const CPoint& p : pts) a->AddPoint(p.x, p.y);
  if (pts.size()) a->SetBoundPoint(pts.begin()->x, pts.begin()->y);
  a->RecalcBound();
  doc.m_listArea.push_back(std::unique_ptr<CArea>(a));
  return a;
}

void ExpectSameArea(const CArea& a, const CArea& b) {
  EXPECT_EQ(a.m_nType, b.m_nType);
  EXPECT_EQ(a.m_bClosed, b.m_bClosed);
  EXPECT_EQ(Points(a.m_listPoint), Points(b.m_listPoint));
  EXPECT_EQ(Points(a.m_listHandle1), Points(b.m_listHandle1));
  EXPECT_EQ(Points(a.m_listHandle2), Points(b.m_listHandle2));
  EXPECT_EQ(a.m_rcBound, b.m_rcBound);
  EXPECT_EQ(a.m_strHref, b.m_strHref);
  EXPECT_EQ(a.m_strTarget, b.m_strTarget);
  EXPECT_EQ(a.m_strAlt, b.m_strAlt);
  EXPECT_EQ(a.m_bJavaScript, b.m_bJavaScript);
  EXPECT_EQ(a.m_strOnClick, b.m_strOnClick);
  EXPECT_EQ(a.m_strOnMouseOver, b.m_strOnMouseOver);
  EXPECT_EQ(a.m_strOnMouseOut, b.m_strOnMouseOut);
  EXPECT_EQ(a.m_strComment, b.m_strComment);
  EXPECT_EQ(a.m_bReserved, b.m_bReserved);
  EXPECT_EQ(a.m_bHtmlShape, b.m_bHtmlShape);
}

}  // namespace

TEST(ProjectFile, WorkedExamplesAreWrittenByteForByte) {
  CZorvaDoc empty;
  empty.m_strPicturePath = "a.jpg";
  empty.m_sizePicture = {100, 50};
  EXPECT_EQ(StoreProjectStream(empty),
            Bytes("4E000000 05 'a.jpg' 64000000 32000000"
                  " 0000000000000000 0000000000000000 0000000000000000 0000000000000000"
                  " 00000000 000000 00000000 000000 00000000"));
  EXPECT_EQ(StoreProjectStream(empty).size(), 68u);

  CZorvaDoc doc;
  doc.m_strPicturePath = "img/a.jpg";
  doc.m_sizePicture = {100, 50};
  CArea* a = AddArea(doc, AREA_RECT, {{10, 20}, {50, 60}});
  a->m_bClosed = true;
  a->m_strHref = "a.html";
  a->UpdateHtmlShape(true);
  auto* g = new CGuide;
  g->m_bHorizontal = false;
  g->m_nPos = 30;
  doc.m_listGuide.push_back(std::unique_ptr<CGuide>(g));
  std::string data = StoreProjectStream(doc);
  EXPECT_EQ(data.size(), 180u);
  EXPECT_EQ(data, RectangleAndGuideFile());
}

TEST(ProjectFile, TheRectangleExampleReadsBackIntoTheDocument) {
  CZorvaDoc doc;
  doc.m_nVersion = 1;
  std::string data = RectangleAndGuideFile();
  ASSERT_EQ(LoadProjectStream(doc, data), 0u);
  EXPECT_EQ(doc.m_nVersion, 78);
  EXPECT_EQ(doc.m_strPicturePath, "img/a.jpg");
  EXPECT_EQ(doc.m_sizePicture, (CSize{100, 50}));
  ASSERT_EQ(doc.m_listArea.size(), 1u);
  const CArea& a = *doc.m_listArea.front();
  EXPECT_EQ(a.m_nType, AREA_RECT);
  EXPECT_TRUE(a.m_bClosed);
  EXPECT_EQ(Points(a.m_listPoint), (std::vector<CPoint>{{10, 20}, {50, 60}}));
  EXPECT_EQ(a.m_rcBound, CRect(10, 20, 50, 60));
  EXPECT_EQ(a.m_strHref, "a.html");
  EXPECT_TRUE(a.m_bHtmlShape);
  EXPECT_FALSE(a.m_bReserved);
  EXPECT_TRUE(a.m_bTailEnd);
  ASSERT_EQ(doc.m_listGuide.size(), 1u);
  EXPECT_FALSE(doc.m_listGuide.front()->m_bHorizontal);
  EXPECT_EQ(doc.m_listGuide.front()->m_nPos, 30);
  // The default area's comment is its own, not a stored one.
  EXPECT_EQ(zorva::Cp932ToUtf8(doc.m_areaDefault.m_strComment), "デフォルトエリア");
  // Writing it again gives the same bytes.
  EXPECT_EQ(StoreProjectStream(doc), data);
}

TEST(ProjectFile, EveryAreaKindFlagAndStringClassSurvivesARoundTrip) {
  CZorvaDoc doc;
  doc.m_nVersion = 12345;
  doc.m_strPicturePath = "../pics/\x95\x5C.png";
  doc.m_sizePicture = {0, 65535};
  doc.m_ptPress = {1, 2};
  doc.m_ptSpare1 = {3, 4};
  doc.m_ptSpare2 = {-5, 6};
  doc.m_ptAnchor = {7, INT32_MIN};
  const size_t lengths[] = {0, 1, 254, 255, 65533, 65534, 70001};
  int n = 0;
  for (int32_t type : {0, 1, 2, 3, 4, 99}) {
    for (int flags = 0; flags < 16; ++flags, ++n) {
      CArea* a = AddArea(doc, type, {{n, -n}, {INT32_MAX, INT32_MIN}, {n * 3, 7}});
      a->m_bClosed = flags & 1;
      a->m_bJavaScript = flags & 2;
      a->m_bReserved = flags & 4;
      a->m_bHtmlShape = flags & 8;
      if (type == AREA_BEZIER) {
        a->AddHandle1(1, 1);
        a->AddHandle2(2, 2);
        a->AddHandle2(3, 3);
      }
      std::string* texts[] = {&a->m_strHref,        &a->m_strTarget,      &a->m_strAlt,
                              &a->m_strOnClick,     &a->m_strOnMouseOver, &a->m_strOnMouseOut,
                              &a->m_strComment};
      for (int t = 0; t < 7; ++t)
        *texts[t] = std::string(lengths[(n + t) % 7], char('a' + t)) + "\x82\xA0";
    }
  }
  // Grown from the head: storage order is what is written and read.
  CArea* reversed = AddArea(doc, AREA_POLYGON, {});
  reversed->m_bTailEnd = false;
  for (int i = 0; i < 5; ++i) reversed->AddPoint(i, i);
  doc.m_areaDefault.m_strHref = std::string(300, 'h');
  doc.m_areaDefault.m_strTarget = "_top";
  doc.m_areaDefault.m_strAlt = "\x83\x41";
  doc.m_areaDefault.m_bJavaScript = true;
  doc.m_areaDefault.m_strOnClick = "c()";
  doc.m_areaDefault.m_strOnMouseOver = "o()";
  doc.m_areaDefault.m_strOnMouseOut = "u()";
  for (int i = 0; i < 3; ++i) {
    auto* g = new CGuide;
    g->m_bHorizontal = i != 1;
    g->m_nPos = -i * 1000;
    doc.m_listGuide.push_back(std::unique_ptr<CGuide>(g));
  }

  std::string data = StoreProjectStream(doc);
  CZorvaDoc back;
  ASSERT_EQ(LoadProjectStream(back, data), 0u);
  EXPECT_EQ(back.m_nVersion, 12345);
  EXPECT_EQ(back.m_strPicturePath, doc.m_strPicturePath);
  EXPECT_EQ(back.m_sizePicture, doc.m_sizePicture);
  EXPECT_EQ(back.m_ptPress, doc.m_ptPress);
  EXPECT_EQ(back.m_ptSpare1, doc.m_ptSpare1);
  EXPECT_EQ(back.m_ptSpare2, doc.m_ptSpare2);
  EXPECT_EQ(back.m_ptAnchor, doc.m_ptAnchor);
  ASSERT_EQ(back.m_listArea.size(), doc.m_listArea.size());
  for (auto i = doc.m_listArea.begin(), j = back.m_listArea.begin(); i != doc.m_listArea.end();
       ++i, ++j)
    ExpectSameArea(**i, **j);
  EXPECT_EQ(Points(back.m_listArea.back()->m_listPoint),
            (std::vector<CPoint>{{4, 4}, {3, 3}, {2, 2}, {1, 1}, {0, 0}}));
  EXPECT_TRUE(back.m_listArea.back()->m_bTailEnd);
  const CArea& d = back.m_areaDefault;
  EXPECT_EQ(d.m_strHref, std::string(300, 'h'));
  EXPECT_EQ(d.m_strTarget, "_top");
  EXPECT_EQ(d.m_strAlt, "\x83\x41");
  EXPECT_TRUE(d.m_bJavaScript);
  EXPECT_EQ(d.m_strOnClick + d.m_strOnMouseOver + d.m_strOnMouseOut, "c()o()u()");
  EXPECT_EQ(zorva::Cp932ToUtf8(d.m_strComment), "デフォルトエリア");
  ASSERT_EQ(back.m_listGuide.size(), 3u);
  EXPECT_FALSE((*std::next(back.m_listGuide.begin()))->m_bHorizontal);
  EXPECT_EQ(back.m_listGuide.back()->m_nPos, -2000);
  EXPECT_EQ(StoreProjectStream(back), data);
}

TEST(ProjectFile, EveryTruncationFailsAsAFormatErrorAndLeavesNothingBehind) {
  const std::string full = RectangleAndGuideFile();
  for (size_t len = 1; len < full.size(); ++len) {
    CZorvaDoc doc;
    doc.m_strPicturePath = "/old/picture.png";
    doc.m_sizePicture = {7, 8};
    doc.m_listGuide.push_back(std::make_unique<CGuide>());
    EXPECT_EQ(LoadProjectStream(doc, std::string_view(full).substr(0, len)), 61728u) << len;
    EXPECT_TRUE(doc.m_listArea.empty()) << len;
    EXPECT_TRUE(doc.m_listGuide.empty()) << len;
    EXPECT_TRUE(doc.m_areaDefault.m_strHref.empty()) << len;
    // The picture of a file that failed is not taken over.
    EXPECT_EQ(doc.m_strPicturePath, "/old/picture.png") << len;
    EXPECT_EQ(doc.m_sizePicture, (CSize{7, 8})) << len;
    EXPECT_EQ(doc.m_nVersion, 78) << len;
  }
}

TEST(ProjectFile, WrongClassesAndEntriesAreFormatErrors) {
  std::string full = RectangleAndGuideFile();
  // The first area entry naming the guide class.
  std::string guideFirst = full.substr(0, 58) + Bytes("FF FF 00 00 06 00 'CGuide' 00000000 00000000");
  // Two areas, the second one a reference back to the first object.
  std::string twice = full;
  twice[54] = 2;
  twice.insert(146, Bytes("02 00"));
  // The guide introduced under the area class's later-object tag.
  std::string guideAsArea = full;
  guideAsArea.replace(160, 12, Bytes("01 80"));
  for (const std::string& data : {guideFirst, twice, guideAsArea}) {
    CZorvaDoc doc;
    EXPECT_EQ(LoadProjectStream(doc, data), 61728u);
    EXPECT_TRUE(doc.m_listArea.empty());
    EXPECT_TRUE(doc.m_listGuide.empty());
  }
}

TEST(ProjectFile, HugeCountsEndAtTheStreamsEndWithoutAllocatingForThem) {
  const std::string head = Bytes("4E000000 00 00000000 00000000") + std::string(32, '\0');
  const std::string areaTag = Bytes("FF FF 00 00 05 00 'CArea' 02000000 01000000");
  const std::string cases[] = {
      head + Bytes("FFFFFF7F"),                             // areas
      head + Bytes("01000000") + areaTag + Bytes("FFFFFF7F 01000000 02000000"),  // points
      head + Bytes("01000000") + areaTag + Bytes("00000000 FFFFFF7F"),           // handles
      head + Bytes("00000000 000000 00000000 000000 FFFFFF7F"),                 // guides
      head + Bytes("00000000 FF FF FF FE FF FF 7F"),                           // a string
  };
  auto start = std::chrono::steady_clock::now();
  for (const std::string& data : cases) {
    CZorvaDoc doc;
    EXPECT_EQ(LoadProjectStream(doc, data), 61728u);
    EXPECT_TRUE(doc.m_listArea.empty());
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

TEST(ProjectFile, EmptyStreamAndNegativeCountsReadNothing) {
  CZorvaDoc doc;
  doc.m_strPicturePath = "keep.jpg";
  doc.m_listGuide.push_back(std::make_unique<CGuide>());
  EXPECT_EQ(LoadProjectStream(doc, ""), 0u);
  EXPECT_TRUE(doc.m_listGuide.empty());
  EXPECT_EQ(doc.m_strPicturePath, "keep.jpg");

  std::string data = Bytes("4E000000 00 00000000 00000000") + std::string(32, '\0') +
                     Bytes("00000080 00 00 00 00000000 00 00 00 FFFFFFFF");
  EXPECT_EQ(LoadProjectStream(doc, data), 0u);
  EXPECT_TRUE(doc.m_listArea.empty());
  EXPECT_TRUE(doc.m_listGuide.empty());
}

TEST(ProjectFile, WideTextsAreReadIntoTheCodePageAndUnmappableOnesRefused) {
  const std::string tail = Bytes("00000000 00000000") + std::string(32, '\0') +
                           Bytes("00000000 00 00 00 00000000 00 00 00 00000000");
  CZorvaDoc doc;
  // The picture path "写.png" in the wide form.
  std::string wide = Bytes("4E000000 FF FE FF 05 99 51 2E 00 70 00 6E 00 67 00") + tail;
  ASSERT_EQ(LoadProjectStream(doc, wide), 0u);
  EXPECT_EQ(zorva::Cp932ToUtf8(doc.m_strPicturePath), "写.png");
  // Saving writes the narrow form.
  EXPECT_EQ(StoreProjectStream(doc).substr(4, 7), Bytes("06 8E CA '.png'"));

  std::string emoji = Bytes("4E000000 FF FE FF 02 3D D8 00 DE") + tail;
  EXPECT_EQ(LoadProjectStream(doc, emoji), 61697u);
  EXPECT_EQ(zorva::Cp932ToUtf8(doc.m_strPicturePath), "写.png");
}

namespace {

// Texts of two areas and the default area; the second area's ALT comes third,
// so a wide one is met after an area has been read.
std::array<CString*, 5> Texts(CZorvaDoc& doc) {
  CArea& a = *doc.m_listArea.front();
  CArea& b = *doc.m_listArea.back();
  return {&a.m_strHref, &a.m_strComment, &b.m_strAlt, &b.m_strOnMouseOver, &doc.m_areaDefault.m_strAlt};
}

void BuildTexts(CZorvaDoc& doc, zorva::ECharset charset, const std::array<std::string, 5>& utf8) {
  doc.SetTextCharset(charset);
  doc.m_strPicturePath = "img/\x8E\xCA.png";
  AddArea(doc, AREA_RECT, {{1, 2}, {30, 40}});
  AddArea(doc, AREA_ELLIPSE, {{50, 50}, {60, 60}});
  for (size_t i = 0; i < 5; ++i) *Texts(doc)[i] = zorva::Utf8ToCharset(charset, utf8[i]).value();
}

}  // namespace

TEST(ProjectFile, TextsOfEveryCharsetSurviveAndThoseShiftJisHoldsAreStoredInIt) {
  using zorva::ECharset;
  const std::array<std::string, 5> japanese = {"日本語.html", "コメント", "写真 ｱ", "go('～')", "既定"};
  const std::array<std::string, 5> beyond = {"café.html", "コメント", "\xF0\x9F\x98\x80 smile", "¥100〜", "既定"};
  const struct {
    ECharset charset;
    const std::array<std::string, 5>& texts;
    ECharset reopened;
  } cases[] = {{ECharset::Utf8, japanese, ECharset::ShiftJis},
               {ECharset::EucJp, japanese, ECharset::ShiftJis},
               {ECharset::Utf8, beyond, ECharset::Utf8}};
  for (const auto& c : cases) {
    const std::string label = std::string(zorva::CharsetName(c.charset)) + " " + c.texts[2];
    CZorvaDoc doc, sjis, back;
    BuildTexts(doc, c.charset, c.texts);
    const std::string data = StoreProjectStream(doc);
    EXPECT_NE(data.find(Bytes("08 83 52 83 81 83 93 83 67")), std::string::npos) << label;  // コメント
    if (c.reopened == ECharset::ShiftJis) {
      BuildTexts(sjis, ECharset::ShiftJis, c.texts);
      EXPECT_EQ(StoreProjectStream(sjis), data) << label;
    }
    ASSERT_EQ(LoadProjectStream(back, data), 0u) << label;
    EXPECT_EQ(back.m_nCharset, c.reopened) << label;
    ASSERT_EQ(back.m_listArea.size(), 2u) << label;
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(CharsetToUtf8(back.m_nCharset, *Texts(back)[i]), c.texts[i]) << label;
    EXPECT_EQ(back.m_strPicturePath, "img/\x8E\xCA.png") << label;
    EXPECT_EQ(CharsetToUtf8(back.m_nCharset, back.m_areaDefault.m_strComment), "デフォルトエリア") << label;
    EXPECT_EQ(StoreProjectStream(back), data) << label;
  }
}

TEST(ProjectFile, AWideTextThatIsNotUtf16IsAFormatError) {
  const std::string head = Bytes("4E000000 00 00000000 00000000") + std::string(32, '\0') + Bytes("00000000");
  // The default area's HREF, TARGET and ALT: the broken one first, and after
  // an emoji has made the texts UTF-8.
  for (const char* texts : {"FF FE FF 01 3D D8  00  00", "FF FE FF 02 3D D8 00 DE  00  FF FE FF 01 00 DE"}) {
    CZorvaDoc doc;
    doc.m_listGuide.push_back(std::make_unique<CGuide>());
    EXPECT_EQ(LoadProjectStream(doc, head + Bytes(texts) + Bytes("00000000 00 00 00 00000000")), 61728u);
    EXPECT_TRUE(doc.m_listGuide.empty() && doc.m_areaDefault.m_strHref.empty()) << texts;
    // Left cleared, as new contents are.
    EXPECT_EQ(doc.m_nCharset, zorva::ECharset::Utf8) << texts;
  }
}

TEST(ProjectFile, WhatTheProgramNeverWritesIsRefusedAndWhatItWritesStillOpens) {
  const std::string good = RectangleAndGuideFile();
  auto patched = [&](size_t at, const char* hex) {
    std::string data = good;
    const std::string bytes = Bytes(hex);
    data.replace(at, bytes.size(), bytes);
    return data;
  };
  const struct {
    const char* what;
    std::string data;
  } refused[] = {
      {"a negative version", patched(0, "FFFFFFFF")},
      {"a version beyond 65535", patched(0, "00000100")},
      {"a negative width", patched(14, "FFFFFFFF")},
      {"a height beyond 65535", patched(18, "00000100")},
      {"a closed flag of 2", patched(73, "02000000")},
      {"an HTML-shape flag of -1", patched(142, "FFFFFFFF")},
      {"a flag in the high bytes", patched(130, "00010000")},
      {"a default area's flag of 2", patched(149, "02000000")},
      {"a guide's flag of 2", patched(172, "02000000")},
      {"a byte after the last guide", good + std::string(1, '\0')},
      {"a picture path that is not Shift_JIS", patched(5, "81 7F")},
  };
  for (const auto& c : refused) {
    CZorvaDoc doc;
    EXPECT_EQ(LoadProjectStream(doc, c.data), 61728u) << c.what;
    EXPECT_TRUE(doc.m_listArea.empty()) << c.what;
    EXPECT_TRUE(doc.m_listGuide.empty()) << c.what;
  }
  // A text whose bytes are no Shift_JIS opens: a page of a charset the
  // editor does not know gives such texts, and its project keeps them.
  CZorvaDoc undecodable;
  EXPECT_EQ(LoadProjectStream(undecodable, patched(122, "81 20")), 0u);
  // The largest values the program writes.
  CZorvaDoc big;
  ASSERT_EQ(LoadProjectStream(big, patched(0, "FFFF0000")), 0u);
  big.m_sizePicture = {65535, 65535};
  const std::string stored = StoreProjectStream(big);
  CZorvaDoc back;
  ASSERT_EQ(LoadProjectStream(back, stored), 0u);
  EXPECT_EQ(StoreProjectStream(back), stored);

  // Random bytes are no project: none of them opens.
  std::mt19937 rng(3000);
  int opened = 0;
  for (int i = 0; i < 200; ++i) {
    std::string noise(3000, '\0');
    for (char& b : noise) b = char(rng());
    CZorvaDoc doc;
    if (LoadProjectStream(doc, noise) == 0) ++opened;
  }
  EXPECT_EQ(opened, 0);
}
