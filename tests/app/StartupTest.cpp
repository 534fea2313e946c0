#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <cstdlib>

#include "FrameTestSupport.h"
#include "TestSupport.h"
#include "app/FileDialogs.h"
#include "app/ZorvaApp.h"
#include "platform/CodePage.h"
#include "ui/MainFrame.h"

namespace {

// The private configuration folder (FrameTestSupport.h), emptied before each test.
using zorva::test::ConfigDir;

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("XDG_CONFIG_HOME", ConfigDir().path().c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::filesystem::remove_all(ConfigDir().path() / "Ulmora");
    if (!QApplication::instance()) {
      static int argc = 1;
      static char arg0[] = "test_app";
      static char* argv[] = {arg0, nullptr};
      new QApplication(argc, argv);
    }
  }
  std::string ConfFile() const { return ConfigDir().File("Ulmora/ZORVA.conf"); }
};

}  // namespace

TEST_F(StartupTest, FirstStartWritesTheHtmlDefaultsToTheUsersStore) {
  {
    CZorvaApp app;
    ASSERT_TRUE(app.InitInstance(""));
    ASSERT_NE(app.MainFrame(), nullptr);
    EXPECT_EQ(app.MainFrame()->windowTitle(), QStringLiteral("名称未設定[*] - ZORVA"));
    app.ExitInstance();
  }
  QSettings s(QString::fromStdString(ConfFile()), QSettings::IniFormat);
  EXPECT_EQ(s.value(QStringLiteral("Settings/newline")).toString(), QStringLiteral("\r\n"));
  EXPECT_EQ(s.value(QStringLiteral("Settings/doctype")).toInt(), 2);
  EXPECT_EQ(s.value(QStringLiteral("Settings/charcode")).toInt(), 1);
  EXPECT_FALSE(s.contains(QStringLiteral("Settings/charcase")));
}

TEST_F(StartupTest, StoredChoicesSurviveStartUp) {
  {
    QSettings s(QString::fromStdString(ConfFile()), QSettings::IniFormat);
    s.setValue(QStringLiteral("Settings/newline"), QStringLiteral("\r"));
    s.setValue(QStringLiteral("Settings/doctype"), 0);
    s.setValue(QStringLiteral("Settings/charcase"), 1);
  }
  {
    CZorvaApp app;
    ASSERT_TRUE(app.InitInstance(""));
    EXPECT_EQ(app.SettingsStore().GetString("Settings", "newline", ""), "\r");
    EXPECT_EQ(app.SettingsStore().GetInt("Settings", "doctype", -1), 0);
    EXPECT_EQ(app.SettingsStore().GetInt("Settings", "charcode", -1), 1);
    EXPECT_EQ(app.SettingsStore().GetInt("Settings", "charcase", -1), 1);
  }
}

TEST_F(StartupTest, StartFileWaitsForTheMainWindowAsCodePageBytes) {
  CZorvaApp app;
  ASSERT_TRUE(app.InitInstance("/tmp/地図.zvf"));
  EXPECT_EQ(zorva::Cp932ToUtf8(app.Document().m_strStartFile), "/tmp/地図.zvf");
}

namespace {
// Cancels every file dialog and keeps their titles.
struct CancellingDialogs : IFileDialogs {
  std::optional<std::string> GetOpenFileName(const FileDialogRequest& r) override { return Cancel(r); }
  std::optional<std::string> GetSaveFileName(const FileDialogRequest& r) override { return Cancel(r); }
  std::optional<std::string> Cancel(const FileDialogRequest& r) {
    titles.push_back(r.title);
    return std::nullopt;
  }
  std::vector<std::string> titles;
};
}  // namespace

TEST_F(StartupTest, TheGreetingLeadsToTheFirstFileChoiceOrEndsTheProgram) {
  struct Case {
    GreetingChoice choice;
    std::vector<std::string> dialogTitles;
  };
  const Case cases[] = {
      {GreetingChoice::Cancel, {}},
      {GreetingChoice::New, {"イメージファイルを選択して下さい"}},
      {GreetingChoice::Open, {"開く"}},
  };
  for (const Case& c : cases) {
    CancellingDialogs dialogs;
    std::vector<int> exits;
    int greetings = 0;
    CZorvaApp app;
    app.SetFileDialogs(&dialogs);
    app.SetExitHandler([&](int code) { exits.push_back(code); });
    app.SetGreeting([&] {
      ++greetings;
      return c.choice;
    });
    ASSERT_TRUE(app.InitInstance(""));
    EXPECT_EQ(greetings, 0);  // not before the window shows
    QCoreApplication::processEvents();
    EXPECT_EQ(greetings, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.titles, c.dialogTitles);
    // Every way leaves the program without a picture, so it ends with status 1.
    EXPECT_EQ(exits, std::vector<int>{1});
  }
}
