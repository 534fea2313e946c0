#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include "FrameTestSupport.h"
#include "ui/QtTranslations.h"

TEST(StandardDialogs, QtButtonsSpeakJapaneseWhenTheCatalogueIsInstalled) {
  zorva::test::EnsureQApplication();
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
