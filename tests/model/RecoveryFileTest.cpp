// The recovery file: random documents come back equal in every field, and
// no damage to a file gets past the reader or crashes it.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "TestSupport.h"
#include "model/RecoveryFile.h"
#include "model/ZorvaDoc.h"

namespace {

using zorva::RecoveryFault;
using zorva::test::FakeDocumentHost;
using zorva::RecoveryOutputChoices;

std::string RandomBytes(std::mt19937& rng, size_t maxLen) {
  // Any byte: the texts travel as bytes whatever their charset.
  std::uniform_int_distribution<size_t> len(0, maxLen);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string s(len(rng), '\0');
  for (char& c : s) c = char(byte(rng));
  return s;
}

int32_t RandomInt(std::mt19937& rng) {
  return std::uniform_int_distribution<int32_t>(INT32_MIN, INT32_MAX)(rng);
}

void FillArea(std::mt19937& rng, CArea& a, int32_t type) {
  a.m_nType = type;
  a.m_bClosed = rng() & 1;
  const size_t points = rng() % 12;
  for (size_t i = 0; i < points; ++i) {
    a.m_listPoint.emplace_back(RandomInt(rng), RandomInt(rng));
    if (type == AREA_BEZIER) {
      a.m_listHandle1.emplace_back(RandomInt(rng), RandomInt(rng));
      a.m_listHandle2.emplace_back(RandomInt(rng), RandomInt(rng));
    }
  }
  a.m_rcBound = CRect(RandomInt(rng), RandomInt(rng), RandomInt(rng), RandomInt(rng));
  for (CString* s : {&a.m_strHref, &a.m_strTarget, &a.m_strAlt, &a.m_strOnClick, &a.m_strOnMouseOver,
                     &a.m_strOnMouseOut, &a.m_strComment, &a.m_strOtherAttrs})
    *s = RandomBytes(rng, 40);
  a.m_bJavaScript = rng() & 1;
  a.m_bReserved = rng() & 1;
  a.m_bHtmlShape = rng() & 1;
  a.m_bTailEnd = rng() & 1;
}

void FillDocument(std::mt19937& rng, CZorvaDoc& doc, RecoveryOutputChoices& out) {
  doc.SetPathName(RandomBytes(rng, 30));
  doc.SetTitle(RandomBytes(rng, 30));
  doc.m_nVersion = RandomInt(rng);
  for (CPoint* p : {&doc.m_ptPress, &doc.m_ptSpare1, &doc.m_ptSpare2, &doc.m_ptAnchor})
    *p = CPoint(RandomInt(rng), RandomInt(rng));
  const zorva::ECharset charsets[] = {zorva::ECharset::ShiftJis, zorva::ECharset::Utf8,
                                      zorva::ECharset::EucJp};
  doc.m_nCharset = charsets[rng() % 3];
  doc.m_strPicturePath = RandomBytes(rng, 30);
  doc.m_sizePicture = CSize{RandomInt(rng), RandomInt(rng)};
  if (rng() % 3) {
    // A page with its patch state, the offsets inside its text.
    doc.m_pszPageText = RandomBytes(rng, 3000);
    const int32_t size = int32_t(doc.m_pszPageText->size());
    auto pos = [&] { return int32_t(rng() % (size + 2)) - 1; };
    doc.m_bFromPage = rng() & 1;
    doc.m_nImgTagPos = pos();
    doc.m_nMapStartPos = pos();
    doc.m_nMapEndPos = pos();
    for (size_t i = rng() % 4; i > 0; --i) {
      const int32_t a = int32_t(rng() % (size + 1));
      doc.m_listMapKept.emplace_back(a, a + int32_t(rng() % (size - a + 1)));
    }
  }
  doc.m_strUseMap = RandomBytes(rng, 20);
  doc.m_bPageHasUseMap = rng() & 1;
  doc.m_strMapOtherAttrs = RandomBytes(rng, 20);
  doc.m_bPageSelfClosing = rng() & 1;
  for (size_t i = rng() % 4; i > 0; --i) doc.m_listScriptName.push_back(RandomBytes(rng, 10));
  out.newline = RandomBytes(rng, 3);
  for (int32_t* v : {&out.doctype, &out.charcode, &out.charcase, &out.mapForm, &out.svgHover})
    *v = RandomInt(rng);
  FillArea(rng, doc.m_areaDefault, AREA_DEFAULT);
  for (size_t i = rng() % 30; i > 0; --i) {
    auto area = std::make_unique<CArea>();
    FillArea(rng, *area, int32_t(rng() % 4));
    doc.m_listArea.push_back(std::move(area));
  }
  for (size_t i = rng() % 6; i > 0; --i) {
    auto guide = std::make_unique<CGuide>();
    guide->m_bHorizontal = rng() & 1;
    guide->m_nPos = RandomInt(rng);
    doc.m_listGuide.push_back(std::move(guide));
  }
}

std::vector<CPoint> Points(const CPointList& list) { return {list.begin(), list.end()}; }

void ExpectSameArea(const CArea& a, const CArea& b) {
  EXPECT_EQ(a.m_nType, b.m_nType);
  EXPECT_EQ(a.m_bClosed, b.m_bClosed);
  EXPECT_EQ(Points(a.m_listPoint), Points(b.m_listPoint));
  EXPECT_EQ(Points(a.m_listHandle1), Points(b.m_listHandle1));
  EXPECT_EQ(Points(a.m_listHandle2), Points(b.m_listHandle2));
  EXPECT_TRUE(a.m_rcBound.left == b.m_rcBound.left && a.m_rcBound.top == b.m_rcBound.top &&
              a.m_rcBound.right == b.m_rcBound.right && a.m_rcBound.bottom == b.m_rcBound.bottom);
  EXPECT_EQ(a.m_strHref, b.m_strHref);
  EXPECT_EQ(a.m_strTarget, b.m_strTarget);
  EXPECT_EQ(a.m_strAlt, b.m_strAlt);
  EXPECT_EQ(a.m_strOnClick, b.m_strOnClick);
  EXPECT_EQ(a.m_strOnMouseOver, b.m_strOnMouseOver);
  EXPECT_EQ(a.m_strOnMouseOut, b.m_strOnMouseOut);
  EXPECT_EQ(a.m_strComment, b.m_strComment);
  EXPECT_EQ(a.m_strOtherAttrs, b.m_strOtherAttrs);
  EXPECT_EQ(a.m_bJavaScript, b.m_bJavaScript);
  EXPECT_EQ(a.m_bReserved, b.m_bReserved);
  EXPECT_EQ(a.m_bHtmlShape, b.m_bHtmlShape);
  EXPECT_EQ(a.m_bTailEnd, b.m_bTailEnd);
}

void ExpectSameDocument(const CZorvaDoc& a, const CZorvaDoc& b) {
  EXPECT_EQ(a.GetPathName(), b.GetPathName());
  EXPECT_EQ(a.GetTitle(), b.GetTitle());
  EXPECT_EQ(a.m_nVersion, b.m_nVersion);
  EXPECT_EQ(a.m_ptPress, b.m_ptPress);
  EXPECT_EQ(a.m_ptSpare1, b.m_ptSpare1);
  EXPECT_EQ(a.m_ptSpare2, b.m_ptSpare2);
  EXPECT_EQ(a.m_ptAnchor, b.m_ptAnchor);
  EXPECT_EQ(a.m_nCharset, b.m_nCharset);
  EXPECT_EQ(a.m_strPicturePath, b.m_strPicturePath);
  EXPECT_EQ(a.m_sizePicture.cx, b.m_sizePicture.cx);
  EXPECT_EQ(a.m_sizePicture.cy, b.m_sizePicture.cy);
  EXPECT_EQ(a.m_bFromPage, b.m_bFromPage);
  EXPECT_EQ(a.m_nImgTagPos, b.m_nImgTagPos);
  EXPECT_EQ(a.m_nMapStartPos, b.m_nMapStartPos);
  EXPECT_EQ(a.m_nMapEndPos, b.m_nMapEndPos);
  EXPECT_EQ(a.m_strUseMap, b.m_strUseMap);
  EXPECT_EQ(a.m_bPageHasUseMap, b.m_bPageHasUseMap);
  EXPECT_EQ(a.m_strMapOtherAttrs, b.m_strMapOtherAttrs);
  EXPECT_EQ(a.m_listMapKept, b.m_listMapKept);
  EXPECT_EQ(a.m_bPageSelfClosing, b.m_bPageSelfClosing);
  EXPECT_EQ(a.m_pszPageText, b.m_pszPageText);
  EXPECT_EQ(a.m_listScriptName, b.m_listScriptName);
  ExpectSameArea(a.m_areaDefault, b.m_areaDefault);
  ASSERT_EQ(a.m_listArea.size(), b.m_listArea.size());
  for (size_t i = 0; i < a.m_listArea.size(); ++i) ExpectSameArea(*a.m_listArea.At(i), *b.m_listArea.At(i));
  ASSERT_EQ(a.m_listGuide.size(), b.m_listGuide.size());
  for (size_t i = 0; i < a.m_listGuide.size(); ++i) {
    EXPECT_EQ(a.m_listGuide.At(i)->m_bHorizontal, b.m_listGuide.At(i)->m_bHorizontal);
    EXPECT_EQ(a.m_listGuide.At(i)->m_nPos, b.m_listGuide.At(i)->m_nPos);
  }
}

std::string FileOf(const zorva::RecoveryBody& body, int64_t savedAt = 1700000000) {
  return zorva::RecoveryFileHead(body, savedAt) + body.Joined();
}

std::string FileOf(const std::string& bytes) {
  zorva::RecoveryBody body;
  body.front.Resize(bytes.size());
  if (!bytes.empty()) std::memcpy(body.front.Data(), bytes.data(), bytes.size());
  return FileOf(body);
}

zorva::RecoveryBody Snapshot(const CZorvaDoc& doc, const RecoveryOutputChoices& out) {
  zorva::RecoveryBody body;
  zorva::SnapshotDocument(doc, out, body);
  return body;
}

TEST(RecoveryFile, RandomDocumentsComeBackEqualInEveryField) {
  std::mt19937 rng(33);
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    FakeDocumentHost host;
    CZorvaDoc doc(&host), back(&host);
    RecoveryOutputChoices out, outBack;
    FillDocument(rng, doc, out);
    const int64_t savedAt = RandomInt(rng) * int64_t(1000);
    const std::string file = FileOf(Snapshot(doc, out), savedAt);

    std::string_view body;
    zorva::RecoverySummary summary;
    ASSERT_EQ(zorva::CheckRecoveryFile(file, body, summary), RecoveryFault::None);
    EXPECT_EQ(summary.savedAt, savedAt);
    EXPECT_EQ(summary.pathName, doc.GetPathName());
    EXPECT_EQ(summary.title, doc.GetTitle());
    EXPECT_EQ(summary.areaCount, doc.m_listArea.size());
    ASSERT_EQ(zorva::RestoreDocument(body, back, outBack), RecoveryFault::None);
    ExpectSameDocument(doc, back);
    EXPECT_EQ(out, outBack);
  }
}

TEST(RecoveryFile, ASnapshotSharesThePageTextOnlyWhileItIsTheDocumentsStill) {
  FakeDocumentHost host;
  CZorvaDoc doc(&host);
  doc.m_pszPageText = std::string(5000, 'a');
  zorva::RecoveryBody body;
  zorva::SnapshotDocument(doc, {}, body);
  const auto first = body.page;
  zorva::SnapshotDocument(doc, {}, body);
  EXPECT_EQ(body.page, first);  // not copied again
  // Another page of the same length, wherever it lies, is taken anew.
  (*doc.m_pszPageText)[4999] = 'b';
  zorva::SnapshotDocument(doc, {}, body);
  EXPECT_NE(body.page, first);
  EXPECT_EQ(*body.page, *doc.m_pszPageText);
  doc.m_pszPageText.reset();
  zorva::SnapshotDocument(doc, {}, body);
  EXPECT_EQ(body.page, nullptr);
}

TEST(RecoveryFile, EveryFaultOfTheFileIsNamed) {
  std::mt19937 rng(7);
  FakeDocumentHost host;
  CZorvaDoc doc(&host);
  RecoveryOutputChoices out;
  FillDocument(rng, doc, out);
  const std::string file = FileOf(Snapshot(doc, out));
  std::string later = file;
  later[16] = char(zorva::kRecoveryFormatVersion + 1);
  std::string flipped = file;
  flipped[file.size() / 2] ^= 0x20;
  const struct {
    const char* what;
    std::string bytes;
    RecoveryFault fault;
  } cases[] = {
      {"empty", "", RecoveryFault::CutShort},
      {"within the magic", file.substr(0, 9), RecoveryFault::CutShort},
      {"within the head", file.substr(0, 30), RecoveryFault::CutShort},
      {"within the body", file.substr(0, file.size() - 1), RecoveryFault::CutShort},
      {"another file", "<html><body>not ours at all</body></html>", RecoveryFault::Damaged},
      {"a byte changed", flipped, RecoveryFault::Damaged},
      {"bytes after the body", file + "x", RecoveryFault::Damaged},
      {"a later version", later, RecoveryFault::LaterVersion},
  };
  for (const auto& c : cases) {
    std::string_view view;
    zorva::RecoverySummary summary;
    EXPECT_EQ(zorva::CheckRecoveryFile(c.bytes, view, summary), c.fault) << c.what;
  }
}

TEST(RecoveryFile, ABodyOutOfFormIsRefusedWithoutHarmWhateverItsChecksum) {
  // A checksum is no proof against a file made to fool it: every byte of the
  // body is read as if it could be anything.
  std::mt19937 rng(5);
  size_t refused = 0;
  for (int round = 0; round < 400; ++round) {
    FakeDocumentHost host;
    CZorvaDoc doc(&host), back(&host);
    RecoveryOutputChoices out;
    FillDocument(rng, doc, out);
    std::string body = Snapshot(doc, out).Joined();
    switch (round % 3) {
      case 0: body[rng() % body.size()] = char(rng()); break;
      case 1: body.resize(rng() % body.size()); break;
      default:
        for (int i = 0; i < 8; ++i) body[rng() % body.size()] = char(0xFF);
        break;
    }
    const std::string file = FileOf(body);
    std::string_view view;
    zorva::RecoverySummary summary;
    if (zorva::CheckRecoveryFile(file, view, summary) != RecoveryFault::None) {
      ++refused;
      continue;
    }
    if (zorva::RestoreDocument(view, back, out) != RecoveryFault::None) {
      ++refused;
      EXPECT_TRUE(back.m_listArea.empty());
      EXPECT_FALSE(back.m_pszPageText.has_value());
      continue;
    }
    // What is taken must hold what the editing code relies on.
    for (const CArea* a : back.m_listArea) {
      EXPECT_NE(a->m_nType, AREA_DEFAULT);
      if (a->m_nType != AREA_BEZIER) {
        EXPECT_TRUE(a->m_listHandle1.empty());
      }
    }
    if (back.m_bFromPage) {
      ASSERT_TRUE(back.m_pszPageText.has_value());
    }
    for (const auto& [b, e] : back.m_listMapKept)
      EXPECT_TRUE(0 <= b && b <= e && size_t(e) <= back.m_pszPageText->size());
  }
  EXPECT_GT(refused, 200u);
}

}  // namespace
