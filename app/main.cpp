// The editor's entry point.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ZorvaVersion.h"
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

void PrintHelp() {
  std::printf(
      "Usage: zorva [FILE]\n"
      "The ZORVA image-map editor. FILE is a picture (.jpg, .jpeg, .png), a project\n"
      "(.zvf) or an HTML page (.html, .htm); without FILE a greeting asks whether to\n"
      "start from a picture or open a file.\n\n"
      "Options:\n"
      "  --help       show this help\n"
      "  --version    show the version\n"
      "Qt's own options (-platform NAME, -display DISPLAY, ...) are accepted too.\n\n"
      "Exit status: 0 after a normal end, 1 when there is no display or the greeting\n"
      "or the first file choice was cancelled.\n");
}
}  // namespace

int main(int argc, char** argv) {
  // Answered before any display is needed, so they work on a console too.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("zorva %s\n", ZORVA_VERSION);
    return 0;
  }
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    PrintHelp();
    return 0;
  }
  if (!DisplayAvailable()) {
    std::fprintf(stderr,
                 "zorva: no display is available (neither DISPLAY nor WAYLAND_DISPLAY is set).\n"
                 "Start it inside a desktop session, or under Xvfb: xvfb-run zorva FILE\n");
    return 1;
  }
  QApplication qapp(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Ulmora"));
  QApplication::setApplicationName(QStringLiteral("ZORVA"));
  // The desktop entry's name, so a Wayland desktop matches the window to it.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.ulmora.zorva"));
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
