#pragma once
// Autosave: while the document holds changes not saved, its whole state goes
// to this editor's recovery file, first `interval` after the first change and
// then every `interval` while changes go on. The state is taken in the event
// loop (one pass over the document into flat bytes); the file is written on a
// worker thread, through a temporary file, fsync and rename. Saving the
// document, or a close the user approved, removes the file.
#include <QElapsedTimer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <condition_variable>
#include <cstdint>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "model/DocumentListener.h"
#include "model/RecoveryFile.h"

class CZorvaDoc;
class QStatusBar;
namespace zorva {
class ISettingsStore;
}

// The settings value of the interval in seconds (0: no autosave) and its default.
inline constexpr const char* kRecoverySection = "Recovery";
inline constexpr const char* kRecoveryInterval = "interval";
inline constexpr int kDefaultRecoveryIntervalSeconds = 30;

// The output choices as the settings store holds them, and back.
zorva::RecoveryOutputChoices ReadRecoveryOutputChoices(zorva::ISettingsStore& store);
void WriteRecoveryOutputChoices(zorva::ISettingsStore& store, const zorva::RecoveryOutputChoices& out);

// Hears of the document's history, so it wakes only while there is work
// to keep: an editor at rest runs no timer.
class CAutosaver : public QObject, private IDocumentListener {
  Q_OBJECT
 public:
  // `folder` is made when missing. `report` shows a failure in the status bar.
  CAutosaver(CZorvaDoc& doc, zorva::ISettingsStore* settings, const QString& folder,
             std::function<void(const QString&)> report);
  ~CAutosaver() override;

  // This editor's recovery file (it may not exist yet).
  const QString& FilePath() const { return m_file; }
  // Whether this editor holds its lock (false when the folder cannot be made).
  bool Locked() const { return m_lock && m_lock->isLocked(); }

  // A restored file becomes this editor's own, so the state is never
  // without a file on the disk. False when it cannot be moved.
  bool Adopt(const QString& restoredFile);

  // Looks whether a write or a removal is due, and wakes again when the
  // next one will be; the document's changes and the timer call it.
  void Poll();
  // Takes the state now and queues its write (the benchmark and tests);
  // returns the microseconds spent in the calling thread.
  int64_t AutosaveNow();
  // Waits until every queued write and removal is done.
  void Flush();
  // The user approved the close (saved or discarded the changes): the file
  // goes, and nothing more is written.
  void Finish();

 signals:
  // After each write, with its success (tests wait for it).
  void Written(bool ok);

 private:
  struct Job {
    zorva::RecoveryBody body;  // empty with remove set
    int64_t savedAt = 0;
    bool remove = false;
  };
  // What tells one state of the history from another.
  struct Mark {
    const void* last = nullptr;
    size_t undoPos = 0;
    size_t count = 0;
    bool operator==(const Mark&) const = default;
  };
  Mark CurrentMark() const;
  // A change of the history or the whole document: looked at once the
  // present event is over (never in the middle of an edit).
  void HistoryChanged() override { Schedule(); }
  void DocumentReset() override { Schedule(); }
  void Schedule();
  void Queue(Job job);
  void RunWorker();
  void OnWriteDone(bool ok, int err);

  CZorvaDoc& m_doc;
  zorva::ISettingsStore* m_settings;
  std::function<void(const QString&)> m_report;
  QString m_file;
  std::unique_ptr<QLockFile> m_lock;
  QTimer m_poll;
  int m_intervalMs = 0;
  // When the pending write is due; invalid when none is.
  QElapsedTimer m_sinceFirstChange;
  Mark m_written;  // the state the file holds (or is being written with)
  bool m_fileExists = false;
  bool m_failureShown = false;
  bool m_finished = false;

  std::thread m_worker;
  std::mutex m_mutex;
  std::condition_variable m_wake, m_idle;
  std::deque<Job> m_jobs;
  // The body of the last write, once written: its buffers (already in memory)
  // and its page text serve the next snapshot.
  zorva::RecoveryBody m_spare;
  bool m_working = false;
  bool m_stop = false;
};
