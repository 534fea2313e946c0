#include "app/RecoveryFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/FileSystem.h"

namespace {
constexpr const char* kRecoveryEnding = ".zvr";
}  // namespace

QString RecoveryFolderPath() {
  QString state = qEnvironmentVariable("XDG_STATE_HOME");
  // The base directory rules take only an absolute path; anything else is unset.
  if (state.isEmpty() || !QDir::isAbsolutePath(state))
    state = QDir::homePath() + QStringLiteral("/.local/state");
  return state + QStringLiteral("/ZORVA/recovery");
}

QString RecoveryLockPath(const QString& recoveryFile) { return recoveryFile + QStringLiteral(".lock"); }

std::unique_ptr<QLockFile> MakeRecoveryLock(const QString& recoveryFile) {
  auto lock = std::make_unique<QLockFile>(RecoveryLockPath(recoveryFile));
  // An editor may run for days: only a holder that is gone makes a lock stale.
  lock->setStaleLockTime(0);
  return lock;
}

zorva::RecoveryFault ReadRecoveryFile(const QString& path, std::string& bytes, std::string_view& body,
                                      zorva::RecoverySummary& summary) {
  const QByteArray fsPath = QFile::encodeName(path);
  struct stat st{};
  if (::lstat(fsPath.constData(), &st) != 0) return zorva::RecoveryFault::Unreadable;
  // A link could lead the reader anywhere, a device or pipe could block it.
  if (!S_ISREG(st.st_mode)) return zorva::RecoveryFault::NotAFile;
  int err = 0;
  if (!zorva::ReadWholeFsFile(fsPath.toStdString(), bytes, &err, zorva::kMaxRecoveryFileBytes)) {
    if (err == zorva::kErrFileTooLarge) return zorva::RecoveryFault::TooLarge;
    if (err == zorva::kErrNotRegularFile || err == EISDIR) return zorva::RecoveryFault::NotAFile;
    return zorva::RecoveryFault::Unreadable;
  }
  return zorva::CheckRecoveryFile(bytes, body, summary);
}

void FindLeftRecoveryFiles(const QString& folder, std::vector<LeftRecoveryFile>& good,
                           std::vector<BadRecoveryFile>& bad) {
  const QDir dir(folder);
  const QStringList names = dir.entryList({QStringLiteral("*") + QLatin1String(kRecoveryEnding)},
                                          QDir::AllEntries | QDir::System | QDir::Hidden, QDir::Name);
  for (const QString& name : names) {
    const QString path = dir.filePath(name);
    auto lock = MakeRecoveryLock(path);
    // Held by a running editor (this one or another): not ours to offer.
    if (!lock->tryLock(0)) continue;
    std::string bytes;
    std::string_view body;
    zorva::RecoverySummary summary;
    const zorva::RecoveryFault fault = ReadRecoveryFile(path, bytes, body, summary);
    if (fault == zorva::RecoveryFault::None)
      good.push_back({path, std::move(summary), std::move(lock)});
    else
      bad.push_back({path, fault, std::move(lock)});
  }
  // The newest first.
  std::stable_sort(good.begin(), good.end(), [](const LeftRecoveryFile& a, const LeftRecoveryFile& b) {
    return a.summary.savedAt > b.summary.savedAt;
  });
}

QString MoveRecoveryFileAside(const QString& path) {
  const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  for (int n = 0; n < 100; ++n) {
    QString target = path + QStringLiteral(".bad-") + stamp;
    if (n) target += QLatin1Char('-') + QString::number(n);
    // link() never replaces an existing name, so nothing already set aside is lost.
    const QByteArray from = QFile::encodeName(path), to = QFile::encodeName(target);
    if (::link(from.constData(), to.constData()) == 0) {
      ::unlink(from.constData());
      return target;
    }
    if (errno == EEXIST) continue;
    // Some nodes cannot be hard-linked (or the file system has no links):
    // a rename after the look that the name is free.
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) continue;
    if (std::rename(from.constData(), to.constData()) == 0) return target;
    return {};
  }
  return {};
}

unsigned RecoveryFaultText(zorva::RecoveryFault fault) {
  switch (fault) {
    case zorva::RecoveryFault::CutShort: return 65310;
    case zorva::RecoveryFault::Damaged: return 65311;
    case zorva::RecoveryFault::LaterVersion: return 65312;
    case zorva::RecoveryFault::TooLarge: return 65313;
    case zorva::RecoveryFault::NotAFile: return 65315;
    case zorva::RecoveryFault::Unreadable:
    case zorva::RecoveryFault::None: break;
  }
  return 65314;
}
