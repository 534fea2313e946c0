#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/UiLanguage.h"

bool InstallJapaneseQtTranslations(QTranslator& translator, const char* catalogue) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QString::fromLatin1(catalogue),
                       QStringLiteral("_"), folder))
    return false;
  return QCoreApplication::installTranslator(&translator);
}

bool InstallUiQtTranslations(QTranslator& translator, const char* catalogue) {
  if (zorva::CurrentUiLanguage() != zorva::UiLanguage::Japanese) return true;
  return InstallJapaneseQtTranslations(translator, catalogue);
}
