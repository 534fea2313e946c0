// The editor's entry point.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "app/QtSettingsStore.h"
#include "app/ZorvaApp.h"
#include "html/HtmlSettingsDefaults.h"
#include "platform/UiLanguage.h"
#include "ui/QtTranslations.h"

namespace {
// Qt aborts when it cannot reach a display; say so plainly instead.
bool DisplayAvailable() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}

void ChooseLanguage() {
  CQtSettingsStore store;
  const zorva::UiLanguage language = zorva::LanguageFromSetting(
      store.GetString(zorva::kSettingsSection, zorva::kSettingLanguage, "system"),
      zorva::LanguageFromLocale([](const char* name) { return std::getenv(name); }));
  std::string error;
  if (zorva::InstallUiLanguage(language, zorva::TranslationFolders(), &error) != zorva::InstallResult::Installed)
    std::fprintf(stderr, "zorva: %s; the texts stay in Japanese\n", error.c_str());
}
}  // namespace

int main(int argc, char** argv) {
  if (!DisplayAvailable()) {
    std::fprintf(stderr,
                 "zorva: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                 "Start it inside a desktop session, or under Xvfb: xvfb-run zorva FILE\n");
    return 1;
  }
  QApplication qapp(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Ulmora"));
  QApplication::setApplicationName(QStringLiteral("ZORVA"));
  // The program's icon in every size the resources hold; every window shows
  // it, each at the size its place asks for.
  QIcon icon;
  for (const char* size : {"-16", "-32", "-48", "-64", "-128", ""}) {
    const QString file = QStringLiteral(":/icons/zorva%1.png").arg(QLatin1String(size));
    if (QFile::exists(file)) icon.addFile(file);
  }
  if (!icon.isNull()) QApplication::setWindowIcon(icon);
  // The interface speaks the user's choice of language, else the locale's;
  // the standard dialogs speak it too.
  ChooseLanguage();
  QTranslator qtTexts;
  InstallUiQtTranslations(qtTexts);

  QStringList args = QApplication::arguments();
  std::string startFile = args.size() > 1 ? args.at(1).toStdString() : std::string();

  CZorvaApp app;
  if (!app.InitInstance(startFile)) return 1;
  int rc = QApplication::exec();
  app.ExitInstance();
  return rc;
}
