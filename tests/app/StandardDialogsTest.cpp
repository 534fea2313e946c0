#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTranslator>

#include "app/QtTranslations.h"
#include "ui/GreetingDlg.h"

namespace {
void EnsureApplication() {
  static int argc = 1;
  static char arg0[] = "test_app";
  static char* argv[] = {arg0, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
}
}  // namespace

TEST(GreetingDialog, OffersNewFirstAndReportsTheChosenButton) {
  EnsureApplication();
  CGreetingDlg dlg;
  QRadioButton* open = dlg.Button(CGreetingDlg::kOpenButton);
  EXPECT_EQ(dlg.Button(CGreetingDlg::kNewButton)->text(), QStringLiteral("新規作成"));
  EXPECT_EQ(open->text(), QStringLiteral("既存のファイルを開く"));
  EXPECT_EQ(dlg.Choice(), GreetingChoice::New);
  open->click();
  EXPECT_EQ(dlg.Choice(), GreetingChoice::Open);
}

TEST(StandardDialogs, QtButtonsSpeakJapaneseWhenTheCatalogueIsInstalled) {
  EnsureApplication();
  if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm")))
    GTEST_SKIP() << "Qt's Japanese catalogue (qt6-translations-l10n) is not installed";
  QTranslator translator;
  ASSERT_TRUE(InstallJapaneseQtTranslations(translator));
  QMessageBox box(QMessageBox::Warning, QStringLiteral("ZORVA"), QStringLiteral("?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  QStringList texts;
  for (auto b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) texts << box.button(b)->text();
  QCoreApplication::removeTranslator(&translator);
  EXPECT_TRUE(texts[0].startsWith(QStringLiteral("はい"))) << texts[0].toStdString();
  EXPECT_TRUE(texts[1].startsWith(QStringLiteral("いいえ"))) << texts[1].toStdString();
  EXPECT_TRUE(texts[2].startsWith(QStringLiteral("キャンセル"))) << texts[2].toStdString();
}
