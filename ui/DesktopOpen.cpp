#include "ui/DesktopOpen.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>
#include <memory>

namespace {

constexpr int kPollMs = 100;

// The opener writes its status into the file only while the file is there,
// so a browser that exits long after the watch leaves nothing behind.
constexpr char kOpener[] = "xdg-open \"$1\"; status=$?; [ -e \"$2\" ] && echo $status > \"$2\"";

struct Watch {
  QString statusFile;
  std::function<void()> failed;
  int left = 0;
};

void Poll(std::shared_ptr<Watch> watch) {
  QFile status(watch->statusFile);
  if (status.open(QIODevice::ReadOnly)) {
    const QByteArray text = status.readAll().trimmed();
    status.close();
    if (!text.isEmpty()) {
      QFile::remove(watch->statusFile);
      if (text != "0" && watch->failed) watch->failed();
      return;
    }
  }
  watch->left -= kPollMs;
  if (watch->left <= 0) {
    QFile::remove(watch->statusFile);
    return;
  }
  QTimer::singleShot(kPollMs, [watch] { Poll(watch); });
}

}  // namespace

bool OpenWithDesktop(const QString& file, std::function<void()> failed, int watchMs) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(file));

  QTemporaryFile status(QDir::temp().filePath(QStringLiteral("zorva-open-XXXXXX")));
  status.setAutoRemove(false);
  if (!status.open()) return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
  auto watch = std::make_shared<Watch>();
  watch->statusFile = status.fileName();
  watch->failed = std::move(failed);
  watch->left = watchMs;
  status.close();

  if (!QProcess::startDetached(QStringLiteral("/bin/sh"),
                               {QStringLiteral("-c"), QString::fromLatin1(kOpener), QStringLiteral("sh"), file,
                                watch->statusFile})) {
    QFile::remove(watch->statusFile);
    return false;
  }
  QTimer::singleShot(kPollMs, [watch] { Poll(watch); });
  return true;
}
