#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "tests/model/ProjectBytes.h"
#include "TestSupport.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/ReplacingFile.h"
#include "platform/StringTable.h"

using zorva::test::Bytes;
using zorva::test::FakeDocumentHost;
using zorva::test::ReadFileBytes;
using zorva::test::RectangleAndGuideFile;
using zorva::test::TempDir;
using zorva::test::WriteFileBytes;

namespace {

class RecordingLoader : public IPictureLoader {
 public:
  void Start(CZorvaDoc& doc, PictureFormat format) override {
    started.push_back({doc.m_strPicturePath, format});
  }
  std::vector<std::pair<CString, PictureFormat>> started;
};

struct OpenSave : ::testing::Test {
  FakeDocumentHost host;
  RecordingLoader loader;
  CZorvaDoc doc{&host};
  TempDir dir;
  OpenSave() { doc.SetPictureLoader(&loader); }

  CArea* AddRect(int x) {
    auto* a = new CArea;
    a->m_nType = AREA_RECT;
    a->m_bClosed = true;
    a->AddPoint(x, x);
    a->AddPoint(x + 10, x + 10);
    doc.m_listArea.push_back(std::unique_ptr<CArea>(a));
    return a;
  }
  // A project file naming `picture`, with one rectangle.
  std::string WriteProject(const std::string& name, const std::string& picture) {
    std::string bytes = RectangleAndGuideFile();
    bytes.replace(4, 10, std::string(1, char(picture.size())) + picture);
    WriteFileBytes(dir.File(name), bytes);
    return dir.File(name);
  }
};

}  // namespace

TEST_F(OpenSave, PicturesAreChosenByExtensionInAnyCase) {
  EXPECT_TRUE(doc.OnOpenDocument(dir.File("PICTURE.Png")));
  EXPECT_TRUE(doc.OnOpenDocument(dir.File("photo.jpg")));
  ASSERT_EQ(loader.started.size(), 2u);
  EXPECT_EQ(loader.started[0].second, PictureFormat::Png);
  EXPECT_EQ(loader.started[1].first, dir.File("photo.jpg"));
  EXPECT_EQ(loader.started[1].second, PictureFormat::Jpeg);
  EXPECT_EQ(doc.m_strPicturePath, dir.File("photo.jpg"));
  EXPECT_TRUE(doc.GetPathName().empty());
  EXPECT_EQ(host.scriptListClears, 4);  // each open and its new-document step

  // Every other extension is refused and changes nothing.
  AddRect(1);
  const std::pair<const char*, unsigned> refused[] = {{"a.txt", 61213}, {"a.jpe", 61213}, {"noext", 61213}};
  for (const auto& [name, id] : refused) {
    host.messages.clear();
    EXPECT_FALSE(doc.OnOpenDocument(dir.File(name))) << name;
    EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{id}) << name;
  }
  EXPECT_EQ(doc.m_listArea.size(), 1u);
  EXPECT_EQ(doc.m_strPicturePath, dir.File("photo.jpg"));
  EXPECT_EQ(loader.started.size(), 2u);

  // A JPEG's other ending, as cameras and other systems write it.
  EXPECT_TRUE(doc.OnOpenDocument(dir.File("camera.JPEG")));
  ASSERT_EQ(loader.started.size(), 3u);
  EXPECT_EQ(loader.started[2].second, PictureFormat::Jpeg);

  // GIF pictures open as the decoder reads them, in either case.
  host.messages.clear();
  EXPECT_TRUE(doc.OnOpenDocument(dir.File("anim.GIF")));
  ASSERT_EQ(loader.started.size(), 4u);
  EXPECT_EQ(loader.started[3].second, PictureFormat::Gif);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(OpenSave, ProjectFileResolvesItsPictureAndStartsTheLoaderByItsEnding) {
  std::filesystem::create_directory(dir.path() / "maps");
  std::string file = WriteProject("maps/site.ZVF", "../img/a.jpg");
  doc.SetModifiedFlag(true);
  ASSERT_TRUE(doc.OnOpenDocument(file));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(doc.m_strPicturePath, dir.File("img/a.jpg"));
  ASSERT_EQ(loader.started.size(), 1u);
  EXPECT_EQ(loader.started[0].second, PictureFormat::Jpeg);
  EXPECT_EQ(doc.m_listArea.size(), 1u);
  EXPECT_EQ(doc.GetPathName(), file);
  EXPECT_EQ(doc.GetTitle(), file);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.m_strPreviewPath, dir.File("maps/") + "~zvaprvw.html");

  // An absolute picture path is kept; "gif" and "png" endings pick their loaders.
  ASSERT_TRUE(doc.OnOpenDocument(WriteProject("b.zvf", "/pics/x.gif")));
  EXPECT_EQ(doc.m_strPicturePath, "/pics/x.gif");
  ASSERT_TRUE(doc.OnOpenDocument(WriteProject("c.zvf", "x.Png")));
  ASSERT_EQ(loader.started.size(), 3u);
  EXPECT_EQ(loader.started[1].second, PictureFormat::Gif);
  EXPECT_EQ(loader.started[2].second, PictureFormat::Png);
  EXPECT_EQ(loader.started[2].first, dir.File("x.Png"));
}

TEST_F(OpenSave, AProjectsPictureLoadsByEveryEndingTheEditorOpens) {
  ASSERT_TRUE(doc.OnOpenDocument(dir.File("photo.jpg")));
  ASSERT_TRUE(doc.m_bPictureLoaded);
  ASSERT_TRUE(doc.OnOpenDocument(WriteProject("a.zvf", "img/a.jpeg")));
  EXPECT_EQ(doc.m_listArea.size(), 1u);
  EXPECT_EQ(doc.m_listGuide.size(), 1u);
  ASSERT_EQ(loader.started.size(), 2u);
  EXPECT_EQ(loader.started[1].second, PictureFormat::Jpeg);
  // One the editor cannot show is not replaced by the picture opened before.
  ASSERT_TRUE(doc.OnOpenDocument(WriteProject("b.zvf", "img/a.bmp")));
  EXPECT_EQ(loader.started.size(), 2u);
  EXPECT_FALSE(doc.m_bPictureLoaded);
}

TEST_F(OpenSave, ProjectFilesThatFailLeaveAnEmptyUntitledDocument) {
  std::string good = WriteProject("good.zvf", "a.png");
  ASSERT_TRUE(doc.OnOpenDocument(good));
  std::string cut = dir.File("cut.zvf");
  WriteFileBytes(cut, RectangleAndGuideFile().substr(0, 100));
  EXPECT_FALSE(doc.OnOpenDocument(cut));
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61728});
  EXPECT_TRUE(doc.m_listArea.empty());
  EXPECT_TRUE(doc.m_listGuide.empty());
  EXPECT_TRUE(doc.GetPathName().empty());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.m_strPicturePath, dir.File("a.png"));

  // A file that cannot be read names itself in the file-system text.
  host.messages.clear();
  std::string missing = dir.File("\xE3\x81\x82missing.zvf");  // "あ" as the file system spells it
  auto cp932 = zorva::Utf8ToCp932(missing);
  ASSERT_TRUE(cp932);
  EXPECT_FALSE(doc.OnOpenDocument(*cp932));
  ASSERT_EQ(host.Messages().size(), 1u);
  EXPECT_EQ(host.Messages()[0].id, 61858u);
  EXPECT_EQ(host.Messages()[0].text, missing + " が見つかりませんでした。");

  host.messages.clear();
  std::filesystem::create_directory(dir.path() / "folder.zvf");
  EXPECT_FALSE(doc.OnOpenDocument(dir.File("folder.zvf")));
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61861});
}

TEST_F(OpenSave, EmptyProjectFileOpensWithClearedContents) {
  AddRect(1);
  WriteFileBytes(dir.File("empty.zvf"), "");
  ASSERT_TRUE(doc.OnOpenDocument(dir.File("empty.zvf")));
  EXPECT_TRUE(doc.m_listArea.empty());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(loader.started.empty());
}

TEST_F(OpenSave, OpeningDeletesAnOldPreviewPageAndWaitsForTheMainWindow) {
  WriteFileBytes(dir.File("~zvaprvw.html"), "old");
  ASSERT_TRUE(doc.OnOpenDocument(dir.File("a.jpg")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("~zvaprvw.html")));

  host.hasMainWindow = false;
  EXPECT_TRUE(doc.OnOpenDocument(dir.File("later.zvf")));
  EXPECT_EQ(doc.m_strStartFile, dir.File("later.zvf"));
  EXPECT_EQ(loader.started.size(), 1u);
}

TEST_F(OpenSave, SavingForcesTheExtensionAndStoresThePictureRelatively) {
  std::filesystem::create_directory(dir.path() / "maps");
  doc.m_strPicturePath = dir.File("maps/img/a.jpg");
  doc.m_sizePicture = {100, 50};
  CArea* a = AddRect(10);
  a->m_strHref = "a.html";
  doc.SetModifiedFlag(true);
  for (const char* name : {"maps/site.ZVF", "maps/site.txt", "maps/site"}) {
    ASSERT_TRUE(doc.OnSaveDocument(dir.File(name))) << name;
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), dir.File("maps/site.zvf"));
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("maps/site.txt")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("maps/site.ZVF")));
  std::string bytes = ReadFileBytes(dir.File("maps/site.zvf"));
  EXPECT_EQ(bytes.substr(4, 10), Bytes("09 'img/a.jpg'"));

  // The document keeps the absolute path, so saving elsewhere still reaches it.
  EXPECT_EQ(doc.m_strPicturePath, dir.File("maps/img/a.jpg"));
  ASSERT_TRUE(doc.OnSaveDocument(dir.File("other.zvf")));
  EXPECT_EQ(ReadFileBytes(dir.File("other.zvf")).substr(4, 15), Bytes("0E 'maps/img/a.jpg'"));
  CZorvaDoc back(&host);
  ASSERT_TRUE(back.OnOpenDocument(dir.File("other.zvf")));
  EXPECT_EQ(back.m_strPicturePath, dir.File("maps/img/a.jpg"));
  ASSERT_EQ(back.m_listArea.size(), 1u);
  EXPECT_EQ(back.m_listArea.front()->m_strHref, "a.html");
}

TEST_F(OpenSave, ASuccessfulSaveBecomesTheUndoHistorysSavedState) {
  CArea* area = AddRect(1);
  doc.PushAreaChanged(area, std::make_unique<CArea>());
  ASSERT_TRUE(doc.OnSaveDocument(dir.File("a.zvf")));
  EXPECT_FALSE(doc.IsModified());
  doc.PushAreaChanged(area, std::make_unique<CArea>());
  EXPECT_TRUE(doc.IsModified());
  doc.StepBack();
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(OpenSave, AFailedSaveKeepsThePreviousFileAndTheModifiedFlag) {
  std::string target = dir.File("a.zvf");
  WriteFileBytes(target, "previous");
  doc.SetModifiedFlag(true);
  for (int i = 0; i < 100; ++i) AddRect(i);
  // The write stops at a file-size limit part of the way through.
  bool saved = true;
  zorva::test::WithFileSizeLimit(1000, [&] { saved = doc.OnSaveDocument(target); });
  EXPECT_FALSE(saved);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61869});
  EXPECT_EQ(ReadFileBytes(target), "previous");
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                          std::filesystem::directory_iterator()),
            1);

  host.messages.clear();
  EXPECT_FALSE(doc.OnSaveDocument(dir.File("no/such/folder/a.zvf")));
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61858});
  EXPECT_TRUE(doc.IsModified());
}

namespace {
int FailingFlush(int) {
  errno = EIO;
  return -1;
}
}  // namespace

TEST_F(OpenSave, ASaveWhoseBytesCannotBeFlushedToTheDiskFails) {
  // The disk refusing the flush is as much a failed save as a failed write.
  std::string target = dir.File("a.zvf");
  WriteFileBytes(target, "previous");
  AddRect(5);
  doc.SetModifiedFlag(true);
  const zorva::FlushFunction before = zorva::SetFlushFunction(&FailingFlush);
  const bool saved = doc.OnSaveDocument(target);
  zorva::SetFlushFunction(before);
  EXPECT_FALSE(saved);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61866});
  EXPECT_EQ(ReadFileBytes(target), "previous");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), std::filesystem::directory_iterator()), 1);
}

TEST_F(OpenSave, OpeningWhatIsNotAProjectFileFailsAtOnceLeavingNoContents) {
  std::filesystem::create_symlink("/dev/zero", dir.path() / "zero.zvf");
  std::filesystem::create_directory(dir.path() / "folder.zvf");
  const std::pair<const char*, unsigned> cases[] = {{"zero.zvf", 61862}, {"folder.zvf", 61861}};
  for (const auto& [name, message] : cases) {
    AddRect(1);
    host.messages.clear();
    EXPECT_FALSE(doc.OnOpenDocument(dir.File(name))) << name;
    EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{message}) << name;
    EXPECT_TRUE(doc.m_listArea.empty()) << name;
    EXPECT_TRUE(doc.GetPathName().empty()) << name;
  }
}
