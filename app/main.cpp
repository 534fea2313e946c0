// The editor's entry point.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "app/ZorvaApp.h"
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
  // The standard dialogs speak Japanese like the rest of the program.
  QTranslator qtTexts;
  InstallJapaneseQtTranslations(qtTexts);

  QStringList args = QApplication::arguments();
  std::string startFile = args.size() > 1 ? args.at(1).toStdString() : std::string();

  CZorvaApp app;
  if (!app.InitInstance(startFile)) return 1;
  int rc = QApplication::exec();
  app.ExitInstance();
  return rc;
}
