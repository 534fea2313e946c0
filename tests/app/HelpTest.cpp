#include <QDockWidget>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QMessageBox>
#include <filesystem>

#include "FrameTestSupport.h"
#include "ui/HelpContext.h"
#include "ui/HelpSearch.h"
#include "ui/HelpSearchPane.h"
#include "ui/HelpSystem.h"
#include "ui/HelpWindow.h"
#include "ui/ToolBox.h"
#include "view/CommandIds.h"

using zorva::test::EnsureQApplication;
using zorva::test::FrameFixture;
using zorva::test::RunLoop;
using zorva::test::TempDir;

namespace {

const QString kCollection = QStringLiteral(ZORVA_TEST_HELP_COLLECTION);

QString Page(const char* page) {
  return QStringLiteral("qthelp://org.example.zorva/doc/") + QString::fromLatin1(page);
}

// Runs `action` and returns the text of the message box it shows (closed at once).
QString MessageOf(const std::function<void()>& action) {
  QString text;
  QTimer::singleShot(0, [&text] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      text = box->text();
      box->accept();
    }
  });
  action();
  return text;
}

QString Q(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

TEST(HelpContext, ContextErrorNamesTheFileTheBaseAndTheLow16Bits) {
  const std::pair<unsigned, const char*> cases[] = {
      {HelpControlId(1010), "0x50000 + 0x03f2(1010)"},
      {HelpCommandId(32801), "0x10000 + 0x8021(32801)"},
      {HelpResourceId(128), "0x20000 + 0x0080(128)"},
      {0x5FFFF, "0x50000 + 0xffff(65535)"},
  };
  for (const auto& [id, numbers] : cases)
    EXPECT_EQ(ContextErrorText(QStringLiteral("/opt/z/zorva.qhc"), id),
              QStringLiteral("Error Context ID\n\n   File Path [ /opt/z/zorva.qhc ]\n  ContextID [") +
                  QString::fromLatin1(numbers) + QLatin1Char(']'));
  EXPECT_EQ(NoHelpFileText(QStringLiteral("/opt/z/zorva.qhc")),
            QStringLiteral("Not Exist Html Help File\n\n   File Path [ /opt/z/zorva.qhc ]"));
}

TEST(HelpContext, CollectionBesideTheProgramElseInTheInstalledDataFolder) {
  struct Case {
    bool beside, installed;
    const char* found;  // relative to the prefix
  };
  const Case cases[] = {
      {true, true, "bin/zorva.qhc"},
      {false, true, "share/zorva/zorva.qhc"},
      {false, false, "bin/zorva.qhc"},  // named in the missing-file message
  };
  for (const Case& c : cases) {
    TempDir prefix;
    std::filesystem::create_directories(prefix.path() / "bin");
    std::filesystem::create_directories(prefix.path() / "share/zorva");
    if (c.beside) QFile(Q(prefix.path() / "bin/zorva.qhc")).open(QIODevice::WriteOnly);
    if (c.installed) QFile(Q(prefix.path() / "share/zorva/zorva.qhc")).open(QIODevice::WriteOnly);
    EXPECT_EQ(FindHelpCollection(Q(prefix.path() / "bin/zorva"), QStringLiteral("../share/zorva")),
              Q(prefix.path() / c.found));
  }
}

TEST(HelpWindow, OpensTheContentsAndResolvesContextTopics) {
  EnsureQApplication();
  CHelpWindow help(kCollection);
  ASSERT_TRUE(help.HasManual());
  help.ShowContents();
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(help.Browser()->source(), help.StartPage());
  EXPECT_TRUE(help.Browser()->toPlainText().contains(QStringLiteral("ZORVA ヘルプ")));
  QHelpContentModel* contents = help.Engine()->contentModel();
  for (int i = 0; i < 50 && contents->rowCount() == 0; ++i) RunLoop(20);
  ASSERT_EQ(contents->rowCount(), 1);
  EXPECT_GT(contents->rowCount(contents->index(0, 0)), 10);

  EXPECT_EQ(help.TopicOf(HelpControlId(1010)), QUrl(Page("property.html#url")));
  EXPECT_EQ(help.TopicOf(HelpCommandId(32803)), QUrl(Page("tool-rect.html#ellipse")));
  EXPECT_TRUE(help.TopicOf(HelpControlId(4321)).isEmpty());
  // The property panel's controls each have their own topic.
  for (unsigned control : {1010u, 1011u, 1012u, 1013u, 1015u, 1016u, 1017u, 1018u, 1021u, 1022u, 1029u})
    EXPECT_TRUE(help.TopicOf(HelpControlId(control)).toString().startsWith(Page("property.html#")))
        << control;

  // A page of the manual follows its links inside the window.
  help.ShowTopic(QUrl(Page("index.html")));
  emit help.Browser()->anchorClicked(QUrl(QStringLiteral("keys.html")));
  EXPECT_EQ(help.Browser()->source(), QUrl(Page("keys.html")));
}

TEST(HelpSearch, FindsTheTypedTextAnywhereTitlesFirst) {
  const QList<HelpPage> pages = {
      {QUrl(QStringLiteral("a")), QStringLiteral("ツール"), QStringLiteral("ガイドラインを引く。Ctrl+S で保存。")},
      {QUrl(QStringLiteral("b")), QStringLiteral("ガイド"), QStringLiteral("ガイドの表示")},
      {QUrl(QStringLiteral("c")), QStringLiteral("ファイル"), QStringLiteral("ファイルを開く。ガイド、ガイド、ガイド。")},
      {QUrl(QStringLiteral("d")), QStringLiteral("パネル"), QStringLiteral("ﾌｧｲﾙ名と ＵＲＬ")},
  };
  struct Case {
    const char* query;
    QList<int> pages;  // in the order shown
  };
  const Case cases[] = {
      {"ガイド", {1, 2, 0}},      // the title first, then by count, inside words too
      {"ファイル", {2, 3}},       // the half-width form is the same word
      {"ﾌｧｲﾙ", {2, 3}},
      {"ctrl+s", {0}},            // letter case ignored
      {"url", {3}},               // full-width Latin too
      {"ガイド 開く", {2}},        // every part must be there
      {"ガイド  表示", {1}},
      {"パ", {3}},                // the title alone is enough
      {"線", {}},
      {"   ", {}},
  };
  for (const Case& c : cases) {
    QList<int> found;
    for (const HelpHit& hit : SearchHelpPages(pages, QString::fromUtf8(c.query))) found.append(hit.page);
    EXPECT_EQ(found, c.pages) << c.query;
  }
  // The excerpt quotes the page as written.
  const QList<HelpHit> hits = SearchHelpPages(pages, QStringLiteral("ファイル"));
  ASSERT_EQ(hits.size(), 2);
  EXPECT_EQ(hits[1].excerpt, QStringLiteral("ﾌｧｲﾙ名と ＵＲＬ"));
}

TEST(HelpWindow, TheSearchTabFindsEveryPageHoldingTheText) {
  EnsureQApplication();
  CHelpWindow help(kCollection);
  help.ShowContents();
  QHelpContentModel* contents = help.Engine()->contentModel();
  for (int i = 0; i < 50 && contents->rowCount() == 0; ++i) RunLoop(20);
  const QList<HelpPage> pages = help.ManualPages();
  ASSERT_GT(pages.size(), 15);
  EXPECT_EQ(pages.first().url, help.StartPage());

  CHelpSearchPane* pane = help.SearchPane();
  EXPECT_TRUE(pane->Note()->isHidden());  // nothing said before a search
  for (const QString& word : {QStringLiteral("ガイド"), QStringLiteral("エリア"), QStringLiteral("ズーム")}) {
    int holding = 0;
    for (const HelpPage& page : pages) holding += page.text.contains(word) || page.title.contains(word);
    pane->Input()->setText(word);
    EXPECT_GT(holding, 3) << word.toStdString();
    EXPECT_EQ(pane->Hits().size(), holding) << word.toStdString();
    EXPECT_TRUE(pane->Note()->isHidden());
  }
  // Chosen, the page opens at the first place the text occurs.
  pane->Input()->setText(QStringLiteral("ガイド"));
  ASSERT_FALSE(pane->Hits().isEmpty());
  const HelpPage& first = pane->PageOf(pane->Hits().first());
  EXPECT_EQ(first.title, QStringLiteral("ルーラとガイド"));
  EXPECT_TRUE(pane->Results()->toPlainText().startsWith(first.title));
  emit pane->Results()->anchorClicked(QUrl(QStringLiteral("#0")));
  EXPECT_EQ(help.Browser()->source(), first.url);
  EXPECT_EQ(help.Browser()->textCursor().selectedText(), QStringLiteral("ガイド"));

  pane->Input()->setText(QStringLiteral("存在しない語"));
  EXPECT_TRUE(pane->Hits().isEmpty());
  EXPECT_TRUE(pane->Results()->toPlainText().isEmpty());
  EXPECT_FALSE(pane->Note()->isHidden());
  EXPECT_EQ(pane->Note()->text(), QStringLiteral("「存在しない語」を含むページはありません"));
  pane->Input()->clear();
  EXPECT_TRUE(pane->Note()->isHidden());
}

TEST(HelpWindow, TheCollectionWorksWhereverItIsCopiedWithItsManual) {
  EnsureQApplication();
  TempDir dir;
  const QString from = QFileInfo(kCollection).absolutePath();
  for (const char* name : {"zorva.qhc", "zorva.qch"})
    ASSERT_TRUE(QFile::copy(from + QLatin1Char('/') + QString::fromLatin1(name),
                            Q(dir.path() / name)));
  {
    CHelpWindow help(Q(dir.path() / "zorva.qhc"));
    EXPECT_TRUE(help.HasManual());
    EXPECT_EQ(help.TopicOf(HelpControlId(1010)), QUrl(Page("property.html#url")));
    help.SearchPane()->Input()->setText(QStringLiteral("ガイド"));
    EXPECT_GT(help.SearchPane()->Hits().size(), 3);
  }
  // Only read: an installed folder nobody may write to serves as well.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(HelpSystem, UnknownContextAndMissingFileAreReported) {
  EnsureQApplication();
  QWidget window;
  QWidget* inner = new QWidget(&window);
  SetHelpId(inner, HelpControlId(0xABCD));
  CHelpSystem help(kCollection, nullptr);
  EXPECT_EQ(MessageOf([&] { EXPECT_FALSE(help.ShowContext(inner)); }),
            QStringLiteral("Error Context ID\n\n   File Path [ ") + kCollection +
                QStringLiteral(" ]\n  ContextID [0x50000 + 0xabcd(43981)]"));
  // A parent with a topic serves a child without one.
  SetHelpId(&window, HelpControlId(1022));
  EXPECT_TRUE(help.ShowContext(inner));
  EXPECT_EQ(help.Window()->Browser()->source().toString(), Page("property.html#closed"));

  CHelpSystem missing(QStringLiteral("/nowhere/zorva.qhc"), nullptr);
  EXPECT_EQ(MessageOf([&] { EXPECT_FALSE(missing.ShowContents()); }),
            QStringLiteral("Not Exist Html Help File\n\n   File Path [ /nowhere/zorva.qhc ]"));
  EXPECT_EQ(missing.Window(), nullptr);
}

class FrameHelp : public FrameFixture {
 protected:
  void SetUp() override {
    FrameFixture::SetUp();
    frame->Help().SetCollectionFile(kCollection);
  }
};

TEST_F(FrameHelp, EveryWindowOfTheFrameHasATopic) {
  CHelpWindow help(kCollection);
  int tagged = 0;
  for (QWidget* w : frame->findChildren<QWidget*>())
    if (const unsigned id = HelpIdOf(w)) {
      ++tagged;
      EXPECT_FALSE(help.TopicOf(id).isEmpty()) << HelpKeyword(id).toStdString();
    }
  EXPECT_GT(tagged, 20);
  EXPECT_FALSE(help.TopicOf(HelpIdOf(frame.get())).isEmpty());
}

TEST_F(FrameHelp, F1OpensTheTopicOfTheWidgetUnderThePointer) {
  // A URL field as the property panel shows it.
  auto* dock = new QDockWidget(frame.get());
  auto* url = new QLineEdit(dock);
  SetHelpId(url, HelpControlId(1010));
  dock->setWidget(url);
  frame->addDockWidget(Qt::RightDockWidgetArea, dock);
  RunLoop(50);

  struct Case {
    QWidget* over;
    const char* page;
  };
  const Case cases[] = {
      {url, "property.html#url"},
      {Viewport(), "window.html#view"},  // the viewport has no id; its view has
      {frame->ToolBox()->widgetForAction(Action(ID_TOOL_POLYGON)), "tool-polygon.html"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    QCursor::setPos(c.over->mapToGlobal(c.over->rect().center()));
    QTest::keyClick(frame.get(), Qt::Key_F1);
    ASSERT_NE(frame->Help().Window(), nullptr);
    EXPECT_TRUE(frame->Help().Window()->isVisible());
    EXPECT_EQ(frame->Help().Window()->Browser()->source().toString(), Page(c.page));
    // Out of the way of the next pointer position.
    frame->Help().Window()->close();
  }

  // The Help menu's contents open the same window at its contents.
  Action(ID_HELP_CONTENTS)->trigger();
  EXPECT_EQ(frame->Help().Window()->Tabs()->currentIndex(), int(CHelpWindow::kContentsTab));
}
