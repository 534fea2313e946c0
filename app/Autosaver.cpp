#include "app/Autosaver.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <unistd.h>

#include "app/RecoveryFolder.h"
#include "html/HtmlSettingsDefaults.h"
#include "model/ZorvaDoc.h"
#include "platform/FileSystem.h"
#include "platform/ReplacingFile.h"
#include "platform/SettingsStore.h"
#include "platform/StringTable.h"

zorva::RecoveryOutputChoices ReadRecoveryOutputChoices(zorva::ISettingsStore& store) {
  using namespace zorva;
  RecoveryOutputChoices out;
  out.newline = store.GetString(kSettingsSection, kSettingNewline, "\r\n");
  out.doctype = store.GetInt(kSettingsSection, kSettingDoctype, 0);
  out.charcode = store.GetInt(kSettingsSection, kSettingCharcode, 0);
  out.charcase = store.GetInt(kSettingsSection, kSettingCharcase, 0);
  out.mapForm = store.GetInt(kSettingsSection, kSettingMapForm, 0);
  out.svgHover = store.GetInt(kSettingsSection, kSettingSvgHover, 0);
  return out;
}

void WriteRecoveryOutputChoices(zorva::ISettingsStore& store, const zorva::RecoveryOutputChoices& out) {
  using namespace zorva;
  // Only what differs: an unchanged store keeps the values it never held.
  if (ReadRecoveryOutputChoices(store) == out) return;
  store.WriteString(kSettingsSection, kSettingNewline, out.newline);
  store.WriteInt(kSettingsSection, kSettingDoctype, out.doctype);
  store.WriteInt(kSettingsSection, kSettingCharcode, out.charcode);
  store.WriteInt(kSettingsSection, kSettingCharcase, out.charcase);
  store.WriteInt(kSettingsSection, kSettingMapForm, out.mapForm);
  store.WriteInt(kSettingsSection, kSettingSvgHover, out.svgHover);
}

CAutosaver::CAutosaver(CZorvaDoc& doc, zorva::ISettingsStore* settings, const QString& folder,
                       std::function<void(const QString&)> report)
    : m_doc(doc), m_settings(settings), m_report(std::move(report)) {
  // The process id and the start time: unique among the editors of this
  // machine even when a process id comes back after a reboot.
  m_file = QDir(folder).filePath(QStringLiteral("zorva-%1-%2.zvr")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(QDateTime::currentMSecsSinceEpoch()));
  // The folder holds other people's unsaved work: only its owner reads it.
  if (QDir().mkpath(folder)) QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  m_lock = MakeRecoveryLock(m_file);
  if (!m_lock->tryLock(0)) m_lock.reset();

  const int seconds = m_settings ? m_settings->GetInt(kRecoverySection, kRecoveryInterval,
                                                      kDefaultRecoveryIntervalSeconds)
                                 : kDefaultRecoveryIntervalSeconds;
  m_intervalMs = seconds > 0 ? seconds * 1000 : 0;
  m_worker = std::thread([this] { RunWorker(); });
  m_poll.setSingleShot(true);
  connect(&m_poll, &QTimer::timeout, this, &CAutosaver::Poll);
  m_doc.AddListener(this);
}

void CAutosaver::Schedule() {
  if (m_intervalMs > 0 && !m_finished && !m_poll.isActive()) m_poll.start(0);
}

CAutosaver::~CAutosaver() {
  m_doc.RemoveListener(this);
  {
    std::lock_guard lock(m_mutex);
    m_stop = true;
  }
  m_wake.notify_all();
  if (m_worker.joinable()) m_worker.join();
}

CAutosaver::Mark CAutosaver::CurrentMark() const {
  return Mark{m_doc.LastRecord(), m_doc.m_nUndoPos, m_doc.m_listUndo.size()};
}

bool CAutosaver::Adopt(const QString& restoredFile) {
  Flush();
  const QByteArray from = QFile::encodeName(restoredFile), to = QFile::encodeName(m_file);
  if (std::rename(from.constData(), to.constData()) != 0) return false;
  m_fileExists = true;
  m_written = CurrentMark();
  return true;
}

void CAutosaver::Poll() {
  if (m_finished || m_intervalMs <= 0) return;
  if (!m_doc.IsModified()) {
    // Saved, or back to the saved state: nothing to recover.
    m_sinceFirstChange.invalidate();
    m_written = CurrentMark();
    if (m_fileExists) Queue(Job{{}, 0, true});
    return;
  }
  if (CurrentMark() == m_written && m_fileExists) return;
  if (!m_sinceFirstChange.isValid()) m_sinceFirstChange.start();
  const int64_t wait = m_intervalMs - m_sinceFirstChange.elapsed();
  if (wait > 0) {
    m_poll.start(int(wait));
    return;
  }
  {
    // A write still under way (a slow disk): a second later the newer state.
    std::lock_guard lock(m_mutex);
    if (m_working || !m_jobs.empty()) {
      m_poll.start(1000);
      return;
    }
  }
  AutosaveNow();
}

int64_t CAutosaver::AutosaveNow() {
  QElapsedTimer spent;
  spent.start();
  Job job;
  {
    std::lock_guard lock(m_mutex);
    job.body = std::move(m_spare);
  }
  const zorva::RecoveryOutputChoices out =
      m_settings ? ReadRecoveryOutputChoices(*m_settings) : zorva::RecoveryOutputChoices{};
  zorva::SnapshotDocument(m_doc, out, job.body);
  job.savedAt = QDateTime::currentSecsSinceEpoch();
  m_written = CurrentMark();
  m_sinceFirstChange.invalidate();
  m_fileExists = true;
  Queue(std::move(job));
  return spent.nsecsElapsed() / 1000;
}

void CAutosaver::Queue(Job job) {
  if (job.remove) m_fileExists = false;
  {
    std::lock_guard lock(m_mutex);
    m_jobs.push_back(std::move(job));
  }
  m_wake.notify_all();
}

void CAutosaver::Flush() {
  std::unique_lock lock(m_mutex);
  m_idle.wait(lock, [this] { return m_jobs.empty() && !m_working; });
}

void CAutosaver::Finish() {
  if (m_finished) return;
  m_finished = true;
  m_poll.stop();
  Queue(Job{{}, 0, true});
  Flush();
  if (m_lock) m_lock->unlock();
}

void CAutosaver::RunWorker() {
  const std::string path = QFile::encodeName(m_file).toStdString();
  // The replacing write takes the model's form of a path.
  const std::optional<CString> modelPath = zorva::ModelPathFromFs(path);
  std::unique_lock lock(m_mutex);
  for (;;) {
    m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
    if (m_jobs.empty()) return;
    Job job = std::move(m_jobs.front());
    m_jobs.pop_front();
    m_working = true;
    lock.unlock();
    int err = 0;
    bool ok = true;
    if (job.remove) {
      ok = ::unlink(path.c_str()) == 0 || errno == ENOENT;
      err = ok ? 0 : errno;
    } else {
      // The head is made here, where its checksum of the whole body costs
      // the window nothing.
      const std::string head = zorva::RecoveryFileHead(job.body, job.savedAt);
      zorva::CReplacingFile file;
      err = EILSEQ;
      ok = modelPath && file.Open(*modelPath, &err);
      if (ok) {
        file.WriteBorrowed(head);
        file.WriteBorrowed(job.body.front.View());
        if (job.body.page) file.WriteBorrowed(*job.body.page);
        file.WriteBorrowed(job.body.back.View());
        ok = file.Commit(&err);
      }
      QMetaObject::invokeMethod(this, [this, ok, err] { OnWriteDone(ok, err); }, Qt::QueuedConnection);
    }
    lock.lock();
    if (!job.remove) m_spare = std::move(job.body);
    m_working = false;
    if (m_jobs.empty()) m_idle.notify_all();
  }
}

void CAutosaver::OnWriteDone(bool ok, int err) {
  if (ok) {
    m_failureShown = false;
  } else {
    // Tried again an interval later, changes or not.
    m_written = Mark{nullptr, SIZE_MAX, SIZE_MAX};
    if (!m_finished && m_intervalMs > 0) m_poll.start(m_intervalMs);
  }
  if (!ok && !m_failureShown) {
    // Once until a write succeeds again: the next ones would say the same.
    m_failureShown = true;
    if (m_report)
      m_report(QString::fromStdString(zorva::FormatString(
          65316, {QFile::encodeName(m_file).toStdString(), std::strerror(err ? err : EIO)})));
  }
  emit Written(ok);
}
