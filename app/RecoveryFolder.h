#pragma once
// Where recovery files live and what a new start finds there. Each running
// editor holds a lock (with its process id) beside its recovery file, so a
// file is only ever offered once the editor that wrote it is gone, and only
// to one editor at a time.
#include <QLockFile>
#include <QString>
#include <memory>
#include <vector>

#include "model/RecoveryFile.h"

// $XDG_STATE_HOME/ZORVA/recovery, else ~/.local/state/ZORVA/recovery.
QString RecoveryFolderPath();

// The lock file that goes with a recovery file.
QString RecoveryLockPath(const QString& recoveryFile);

// A lock that counts only a running process as its holder, whatever its age.
std::unique_ptr<QLockFile> MakeRecoveryLock(const QString& recoveryFile);

// A file left by an editor that no longer runs, locked by this one while
// it decides.
struct LeftRecoveryFile {
  QString path;
  zorva::RecoverySummary summary;
  std::unique_ptr<QLockFile> lock;
};

// One that cannot be used, and why.
struct BadRecoveryFile {
  QString path;
  zorva::RecoveryFault fault = zorva::RecoveryFault::None;
  std::unique_ptr<QLockFile> lock;
};

// Looks at every recovery file of `folder` whose editor is gone; files of
// running editors are not touched.
void FindLeftRecoveryFiles(const QString& folder, std::vector<LeftRecoveryFile>& good,
                           std::vector<BadRecoveryFile>& bad);

// Reads and checks one file; on success `bytes` holds it whole and `body`
// views the body within it.
zorva::RecoveryFault ReadRecoveryFile(const QString& path, std::string& bytes, std::string_view& body,
                                      zorva::RecoverySummary& summary);

// Moves a file out of the way of later starts, in the same folder, without
// replacing anything there; the new path, or empty when it could not move.
QString MoveRecoveryFileAside(const QString& path);

// The string number of the words for a fault (for the messages).
unsigned RecoveryFaultText(zorva::RecoveryFault fault);
