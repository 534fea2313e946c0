#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstallJapaneseQtTranslations(QTranslator& translator, const char* catalogue) {
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QString::fromLatin1(catalogue),
                       QStringLiteral("_"), folder))
    return false;
  return QCoreApplication::installTranslator(&translator);
}
