// The interface in English: every menu, dialog and bar built while the
// English catalogue is installed speaks English, keeps unique mnemonics and
// shows its texts whole; the language setting of the preferences dialog.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "FrameTestSupport.h"
#include "html/HtmlSettingsDefaults.h"
#include "platform/SettingsStore.h"
#include "platform/StringTable.h"
#include "platform/UiLanguage.h"
#include "ui/AboutDlg.h"
#include "ui/GreetingDlg.h"
#include "ui/HtmlSettingsDlg.h"

using namespace zorva;
using namespace zorva::test;

namespace {

bool HasJapanese(const QString& text) {
  for (QChar c : text) {
    const ushort u = c.unicode();
    if ((u >= 0x3040 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0xFF61 && u <= 0xFF9F)) return true;
  }
  return false;
}

// The language's own name in the language list is the one Japanese word allowed.
bool Allowed(const QString& text) { return text == QStringLiteral("日本語"); }

// Every text a widget shows: not Japanese, and not cut off by its control.
void ExpectEnglishAndWhole(QWidget* top, const std::string& where) {
  auto check = [&](QWidget* w, const QString& text) {
    if (text.isEmpty() || !w->isVisible()) return;
    EXPECT_FALSE(HasJapanese(text) && !Allowed(text)) << where << ": " << text.toStdString();
    EXPECT_GE(w->width(), w->minimumSizeHint().width()) << where << ": \"" << text.toStdString() << "\" is cut";
  };
  for (QLabel* l : top->findChildren<QLabel*>()) check(l, l->text());
  for (QAbstractButton* b : top->findChildren<QAbstractButton*>()) check(b, b->text());
  for (QGroupBox* g : top->findChildren<QGroupBox*>()) {
    check(g, g->title());
    EXPECT_GE(g->width(), g->fontMetrics().horizontalAdvance(g->title())) << where << ": " << g->title().toStdString();
  }
  for (QComboBox* c : top->findChildren<QComboBox*>())
    for (int i = 0; i < c->count(); ++i)
      EXPECT_FALSE(HasJapanese(c->itemText(i)) && !Allowed(c->itemText(i))) << where << ": " << c->itemText(i).toStdString();
  EXPECT_FALSE(HasJapanese(top->windowTitle())) << where << ": " << top->windowTitle().toStdString();
}

class EnglishUi : public FrameFixture {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_EQ(InstallUiLanguage(UiLanguage::English, {BuiltTranslationsFolder()}, &error), InstallResult::Installed)
        << error;
    FrameFixture::SetUp();  // the frame is built in English
  }
  void TearDown() override {
    FrameFixture::TearDown();
    InstallUiLanguage(UiLanguage::Japanese, {}, nullptr);
  }
};

TEST_F(EnglishUi, MenusAreEnglishWithAMnemonicEachThatNoOtherItemShares) {
  QStringList titles;
  std::map<QChar, QString> topKeys;
  for (QAction* top : frame->menuBar()->actions()) {
    titles << top->text();
    const QString title = top->text();
    ASSERT_GE(title.indexOf(QLatin1Char('&')), 0) << title.toStdString();
    const QChar topKey = title.at(title.indexOf(QLatin1Char('&')) + 1).toUpper();
    EXPECT_FALSE(topKeys.count(topKey)) << title.toStdString() << " and " << topKeys[topKey].toStdString();
    topKeys[topKey] = title;
    std::map<QChar, QString> seen;
    for (QAction* item : top->menu()->actions()) {
      if (item->isSeparator() || !item->isVisible()) continue;
      const QString text = item->text();
      EXPECT_FALSE(HasJapanese(text)) << text.toStdString();
      EXPECT_FALSE(HasJapanese(item->statusTip())) << item->statusTip().toStdString();
      EXPECT_FALSE(HasJapanese(item->toolTip())) << item->toolTip().toStdString();
      const qsizetype amp = text.indexOf(QLatin1Char('&'));
      ASSERT_TRUE(amp >= 0 && amp + 1 < text.size()) << "no mnemonic: " << text.toStdString();
      const QChar key = text.at(amp + 1).toUpper();
      EXPECT_FALSE(seen.count(key)) << title.toStdString() << ": " << text.toStdString() << " and "
                                    << seen[key].toStdString();
      seen[key] = text;
    }
  }
  EXPECT_EQ(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"), QStringLiteral("&View"),
                                 QStringLiteral("&Help")}));
}

TEST_F(EnglishUi, WindowBarsAndDialogsShowTheirEnglishTextsWhole) {
  AddRect(10, 10, 60, 40);
  RunLoop(50);
  ExpectEnglishAndWhole(frame.get(), "main window");
  // A new document keeps its untitled name in Japanese (a page's title is made
  // from it); the window shows it in English.
  doc->OnNewDocument();
  frame->UpdateTitle();
  EXPECT_EQ(doc->GetTitle(), LoadStringCp932(61208));
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Untitled[*] - ZORVA"));

  CMemorySettingsStore store;
  CompleteHtmlSettings(store);
  CHtmlSettingsDlg settings(store);
  settings.show();
  RunLoop(20);
  ExpectEnglishAndWhole(&settings, "HTML output settings");

  CGreetingDlg greeting;
  greeting.show();
  RunLoop(20);
  ExpectEnglishAndWhole(&greeting, "greeting");

  CAboutDlg about;
  about.show();
  RunLoop(20);
  ExpectEnglishAndWhole(&about, "about");
}

// The preferences dialog shows the stored language and stores the one chosen.
TEST(LanguageSetting, ShownFromTheStoreAndWrittenOnOk) {
  EnsureQApplication();
  struct Case {
    const char* stored;  // nullptr: none stored
    int shown;
    int chosen;
    const char* written;
  };
  const Case cases[] = {
      {nullptr, 0, 2, "en"}, {"ja", 1, 1, "ja"}, {"en", 2, 0, "system"}, {"fr", 0, 1, "ja"},
  };
  for (const Case& c : cases) {
    CMemorySettingsStore store;
    if (c.stored) store.WriteString(kSettingsSection, kSettingLanguage, c.stored);
    CHtmlSettingsDlg dlg(store);
    ASSERT_EQ(dlg.LanguageBox()->count(), 3);
    EXPECT_EQ(dlg.LanguageBox()->currentIndex(), c.shown) << (c.stored ? c.stored : "none");
    dlg.LanguageBox()->setCurrentIndex(c.chosen);
    dlg.accept();
    EXPECT_EQ(store.GetString(kSettingsSection, kSettingLanguage, "?"), c.written);
    EXPECT_EQ(LanguageFromSetting(store.GetString(kSettingsSection, kSettingLanguage, "?"), UiLanguage::Japanese),
              c.chosen == 2 ? UiLanguage::English : UiLanguage::Japanese);
  }
}

}  // namespace
