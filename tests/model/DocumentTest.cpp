#include <gtest/gtest.h>

#include "TestSupport.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/StringTable.h"

namespace {

// Counts live areas so the ownership rules can be checked without a leak tool.
int g_liveAreas = 0;
class CountedArea : public CArea {
 public:
  CountedArea() { ++g_liveAreas; }
  ~CountedArea() override { --g_liveAreas; }
};

CArea* AddArea(CZorvaDoc& doc, int x) {
  CArea* a = new CountedArea;
  a->m_nType = AREA_RECT;
  a->m_bClosed = true;
  a->AddPoint(x, x);
  a->AddPoint(x + 10, x + 10);
  doc.m_listArea.push_back(std::unique_ptr<CArea>(a));
  doc.PushAreaAdded(a, nullptr);
  return a;
}

// Applies records as the view does, reduced to the list moves.
class ListTarget : public IUndoTarget {
 public:
  explicit ListTarget(CZorvaDoc& doc) : m_doc(doc) {}
  void Insert(std::unique_ptr<CArea> area, size_t pos) override { m_doc.m_listArea.InsertAt(std::move(area), pos); }
  void Insert(std::unique_ptr<CGuide> guide, size_t) override { m_doc.m_listGuide.push_back(std::move(guide)); }
  std::unique_ptr<CArea> Remove(CArea* area, CArea*) override { return m_doc.m_listArea.Take(area); }
  std::unique_ptr<CGuide> Remove(CGuide* guide, CArea*) override { return m_doc.m_listGuide.Take(guide); }
  void Exchange(CArea& live, CArea& copy) override {
    CArea temp;
    temp.CopyFrom(live);
    live.CopyFrom(copy);
    copy.CopyFrom(temp);
  }
  void Exchange(CGuide& live, CGuide& copy) override { std::swap(live.m_nPos, copy.m_nPos); }
  size_t Count(const CArea*) const override { return m_doc.m_listArea.size(); }
  size_t Count(const CGuide*) const override { return m_doc.m_listGuide.size(); }

 private:
  CZorvaDoc& m_doc;
};

void UndoAddition(CZorvaDoc& doc) {
  ListTarget target(doc);
  ASSERT_NE(doc.RecordToUndo(), nullptr);
  doc.RecordToUndo()->Undo(target);
  doc.StepBack();
}
void RedoAddition(CZorvaDoc& doc) {
  ListTarget target(doc);
  ASSERT_TRUE(doc.StepForward());
  doc.RecordToUndo()->Redo(target);
}

}  // namespace

TEST(Document, ConstructionGivesTheDefaultAreaItsComment) {
  CZorvaDoc doc;
  EXPECT_EQ(doc.m_nVersion, 78);
  EXPECT_EQ(zorva::Cp932ToUtf8(doc.m_areaDefault.m_strComment), "デフォルトエリア");
  EXPECT_EQ(doc.m_areaDefault.m_nType, AREA_DEFAULT);
  EXPECT_EQ(doc.m_nImgTagPos, -1);
  EXPECT_EQ(doc.m_nMapStartPos, -1);
  EXPECT_EQ(doc.m_nMapEndPos, -1);
  EXPECT_FALSE(doc.IsModified());
}

TEST(Document, PointSelectionToggleRebindOffset) {
  CZorvaDoc doc;
  CArea a;
  CPoint* p = a.AddPoint(1, 2);
  EXPECT_TRUE(doc.TogglePointSel(p));
  EXPECT_FALSE(doc.TogglePointSel(p));
  EXPECT_TRUE(doc.m_listSelPoint.empty());
  doc.TogglePointSel(p);
  CArea copy;
  copy.CopyFrom(a);
  CPoint* q = &copy.m_listPoint.front();
  EXPECT_TRUE(doc.IsPointSel(q));  // equal coordinates count
  doc.RebindPointSel(q);
  EXPECT_EQ(doc.m_listSelPoint.front(), q);
  doc.OffsetPointSel(3, 4);
  EXPECT_EQ(*q, CPoint(4, 6));
  EXPECT_EQ(*p, CPoint(1, 2));
}

TEST(Document, ClearingEmptiesLinksButKeepsTheDefaultComment) {
  CZorvaDoc doc;
  doc.m_areaDefault.m_strHref = "x.html";
  doc.m_areaDefault.m_strTarget = "t";
  doc.m_areaDefault.m_strAlt = "a";
  doc.m_areaDefault.m_bJavaScript = true;
  doc.m_areaDefault.m_strOnClick = "c";
  doc.m_bFromPage = true;
  doc.m_nImgTagPos = 5;
  doc.m_pszPageText = "page";
  doc.m_listScriptName.push_back("f;");
  doc.m_strPicturePath = "/p/a.jpg";
  doc.m_sizePicture = {10, 20};
  doc.m_listGuide.push_back(std::make_unique<CGuide>());
  doc.DeleteContents();
  EXPECT_TRUE(doc.m_areaDefault.m_strHref.empty() && doc.m_areaDefault.m_strTarget.empty() &&
              doc.m_areaDefault.m_strAlt.empty() && doc.m_areaDefault.m_strOnClick.empty());
  EXPECT_FALSE(doc.m_areaDefault.m_bJavaScript);
  // Cleared contents are new contents, in UTF-8.
  EXPECT_EQ(doc.m_nCharset, zorva::ECharset::Utf8);
  EXPECT_EQ(doc.m_areaDefault.m_strComment, "デフォルトエリア");
  EXPECT_FALSE(doc.m_bFromPage);
  EXPECT_EQ(doc.m_nImgTagPos, -1);
  EXPECT_FALSE(doc.m_pszPageText.has_value());
  EXPECT_TRUE(doc.m_listScriptName.empty() && doc.m_listGuide.empty());
  // The picture stays.
  EXPECT_EQ(doc.m_strPicturePath, "/p/a.jpg");
  EXPECT_EQ(doc.m_sizePicture, (CSize{10, 20}));
}

TEST(DocumentUndo, ThreeAdditionsUndoneAndRedoneInOrder) {
  CZorvaDoc doc;
  CArea* a1 = AddArea(doc, 1);
  CArea* a2 = AddArea(doc, 2);
  CArea* a3 = AddArea(doc, 3);
  for (int i = 0; i < 3; ++i) UndoAddition(doc);
  EXPECT_TRUE(doc.m_listArea.empty());
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_TRUE(doc.CanRedo());
  EXPECT_FALSE(doc.IsModified());
  for (int i = 0; i < 3; ++i) RedoAddition(doc);
  EXPECT_EQ(std::vector<CArea*>(doc.m_listArea.begin(), doc.m_listArea.end()), (std::vector<CArea*>{a1, a2, a3}));
  EXPECT_FALSE(doc.CanRedo());
  EXPECT_FALSE(doc.StepForward());
  EXPECT_TRUE(doc.IsModified());
}

TEST(DocumentUndo, NewEditDiscardsAndDeletesTheUndoneAddition) {
  g_liveAreas = 0;
  {
    CZorvaDoc doc;
    AddArea(doc, 1);
    AddArea(doc, 2);
    UndoAddition(doc);
    EXPECT_EQ(g_liveAreas, 2);
    AddArea(doc, 3);
    EXPECT_EQ(g_liveAreas, 2);  // the undone area is gone for good
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_EQ(doc.m_listUndo.size(), 2u);
  }
  EXPECT_EQ(g_liveAreas, 0);
}

TEST(DocumentUndo, ClearingDeletesWhatEachRecordOwns) {
  g_liveAreas = 0;
  CZorvaDoc doc;
  CArea* live = AddArea(doc, 1);
  // A change record owning a copy.
  auto copy = std::make_unique<CountedArea>();
  copy->CopyFrom(*live);
  doc.PushAreaChanged(live, std::move(copy));
  // A deletion record owning the removed area.
  CArea* removed = AddArea(doc, 5);
  doc.PushAreaRemoved(doc.m_listArea.Take(removed), 1);
  // One undone addition.
  AddArea(doc, 9);
  UndoAddition(doc);
  EXPECT_EQ(g_liveAreas, 4);  // live, copy, removed, undone addition
  doc.DeleteContents();
  EXPECT_EQ(g_liveAreas, 0);
  EXPECT_EQ(doc.RecordToUndo(), nullptr);
  EXPECT_EQ(doc.m_nSavedPos, 0u);
  EXPECT_FALSE(doc.CanUndo());
}

TEST(DocumentUndo, ModifiedFlagFollowsTheSavedRecord) {
  CZorvaDoc doc;
  AddArea(doc, 1);
  UndoAddition(doc);  // back to the opened state
  EXPECT_FALSE(doc.IsModified());
  RedoAddition(doc);
  EXPECT_TRUE(doc.IsModified());
  AddArea(doc, 2);
  UndoAddition(doc);
  EXPECT_TRUE(doc.IsModified());  // one edit is still applied

  // Saving makes the current record the saved one.
  doc.MarkSaved();
  doc.SetModifiedFlag(false);
  AddArea(doc, 3);
  EXPECT_TRUE(doc.IsModified());
  UndoAddition(doc);
  EXPECT_FALSE(doc.IsModified());
}

TEST(DocumentUndo, DiscardedSavedRecordKeepsTheDocumentModified) {
  CZorvaDoc doc;
  AddArea(doc, 1);
  AddArea(doc, 2);
  doc.MarkSaved();
  doc.SetModifiedFlag(false);
  UndoAddition(doc);
  EXPECT_TRUE(doc.IsModified());
  AddArea(doc, 3);  // discards the saved record
  EXPECT_EQ(doc.m_nSavedPos, CZorvaDoc::kDiscardedSavedPos);
  UndoAddition(doc);
  UndoAddition(doc);
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_TRUE(doc.IsModified());  // never equal to the saved position again
  RedoAddition(doc);
  RedoAddition(doc);
  EXPECT_TRUE(doc.IsModified());
}

TEST(DocumentUndo, StepBackFromFirstRecordMakesCursorNull) {
  CZorvaDoc doc;
  AddArea(doc, 1);
  doc.StepBack();
  EXPECT_EQ(doc.RecordToUndo(), nullptr);
  EXPECT_FALSE(doc.IsModified());
  doc.StepBack();  // nothing more to step back to
  EXPECT_EQ(doc.RecordToUndo(), nullptr);
}

TEST(DocumentNew, PreviewPathFromThePictureFolder) {
  zorva::test::FakeDocumentHost host;
  CZorvaDoc doc(&host);
  doc.m_strPicturePath = "D:\\img\\photo.jpg";
  ASSERT_TRUE(doc.OnNewDocument());
  EXPECT_EQ(doc.m_strPreviewPath, "D:\\img\\~zvaprvw.html");
  EXPECT_EQ(zorva::Cp932ToUtf8(doc.GetTitle()), "名称未設定");
  EXPECT_EQ(host.scriptListClears, 1);
  doc.m_strPicturePath = "photo.jpg";
  doc.OnNewDocument();
  EXPECT_EQ(doc.m_strPreviewPath, "~zvaprvw.html");
}

TEST(DocumentNew, ExistingPreviewFileIsDeleted) {
  zorva::test::TempDir dir;
  std::string preview = dir.File("~zvaprvw.html");
  zorva::test::WriteFileBytes(preview, "old");
  CZorvaDoc doc;
  doc.m_strPreviewPath = preview;
  doc.m_strPicturePath = dir.File("a.jpg");
  doc.OnNewDocument();
  EXPECT_FALSE(std::filesystem::exists(preview));
  EXPECT_EQ(doc.m_strPreviewPath, preview);
}

TEST(Guide, HitBandIsFiveEachSide) {
  CGuide g;
  g.m_bHorizontal = true;
  g.m_nPos = 100;
  EXPECT_TRUE(g.HitTest(0, 95));
  EXPECT_TRUE(g.HitTest(0, 105));
  EXPECT_FALSE(g.HitTest(0, 106));
  EXPECT_FALSE(g.HitTest(100, 94));
  g.m_bHorizontal = false;
  EXPECT_TRUE(g.HitTest(105, 0));
  EXPECT_FALSE(g.HitTest(106, 100));
}

TEST(DocumentProgress, RoutedToTheHost) {
  zorva::test::FakeDocumentHost host;
  CZorvaDoc doc(&host);
  doc.BeginProgress("loading");
  doc.SetProgress(5);
  doc.EndProgress();
  EXPECT_EQ(host.progressTexts, std::vector<std::string>{"loading"});
  EXPECT_EQ(host.progressValues, std::vector<int>{5});
  EXPECT_EQ(host.progressEnds, 1);
  doc.ReportMessage(61858, {"x.zvf"});
  ASSERT_EQ(host.MessageIds(), std::vector<unsigned>{61858});
  EXPECT_EQ(host.Messages()[0].text, "x.zvf が見つかりませんでした。");
}
