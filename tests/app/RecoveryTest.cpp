// Autosave and the offer at start, in the real window over a private state
// folder: a save removes the file, a running editor's file is never offered
// to another, and a recovery file that cannot be used is named, moved aside
// and never lost, while the editor starts as usual.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStatusBar>
#include <QStringList>
#include <filesystem>
#include <fstream>

#include "FrameTestSupport.h"
#include "app/Autosaver.h"
#include "app/RecoveryFolder.h"
#include "app/ZorvaApp.h"
#include "model/RecoveryFile.h"
#include "platform/StringTable.h"
#include "ui/MainFrame.h"
#include "view/CommandIds.h"

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream(p, std::ios::binary) << bytes;
}

// Answers every message box with OK (or the first button) and keeps its text.
class MessageCatcher {
 public:
  MessageCatcher() {
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      texts << box->text();
      QAbstractButton* ok = box->button(QMessageBox::Ok);
      if (ok) ok->click();
      else box->done(0);
    });
    m_timer.start(10);
  }
  QStringList texts;

 private:
  QTimer m_timer;
};

// A recovery file's bytes for a document of `areas` rectangles.
std::string RecoveryBytes(int areas, const CString& path = CString()) {
  zorva::test::FakeDocumentHost host;
  CZorvaDoc doc(&host);
  doc.SetPathName(path);
  doc.SetTitle(path.empty() ? zorva::LoadStringCp932(61208) : path);
  for (int i = 0; i < areas; ++i) zorva::test::AddArea(doc, AREA_RECT, {{i, i}, {i + 10, i + 10}});
  zorva::RecoveryBody body;
  zorva::SnapshotDocument(doc, {}, body);
  return zorva::RecoveryFileHead(body, 1700000000) + body.Joined();
}

class RecoveryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    zorva::test::EnsureQApplication();
    ::setenv("XDG_CONFIG_HOME", zorva::test::ConfigDir().path().c_str(), 1);
    ::setenv("XDG_STATE_HOME", state.path().c_str(), 1);
    folder = fs::path(RecoveryFolderPath().toStdString());
    fs::create_directories(folder);
  }
  void TearDown() override { ::setenv("XDG_STATE_HOME", saved.c_str(), 1); }

  // Starts an editor whose greeting is counted and whose offer is `choose`.
  std::unique_ptr<CZorvaApp> Start(RecoveryChooser choose, int intervalSeconds = 30) {
    auto app = std::make_unique<CZorvaApp>();
    app->SettingsStore().WriteInt(kRecoverySection, kRecoveryInterval, intervalSeconds);
    app->SetGreeting([this] {
      ++greetings;
      return GreetingChoice::Cancel;
    });
    app->SetExitHandler([](int) {});
    app->SetRecoveryChooser(std::move(choose));
    EXPECT_TRUE(app->InitInstance(""));
    zorva::test::RunLoop(100);
    return app;
  }
  std::vector<fs::path> FolderEntries() const {
    std::vector<fs::path> names;
    for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path());
    return names;
  }
  static RecoveryChooser Refuse(int* offers) {
    return [offers](const std::vector<RecoveryOfferRow>&, const std::function<bool(size_t)>&) {
      ++*offers;
      return std::optional<size_t>();
    };
  }
  // An edit of the open document as the view makes one: a new area on the history.
  static void Edit(CZorvaApp& app, int n) {
    CArea& a = zorva::test::AddArea(app.Document(), AREA_RECT, {{n, n}, {n + 20, n + 20}});
    app.Document().PushAreaAdded(&a, nullptr);
  }
  static bool WaitFor(const std::function<bool()>& done, int ms = 5000) {
    for (int waited = 0; waited < ms; waited += 20) {
      if (done()) return true;
      zorva::test::RunLoop(20);
    }
    return done();
  }

  std::string saved = std::getenv("XDG_STATE_HOME") ? std::getenv("XDG_STATE_HOME") : "";
  zorva::test::TempDir state;
  fs::path folder;
  int greetings = 0;
};

}  // namespace

TEST_F(RecoveryTest, AutosaveFollowsTheEditsAndASaveRemovesTheFile) {
  int offers = 0;
  auto app = Start(Refuse(&offers), 1);
  const fs::path file = app->Autosaver()->FilePath().toStdString();
  zorva::test::TempDir out;
  app->Document().SetPathName(out.File("map.zvf"));

  Edit(*app, 10);
  // Not before the interval after the first change.
  zorva::test::RunLoop(400);
  EXPECT_FALSE(fs::exists(file));
  ASSERT_TRUE(WaitFor([&] { return fs::exists(file); }));
  app->Autosaver()->Flush();
  std::string bytes = ReadBytes(file);
  std::string_view body;
  zorva::RecoverySummary summary;
  ASSERT_EQ(zorva::CheckRecoveryFile(bytes, body, summary), zorva::RecoveryFault::None);
  EXPECT_EQ(summary.areaCount, 1u);
  EXPECT_EQ(summary.pathName, out.File("map.zvf"));

  // Changes going on reach the file again.
  Edit(*app, 30);
  ASSERT_TRUE(WaitFor([&] {
    app->Autosaver()->Flush();
    bytes = ReadBytes(file);
    return zorva::CheckRecoveryFile(bytes, body, summary) == zorva::RecoveryFault::None &&
           summary.areaCount == 2;
  }));

  ASSERT_TRUE(app->MainFrame()->RouteCommand(ID_FILE_SAVE));
  EXPECT_TRUE(fs::exists(out.File("map.zvf")));
  ASSERT_TRUE(WaitFor([&] { return !fs::exists(file); }));
  EXPECT_EQ(offers, 0);
}

TEST_F(RecoveryTest, ACloseThatThrowsTheChangesAwayRemovesTheFile) {
  int offers = 0;
  auto app = Start(Refuse(&offers));
  Edit(*app, 10);
  app->Autosaver()->AutosaveNow();
  app->Autosaver()->Flush();
  const fs::path file = app->Autosaver()->FilePath().toStdString();
  ASSERT_TRUE(fs::exists(file));
  // The close box, and いいえ to the question whether to save.
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      box->button(QMessageBox::No)->click();
  });
  answer.start(10);
  EXPECT_TRUE(app->MainFrame()->close());
  EXPECT_TRUE(fs::exists(file));  // until the program ends
  app->ExitInstance();
  EXPECT_FALSE(fs::exists(file));
  EXPECT_FALSE(fs::exists(RecoveryLockPath(QString::fromStdString(file.string())).toStdString()));
}

TEST_F(RecoveryTest, ARunningEditorsFileIsNeverOfferedToAnother) {
  int offers = 0;
  auto first = Start(Refuse(&offers));
  Edit(*first, 10);
  first->Autosaver()->AutosaveNow();
  first->Autosaver()->Flush();
  ASSERT_TRUE(fs::exists(first->Autosaver()->FilePath().toStdString()));

  auto second = Start(Refuse(&offers));
  EXPECT_EQ(offers, 0);
  EXPECT_EQ(greetings, 2);
  EXPECT_NE(second->Autosaver()->FilePath(), first->Autosaver()->FilePath());
  EXPECT_TRUE(second->Autosaver()->Locked());
  Edit(*second, 20);
  second->Autosaver()->AutosaveNow();
  second->Autosaver()->Flush();

  // The first ends as a crash would (no approved close): its file is left,
  // and only a start after that offers it.
  const QString firstFile = first->Autosaver()->FilePath();
  first.reset();
  std::vector<RecoveryOfferRow> offered;
  auto third = Start([&](const std::vector<RecoveryOfferRow>& rows, const std::function<bool(size_t)>&) {
    offered = rows;
    return std::optional<size_t>();
  });
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_EQ(offered[0].areas, 1u);
  // 後で: the file stays for a later start.
  EXPECT_TRUE(fs::exists(firstFile.toStdString()));
  second->Autosaver()->Finish();
  EXPECT_FALSE(fs::exists(second->Autosaver()->FilePath().toStdString()));
}

TEST_F(RecoveryTest, RestoreAndDiscardAnswerTheOffer) {
  WriteBytes(folder / "zorva-1-1.zvr", RecoveryBytes(3, "/nowhere/map.zvf"));
  WriteBytes(folder / "zorva-2-2.zvr", RecoveryBytes(5));
  MessageCatcher catcher;
  auto app = Start([](const std::vector<RecoveryOfferRow>& rows, const std::function<bool(size_t)>& discard) {
    // The untitled one is thrown away, the other restored.
    const size_t untitled = rows[0].name.isEmpty() ? 0 : 1;
    EXPECT_TRUE(discard(untitled));
    return std::optional<size_t>(1 - untitled);
  });
  EXPECT_EQ(greetings, 0);
  CZorvaDoc& doc = app->Document();
  EXPECT_EQ(doc.m_listArea.size(), 3u);
  EXPECT_EQ(doc.GetPathName(), "/nowhere/map.zvf");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(app->MainFrame()->windowTitle().startsWith(QStringLiteral("/nowhere/map.zvf")));
  // The restored file is this editor's now; the discarded one is gone.
  EXPECT_EQ(FolderEntries().size(), 2u);  // the file and its lock
  EXPECT_TRUE(fs::exists(app->Autosaver()->FilePath().toStdString()));
  app->Autosaver()->Finish();
  EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(RecoveryTest, ABadRecoveryFileIsNamedMovedAsideAndTheEditorStarts) {
  const std::string good = RecoveryBytes(4);
  std::string later = good;
  later[16] = char(zorva::kRecoveryFormatVersion + 1);
  std::string damaged = good;
  damaged[damaged.size() - 3] ^= 1;
  const struct {
    const char* what;
    std::function<void(const fs::path&)> make;
  } cases[] = {
      {"cut short", [&](const fs::path& p) { WriteBytes(p, good.substr(0, good.size() / 2)); }},
      {"damaged", [&](const fs::path& p) { WriteBytes(p, damaged); }},
      {"later version", [&](const fs::path& p) { WriteBytes(p, later); }},
      {"huge", [](const fs::path& p) {
         WriteBytes(p, "");
         fs::resize_file(p, zorva::kMaxRecoveryFileBytes + 1);  // sparse: no disk taken
       }},
      {"unreadable", [&](const fs::path& p) {
         WriteBytes(p, good);
         ::chmod(p.c_str(), 0);
       }},
      {"a link", [&](const fs::path& p) {
         WriteBytes(p.string() + ".target", good);
         fs::create_symlink(p.filename().string() + ".target", p);
       }},
      {"a pipe", [](const fs::path& p) { ::mkfifo(p.c_str(), 0600); }},
      {"a folder", [](const fs::path& p) { fs::create_directory(p); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (std::string(c.what) == "unreadable" && ::geteuid() == 0) continue;  // root reads anything
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path file = folder / "zorva-77-77.zvr";
    c.make(file);
    struct stat before{};
    ASSERT_EQ(::lstat(file.c_str(), &before), 0);
    greetings = 0;
    int offers = 0;
    MessageCatcher catcher;
    auto app = Start(Refuse(&offers));
    EXPECT_EQ(offers, 0);
    EXPECT_EQ(greetings, 1);  // started as usual
    ASSERT_EQ(catcher.texts.size(), 1);
    EXPECT_TRUE(catcher.texts[0].contains(QString::fromStdString(file.string())));
    // Moved aside whole, the very node it was.
    struct stat after{};
    EXPECT_NE(::lstat(file.c_str(), &after), 0);
    std::vector<fs::path> aside;
    for (const fs::path& p : FolderEntries())
      if (p.filename().string().rfind("zorva-77-77.zvr.bad-", 0) == 0) aside.push_back(p);
    ASSERT_EQ(aside.size(), 1u);
    ASSERT_EQ(::lstat(aside[0].c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_size, before.st_size);
    EXPECT_TRUE(catcher.texts[0].contains(QString::fromStdString(aside[0].string())));
    // A second start offers and reports nothing more.
    app.reset();
    MessageCatcher again;
    app = Start(Refuse(&offers));
    EXPECT_TRUE(again.texts.isEmpty());
    EXPECT_EQ(offers, 0);
    ::chmod(aside[0].c_str(), 0600);
  }
}

TEST_F(RecoveryTest, AFileThatCannotBeWrittenIsSaidOnceAndEditingGoesOn) {
  int offers = 0;
  auto app = Start(Refuse(&offers), 1);
  // A folder in the file's place fails every write, for root too.
  fs::create_directory(app->Autosaver()->FilePath().toStdString());
  int failures = 0;
  QObject::connect(app->Autosaver(), &CAutosaver::Written, [&](bool ok) { failures += !ok; });
  Edit(*app, 1);
  ASSERT_TRUE(WaitFor([&] { return failures >= 1; }));
  EXPECT_TRUE(app->MainFrame()->statusBar()->currentMessage().contains(QStringLiteral("自動保存できません")));
  app->MainFrame()->statusBar()->clearMessage();
  Edit(*app, 2);
  ASSERT_TRUE(WaitFor([&] { return failures >= 2; }));
  EXPECT_TRUE(app->MainFrame()->statusBar()->currentMessage().isEmpty());  // said once
  EXPECT_EQ(app->Document().m_listArea.size(), 2u);
  // Once writing works again, so does the autosave.
  fs::remove(app->Autosaver()->FilePath().toStdString());
  Edit(*app, 3);
  ASSERT_TRUE(WaitFor([&] { return fs::is_regular_file(app->Autosaver()->FilePath().toStdString()); }));
}
