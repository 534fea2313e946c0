#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <QtTest/QTest>
#include <deque>
#include <filesystem>
#include <optional>

#include "FrameTestSupport.h"
#include "TestSupport.h"
#include "app/FileCommands.h"
#include "app/FileDialogs.h"
#include "app/FrameEvents.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/SettingsStore.h"
#include "ui/MainFrame.h"
#include "ui/PropertyBar.h"
#include "ui/ZorvaViewWidget.h"
#include "view/CommandIds.h"
#include "view/ViewPanel.h"

namespace {

using zorva::test::FakeDocumentHost;
using zorva::test::TempDir;

const char kHtmlFirst[] =
    "HTMLﾌｧｲﾙ (*.html,*.htm)|*.html;*.htm|ZORVAﾌｧｲﾙ (*.zvf)|*.zvf|全てのﾌｧｲﾙ (*.*)|*.*||";
const char kProjectFirst[] =
    "ZORVAﾌｧｲﾙ (*.zvf)|*.zvf|HTMLﾌｧｲﾙ (*.html,*.htm)|*.html;*.htm|全てのﾌｧｲﾙ (*.*)|*.*||";
const char kPictures[] =
    "JPEGﾌｧｲﾙ (*.jpg)|*.jpg|PNGﾌｧｲﾙ (*.png)|*.png|Compuserve GIFﾌｧｲﾙ (*.gif)|*.gif|全てのﾌｧｲﾙ (*.*)|*.*||";

void EnsureApplication() {
  zorva::test::EnsureQApplication();
  // Windows closed by the tests must not end anything.
  QApplication::setQuitOnLastWindowClosed(false);
}

// Answers the file dialogs from a queue (an empty queue cancels) and keeps
// what each dialog was asked with.
struct ScriptedDialogs : IFileDialogs {
  struct Asked {
    bool save;
    FileDialogRequest request;
  };
  std::optional<std::string> GetOpenFileName(const FileDialogRequest& r) override { return Next(false, r); }
  std::optional<std::string> GetSaveFileName(const FileDialogRequest& r) override { return Next(true, r); }
  std::optional<std::string> Next(bool save, const FileDialogRequest& r) {
    asked.push_back({save, r});
    std::optional<std::string> a;
    if (!answers.empty()) a = answers.front(), answers.pop_front();
    return a;
  }
  std::deque<std::optional<std::string>> answers;
  std::vector<Asked> asked;
};

// Starts no decoding; the document counts the picture as loading.
class RecordingLoader : public IPictureLoader {
 public:
  void Start(CZorvaDoc& doc, PictureFormat) override { started.push_back(doc.m_strPicturePath); }
  std::vector<CString> started;
};

class FileCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    doc.SetPictureLoader(&loader);
    doc.SetSettingsStore(&store);
    doc.OnNewDocument();
    frame = std::make_unique<CMainFrame>(doc, &store);
    cmds = std::make_unique<CFileCommands>(doc, *frame, dialogs, &store);
    cmds->SetExitHandler([this](int code) { exits.push_back(code); });
    frame->AddCommandTarget(cmds.get());
    new CFrameEvents(*frame, *cmds);
    frame->show();
  }
  void TearDown() override {
    frame.reset();
    cmds.reset();
  }

  std::string Picture(const std::string& name) {
    zorva::test::WriteFileBytes(dir.File(name), "not decoded here");
    return dir.File(name);
  }
  // A picture started with New, as a user begins.
  void StartFromPicture() {
    dialogs.answers.push_back(Picture("photo.png"));
    ASSERT_TRUE(frame->RouteCommand(ID_FILE_NEW));
    dialogs.asked.clear();
  }
  void Edit() {
    auto* guide = new CGuide;
    doc.m_listGuide.push_back(std::unique_ptr<CGuide>(guide));
    doc.PushGuideAdded(guide);
  }
  bool SaveEnabled() {
    CCmdState s;
    EXPECT_TRUE(frame->RouteUpdate(ID_FILE_SAVE, s));
    return s.enabled;
  }
  std::string Path() { return zorva::Cp932ToUtf8(doc.GetPathName()); }
  std::string Recent(int n) { return store.GetString("Recent File List", "File" + std::to_string(n), "?"); }
  static void Settle() { QCoreApplication::processEvents(); }

  TempDir dir;
  FakeDocumentHost host;
  CZorvaDoc doc{&host};
  RecordingLoader loader;
  zorva::CMemorySettingsStore store;
  ScriptedDialogs dialogs;
  std::unique_ptr<CMainFrame> frame;
  std::unique_ptr<CFileCommands> cmds;
  std::vector<int> exits;
};

TEST_F(FileCommandsTest, AskingToSaveStopsTheCommandUnlessTheWorkIsSavedOrGivenUp) {
  struct Case {
    const char* name;
    bool byCloseBox;  // the window's close box instead of Exit
    int answer;
    std::optional<std::string> saveAs;  // the Save As dialog's answer
    bool closes;
  };
  const Case cases[] = {
      {"yes, save as cancelled", false, IDYES, std::nullopt, false},
      {"yes, saved as a page", false, IDYES, "kept.html", true},
      {"yes, unsavable name", true, IDYES, "kept.txt", false},
      {"no", false, IDNO, std::nullopt, true},
      {"cancel", false, IDCANCEL, std::nullopt, false},
      {"close box, cancel", true, IDCANCEL, std::nullopt, false},
      {"close box, no", true, IDNO, std::nullopt, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    doc.SetModifiedFlag(false);
    StartFromPicture();
    Edit();
    frame->show();
    host.messages.clear();
    host.messageAnswers = {c.answer};
    if (c.saveAs) dialogs.answers.push_back(dir.File(*c.saveAs));
    if (c.byCloseBox) frame->close();
    else frame->RouteCommand(ID_APP_EXIT);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages[0].id, 61209u);
    EXPECT_EQ(frame->isVisible(), !c.closes);
    // The question is asked once, also when Exit closes the window.
    EXPECT_EQ(std::count_if(host.messages.begin(), host.messages.end(),
                            [](const auto& m) { return m.id == 61209u; }),
              1);
    EXPECT_EQ(doc.IsModified(), c.answer != IDYES || !c.closes);
  }
}

TEST_F(FileCommandsTest, SaveOfAPictureStartedWithNewAsksForAPageName) {
  StartFromPicture();
  EXPECT_TRUE(Path().empty());
  EXPECT_FALSE(SaveEnabled());
  Edit();
  ASSERT_TRUE(SaveEnabled());
  dialogs.answers.push_back(dir.File("page.html"));
  frame->RouteCommand(ID_FILE_SAVE);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  const FileDialogRequest& asked = dialogs.asked[0].request;
  EXPECT_TRUE(dialogs.asked[0].save);
  EXPECT_EQ(asked.initialName, "名称未設定");
  EXPECT_EQ(asked.filter, kHtmlFirst);
  EXPECT_EQ(asked.defaultExt, "html");
  EXPECT_NE(zorva::test::ReadFileBytes(dir.File("page.html")).find("photo.png"), std::string::npos);
  EXPECT_FALSE(doc.IsModified());
  // The title marks unsaved changes the Qt way, and only while there are any.
  EXPECT_EQ(frame->windowTitle().toStdString(), dir.File("page.html") + "[*] - ZORVA");
  EXPECT_FALSE(frame->isWindowModified());
  Edit();
  frame->UpdateCommandStates();
  EXPECT_TRUE(frame->isWindowModified());
  EXPECT_EQ(Recent(1), dir.File("page.html"));
}

TEST_F(FileCommandsTest, SaveWritesByTheNamesEndingAndRefusesOtherNames) {
  StartFromPicture();
  Edit();
  dialogs.answers.push_back(dir.File("notes.txt"));
  frame->RouteCommand(ID_FILE_SAVE_AS);
  EXPECT_EQ(dialogs.asked.at(0).request.filter, kProjectFirst);
  EXPECT_EQ(dialogs.asked.at(0).request.defaultExt, "zvf");
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{65022});
  EXPECT_FALSE(std::filesystem::exists(dir.File("notes.txt")));
  EXPECT_TRUE(Path().empty());
  EXPECT_TRUE(doc.IsModified());

  // A Save As that cannot write (no such folder) keeps the name, the title
  // and the recent files as they were, for projects and pages alike.
  for (const char* name : {"missing/site.zvf", "missing/index.html"}) {
    host.messages.clear();
    const std::string title = doc.GetTitle();
    const std::string recent = Recent(1);
    dialogs.answers.push_back(dir.File(name));
    frame->RouteCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61858}) << name;
    EXPECT_TRUE(Path().empty()) << name;
    EXPECT_EQ(doc.GetTitle(), title) << name;
    EXPECT_EQ(Recent(1), recent) << name;
    EXPECT_TRUE(doc.IsModified()) << name;
  }

  // Any letter case of .zvf is the project file, written as .zvf.
  doc.SetPathName(*zorva::Utf8ToCp932(dir.File("site.Zvf")));
  frame->RouteCommand(ID_FILE_SAVE);
  EXPECT_EQ(dialogs.asked.size(), 3u);
  EXPECT_TRUE(std::filesystem::exists(dir.File("site.zvf")));
  EXPECT_FALSE(doc.IsModified());

  // A picture that became the document path: Save asks for a name.
  cmds->OpenDroppedFiles({Picture("drop.jpg")});
  EXPECT_EQ(Path(), dir.File("drop.jpg"));
  Edit();
  dialogs.answers.push_back(dir.File("drop.zvf"));
  frame->RouteCommand(ID_FILE_SAVE);
  ASSERT_EQ(dialogs.asked.size(), 4u);
  EXPECT_EQ(dialogs.asked[3].request.initialName, "drop");
  EXPECT_TRUE(std::filesystem::exists(dir.File("drop.zvf")));
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(FileCommandsTest, OpeningAProjectLeavesSaveDisabledUntilAnEdit) {
  StartFromPicture();
  ASSERT_TRUE(doc.OnSaveDocument(*zorva::Utf8ToCp932(dir.File("map.zvf"))));
  doc.OnNewDocument();
  dialogs.answers.push_back(dir.File("map.zvf"));
  frame->RouteCommand(ID_FILE_OPEN);
  EXPECT_EQ(dialogs.asked.at(0).request.filter, kHtmlFirst);
  EXPECT_EQ(Path(), dir.File("map.zvf"));
  EXPECT_EQ(Recent(1), dir.File("map.zvf"));
  EXPECT_FALSE(SaveEnabled());
  Edit();
  EXPECT_TRUE(SaveEnabled());
}

// Whatever makes an open fail, the document the user had stays as it was:
// its areas, name, picture, history and modified mark.
TEST_F(FileCommandsTest, AFailedOrCancelledOpenLeavesTheDocumentAsItWas) {
  zorva::test::WriteFileBytes(dir.File("bad.html"), "<html>no picture here</html>");
  zorva::test::WriteFileBytes(dir.File("two.html"),
                              "<img src=a.png usemap=#a><map name=a></map><img src=b.png usemap=#b>"
                              "<map name=b></map>");
  zorva::test::WriteFileBytes(dir.File("broken.zvf"), "not a project");
  zorva::test::WriteFileBytes(dir.File("notes.txt"), "text");
  struct Case {
    const char* file;
    std::vector<unsigned> messages;  // after the save question
  } cases[] = {
      {"bad.html", {61219}},    // no picture in the page
      {"two.html", {}},         // the choice of picture cancelled
      {"gone.zvf", {61858}},    // deleted since
      {"broken.zvf", {}},       // not a project (its message is the reader's)
      {"notes.txt", {61213}},   // no kind the editor opens
  };
  StartFromPicture();
  Edit();
  const CString path = *zorva::Utf8ToCp932(dir.File("mine.zvf"));
  doc.SetPathName(path);
  doc.SetTitle(path);
  doc.m_sizePicture = CSize(640, 480);
  const CString picture = doc.m_strPicturePath;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    host.messages.clear();
    host.messageAnswers = {IDNO};
    dialogs.asked.clear();
    dialogs.answers = {dir.File(c.file)};
    frame->RouteCommand(ID_FILE_OPEN);
    const std::vector<unsigned> ids = host.MessageIds();
    ASSERT_FALSE(ids.empty());
    EXPECT_EQ(ids.front(), 61209u);
    if (!c.messages.empty()) {
      EXPECT_EQ(std::vector<unsigned>(ids.begin() + 1, ids.end()), c.messages);
    }
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(doc.GetTitle(), path);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.m_listGuide.size(), 1u);
    EXPECT_TRUE(doc.CanUndo());
    EXPECT_EQ(doc.m_strPicturePath, picture);
    EXPECT_EQ(doc.m_sizePicture, CSize(640, 480));
    EXPECT_TRUE(doc.m_bPictureLoaded);
    // The dialog comes back later (posted, so a run of failures never nests)
    // without asking about the document again.
    EXPECT_EQ(dialogs.asked.size(), 1u);
    Settle();
    EXPECT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(host.MessageIds(), ids);
    EXPECT_TRUE(exits.empty());
  }
  // A recent file that fails the same way.
  host.messageAnswers = {IDNO};
  cmds->RecentFiles().Add(*zorva::Utf8ToCp932(dir.File("gone.zvf")));
  frame->RouteCommand(CFileCommands::kRecentFirst);
  EXPECT_EQ(doc.GetPathName(), path);
  EXPECT_EQ(doc.m_listGuide.size(), 1u);
}

// A page opened after another picture starts with no size of its own until
// its picture is read: none of the earlier picture's size or bitmap stays.
TEST_F(FileCommandsTest, AnOpenedPageKeepsNothingOfTheEarlierPicture) {
  StartFromPicture();
  doc.m_sizePicture = CSize(640, 480);
  doc.m_pBitmap = CBitmap::Create32ForOverwrite(640, 480);
  zorva::test::WriteFileBytes(dir.File("page.html"),
                              "<img src=\"gone.jpg\" usemap=\"#m\"><map name=\"m\"><area coords=\"1,2,3,4\"></map>");
  dialogs.answers = {dir.File("page.html")};
  frame->RouteCommand(ID_FILE_OPEN);
  EXPECT_EQ(Path(), dir.File("page.html"));
  EXPECT_EQ(doc.m_sizePicture, CSize(0, 0));
  EXPECT_EQ(doc.m_pBitmap, nullptr);
  EXPECT_EQ(doc.m_listArea.size(), 1u);
}

TEST_F(FileCommandsTest, NewTakesJpegAndPngAndItsCancelEndsOnlyWithoutAPicture) {
  for (unsigned id : {ID_FILE_NEW, ID_FILE_OPEN}) {
    for (bool picture : {false, true}) {
      exits.clear();
      doc.m_bPictureLoaded = picture;
      doc.m_strPicturePath = "/pics/kept.png";
      frame->RouteCommand(id);
      EXPECT_EQ(exits, picture ? std::vector<int>{} : std::vector<int>{1}) << id << picture;
      EXPECT_EQ(doc.m_strPicturePath, "/pics/kept.png");
    }
  }
  EXPECT_EQ(dialogs.asked.at(0).request.filter, kPictures);
  EXPECT_EQ(dialogs.asked.at(0).request.title, "イメージファイルを選択して下さい");
  dialogs.answers = {dir.File("photo.jpe"), dir.File("anim.GIF")};
  frame->RouteCommand(ID_FILE_NEW);
  EXPECT_EQ(host.MessageIds(), (std::vector<unsigned>{61212}));
  EXPECT_TRUE(loader.started.empty());
  // GIF pictures start documents as the decoder reads them.
  frame->RouteCommand(ID_FILE_NEW);
  EXPECT_EQ(host.MessageIds(), (std::vector<unsigned>{61212}));
  ASSERT_EQ(loader.started.size(), 1u);
  EXPECT_EQ(zorva::Cp932ToUtf8(loader.started[0]), dir.File("anim.GIF"));
}

TEST_F(FileCommandsTest, ClearAllAsksAndKeepsThePicture) {
  StartFromPicture();
  Edit();
  const CString picture = doc.m_strPicturePath;
  host.messageAnswers = {IDCANCEL, IDOK};
  frame->RouteCommand(ID_EDIT_CLEAR_ALL);
  EXPECT_EQ(doc.m_listGuide.size(), 1u);
  frame->RouteCommand(ID_EDIT_CLEAR_ALL);
  EXPECT_TRUE(doc.m_listGuide.empty());
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_EQ(doc.m_strPicturePath, picture);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(host.MessageIds(), (std::vector<unsigned>{61214, 61214}));
}

TEST_F(FileCommandsTest, RecentFilesKeepFourMostRecentFirstAndDropWhatFailsToOpen) {
  std::vector<std::string> files;
  for (const char* name : {"a.png", "b.png", "c.png", "d.png", "e.png"}) files.push_back(Picture(name));
  cmds->OpenDroppedFiles(files);  // one after another, e last
  EXPECT_EQ(loader.started.size(), 5u);
  EXPECT_EQ((std::vector<std::string>{Recent(1), Recent(2), Recent(3), Recent(4)}),
            (std::vector<std::string>{files[4], files[3], files[2], files[1]}));
  std::string text;
  ASSERT_TRUE(cmds->GetCommandText(CFileCommands::kRecentFirst + 2, text));
  EXPECT_EQ(text, "&3 " + files[2]);

  // The open document reloads nothing; an older entry moves up.
  frame->RouteCommand(CFileCommands::kRecentFirst);
  EXPECT_EQ(loader.started.size(), 5u);
  frame->RouteCommand(CFileCommands::kRecentFirst + 2);
  EXPECT_EQ(Path(), files[2]);
  EXPECT_EQ(Recent(1), files[2]);
  EXPECT_EQ(Recent(2), files[4]);

  // A project file that has gone away is reported and leaves the list.
  cmds->RecentFiles().Add(*zorva::Utf8ToCp932(dir.File("gone.zvf")));
  frame->RouteCommand(CFileCommands::kRecentFirst);
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61858});
  EXPECT_EQ(Recent(1), files[2]);
  EXPECT_EQ(Recent(4), "");
  CCmdState s;
  frame->RouteUpdate(CFileCommands::kRecentLast, s);
  EXPECT_FALSE(s.enabled);
  ASSERT_TRUE(cmds->GetCommandText(CFileCommands::kRecentLast, text));
  EXPECT_EQ(text, "");

  // Names that differ only in case are two files here, so both open.
  const CString lower = *zorva::Utf8ToCp932(Picture("pic.png"));
  const CString upper = *zorva::Utf8ToCp932(Picture("PIC.png"));
  EXPECT_TRUE(IsSameFilePath(lower, lower));
  EXPECT_FALSE(IsSameFilePath(lower, upper));
  EXPECT_FALSE(IsSameFilePath(lower, *zorva::Utf8ToCp932(dir.File("PIC.PNG"))));
}

TEST_F(FileCommandsTest, DroppedFilesOpenInTurnAfterTheDrop) {
  StartFromPicture();
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(Picture("one.png"))),
                QUrl(QStringLiteral("https://example.org/x.png")),
                QUrl::fromLocalFile(QString::fromStdString(Picture("two.jpg")))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(frame.get(), &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  drop.ignore();  // a drop nobody takes stays refused
  QCoreApplication::sendEvent(frame.get(), &drop);
  EXPECT_TRUE(drop.isAccepted());
  EXPECT_EQ(loader.started.size(), 1u);  // nothing opens inside the drop itself
  Settle();
  ASSERT_EQ(loader.started.size(), 3u);
  EXPECT_EQ(Path(), dir.File("two.jpg"));
  EXPECT_EQ(Recent(2), dir.File("one.png"));
}

TEST_F(FileCommandsTest, AStartFileThatFailsGivesANewDocumentAndTheOpenDialog) {
  doc.m_strStartFile = *zorva::Utf8ToCp932(dir.File("missing.zvf"));
  cmds->OnFirstShow(dir.File("missing.zvf"));
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61858});
  EXPECT_TRUE(dialogs.asked.empty());
  Settle();
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].request.defaultExt, "html");
  EXPECT_EQ(exits, std::vector<int>{1});  // cancelled with no picture
}

TEST(FileDialogFilters, BecomeQtNameFilters) {
  EXPECT_EQ(QtNameFilters(kHtmlFirst),
            (QStringList{QStringLiteral("HTMLﾌｧｲﾙ (*.html *.htm *.HTML *.HTM)"),
                         QStringLiteral("ZORVAﾌｧｲﾙ (*.zvf *.ZVF)"), QStringLiteral("全てのﾌｧｲﾙ (*)")}));
  const QStringList pictures = QtNameFilters(kPictures);
  EXPECT_EQ(pictures.at(0), QStringLiteral("JPEGﾌｧｲﾙ (*.jpg *.jpeg *.JPG *.JPEG)"));
  EXPECT_EQ(pictures.at(2), QStringLiteral("Compuserve GIFﾌｧｲﾙ (*.gif *.GIF)"));
}

// Each type of the save dialog gives a bare name its own ending; "all
// files" leaves the request's.
TEST(FileDialogFilters, TheChosenTypeGivesTheEnding) {
  for (const char* filter : {kHtmlFirst, kProjectFirst}) {
    std::vector<std::string> endings;
    for (const QString& f : QtNameFilters(filter)) endings.push_back(SuffixOfNameFilter(f).toStdString());
    const std::vector<std::string> expected =
        filter == kHtmlFirst ? std::vector<std::string>{"html", "zvf", ""} : std::vector<std::string>{"zvf", "html", ""};
    EXPECT_EQ(endings, expected) << filter;
  }
  struct Case {
    const char* filter;
    const char* ending;
  } cases[] = {{"X (*.HTML *.htm)", "html"}, {"X (*.h?ml)", ""}, {"no patterns", ""}, {"X ()", ""}, {"X (*.)", ""}};
  for (const Case& c : cases) EXPECT_EQ(SuffixOfNameFilter(QString::fromUtf8(c.filter)).toStdString(), c.ending) << c.filter;
}

}  // namespace

TEST_F(FileCommandsTest, TextTypedIntoThePanelCountsWhenClosing) {
  // The close box takes no focus from the field: what it shows is part of
  // the work the save question is about.
  StartFromPicture();
  auto* area = new CArea;
  area->AddPoint(10, 10);
  area->AddPoint(60, 40);
  area->RecalcBound();
  doc.m_listArea.push_back(std::unique_ptr<CArea>(area));
  doc.m_pSelArea = area;
  doc.SetModifiedFlag(false);
  frame->View()->View().m_panel->Refresh();
  frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  QLineEdit* url = frame->PropertyBar()->Field(IDC_URL);
  url->setFocus();
  QTest::keyClicks(url, QStringLiteral("typed.html"));
  host.messages.clear();
  host.messageAnswers = {IDCANCEL};
  frame->close();
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{61209});
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(area->m_strHref, "typed.html");
}

TEST_F(FileCommandsTest, ExportingTheResponsivePageLeavesTheDocumentAsItWas) {
  StartFromPicture();
  doc.m_sizePicture = {64, 48};
  Edit();
  const std::string title = doc.GetTitle();
  // Cancelled, then a name that is no page, then a page.
  frame->RouteCommand(ID_FILE_EXPORT_SVG);
  dialogs.answers.push_back(dir.File("map.zvf"));
  frame->RouteCommand(ID_FILE_EXPORT_SVG);
  EXPECT_EQ(host.MessageIds(), std::vector<unsigned>{65022});
  EXPECT_FALSE(std::filesystem::exists(dir.File("map.zvf")));
  dialogs.answers.push_back(dir.File("map.html"));
  frame->RouteCommand(ID_FILE_EXPORT_SVG);
  ASSERT_EQ(dialogs.asked.size(), 3u);
  EXPECT_TRUE(dialogs.asked[2].save);
  EXPECT_EQ(dialogs.asked[2].request.defaultExt, "html");
  EXPECT_NE(zorva::test::ReadFileBytes(dir.File("map.html")).find("<svg viewBox=\"0 0 64 48\""), std::string::npos);
  EXPECT_TRUE(Path().empty());
  EXPECT_EQ(doc.GetTitle(), title);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(Recent(1), "?");
}
