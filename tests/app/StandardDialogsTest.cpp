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
  if (!QApplication::instance()) {
    static int argc = 1;
    static char arg0[] = "test_app";
    static char* argv[] = {arg0, nullptr};
    new QApplication(argc, argv);
  }
}
}  // namespace

TEST(GreetingDialog, OffersNewFirstAndReportsTheChosenButton) {
  EnsureApplication();
  CGreetingDlg dlg;
  EXPECT_EQ(dlg.Button(CGreetingDlg::kNewButton)->text(), QStringLiteral("新規作成"));
  EXPECT_EQ(dlg.Button(CGreetingDlg::kOpenButton)->text(), QStringLiteral("既存のファイルを開く"));
  EXPECT_TRUE(dlg.Button(CGreetingDlg::kNewButton)->isChecked());
  EXPECT_EQ(dlg.Choice(), GreetingChoice::New);
  dlg.Button(CGreetingDlg::kOpenButton)->click();
  EXPECT_FALSE(dlg.Button(CGreetingDlg::kNewButton)->isChecked());
  EXPECT_EQ(dlg.Choice(), GreetingChoice::Open);
  const QList<QPushButton*> buttons = dlg.findChildren<QPushButton*>();
  QStringList texts;
  for (QPushButton* b : buttons) texts << b->text();
  EXPECT_TRUE(texts.contains(QStringLiteral("キャンセル")));
}

TEST(StandardDialogs, QtButtonsSpeakJapaneseWhenTheCatalogueIsInstalled) {
  EnsureApplication();
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!QFile::exists(folder + QStringLiteral("/qtbase_ja.qm")))
    GTEST_SKIP() << "Qt's Japanese catalogue (qt6-translations-l10n) is not installed";
  QTranslator translator;
  ASSERT_TRUE(InstallJapaneseQtTranslations(translator));
  QMessageBox box(QMessageBox::Warning, QStringLiteral("ZORVA"), QStringLiteral("?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  const QString yes = box.button(QMessageBox::Yes)->text();
  const QString no = box.button(QMessageBox::No)->text();
  const QString cancel = box.button(QMessageBox::Cancel)->text();
  QCoreApplication::removeTranslator(&translator);
  EXPECT_TRUE(yes.startsWith(QStringLiteral("はい"))) << yes.toStdString();
  EXPECT_TRUE(no.startsWith(QStringLiteral("いいえ"))) << no.toStdString();
  EXPECT_TRUE(cancel.startsWith(QStringLiteral("キャンセル"))) << cancel.toStdString();
}
