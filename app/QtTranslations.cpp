#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallJapaneseQtTranslations(QTranslator& translator) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                       QStringLiteral("_"), folder))
    return false;
  return QCoreApplication::installTranslator(&translator);
}
