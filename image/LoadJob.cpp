#include "image/LoadJob.h"

#include "platform/StringTable.h"

#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/MessageQueue.h"
#include "platform/PathSplit.h"

namespace zorva {

CLoadJob::CLoadJob(CZorvaDoc& doc, CString path, std::shared_ptr<DocLoadState> state, uint64_t generation,
                   const std::atomic<bool>& shuttingDown)
    : m_doc(doc),
      m_path(std::move(path)),
      m_state(std::move(state)),
      m_generation(generation),
      m_shuttingDown(shuttingDown) {}

CLoadJob::~CLoadJob() { Release(); }

std::string CLoadJob::FileName() const { return Cp932ToUtf8(FileNameOf(m_path)); }
std::string CLoadJob::FileTitle() const { return Cp932ToUtf8(SplitPath(m_path).name); }
std::string CLoadJob::FileExtension() const { return Cp932ToUtf8(SplitPath(m_path).ext); }

bool CLoadJob::Abandoned() const {
  return m_shuttingDown.load(std::memory_order_relaxed) ||
         m_state->latest.load(std::memory_order_relaxed) != m_generation;
}

void CLoadJob::PostStart() {
  if (!Abandoned()) m_doc.Host().PostToView(UM_LOADNOTIFY, 1, 1);
}

bool CLoadJob::LockPicture() {
  m_doc.m_mutexPicture.lock();
  m_locked = true;
  if (Abandoned()) {
    Release();
    return false;
  }
  return true;
}

void CLoadJob::BeginProgress(const std::string& text) {
  if (m_shuttingDown) return;
  m_doc.BeginProgress(text);
  m_progressShown = true;
  m_lastPercent = -1;
}

void CLoadJob::EndProgress() {
  if (!m_progressShown) return;
  m_progressShown = false;
  if (!m_shuttingDown) m_doc.EndProgress();
}

bool CLoadJob::Progress(int64_t done, int64_t total) {
  if (Abandoned()) return false;
  int percent = total > 0 ? int(done * 100 / total) : 0;
  // Rows whose share is a multiple of 5 report it; one call per value is
  // enough for the display.
  if (percent % 5 == 0 && percent != m_lastPercent && m_progressShown) {
    m_lastPercent = percent;
    m_doc.SetProgress(percent);
  }
  return true;
}

void CLoadJob::Release() {
  EndProgress();
  if (m_locked) {
    m_locked = false;
    m_doc.m_mutexPicture.unlock();
  }
}

void CLoadJob::Finish(std::unique_ptr<CBitmap> bitmap, std::unique_ptr<std::array<COLORREF, 256>> palette) {
  if (!m_locked && !LockPicture()) return;
  bool wanted = !Abandoned();
  if (wanted) {
    m_doc.m_sizePicture = bitmap ? CSize{bitmap->Width(), bitmap->Height()} : CSize{};
    m_doc.m_pBitmap = std::move(bitmap);
    // A true-colour picture has no palette; an earlier picture's must not stay.
    m_doc.m_pPalette = std::move(palette);
  }
  Release();
  if (wanted) m_doc.Host().PostToView(UM_LOADNOTIFY, 1, 0);
}

bool CLoadJob::ClearLoadedFlag() {
  std::lock_guard<std::mutex> lock(m_state->mutex);
  if (Abandoned()) return false;
  m_doc.m_bPictureLoaded = false;
  return true;
}

void CLoadJob::Fail(unsigned stringId) {
  Release();
  if (ClearLoadedFlag()) m_doc.Host().PostToView(UM_LOADNOTIFY, 0, intptr_t(stringId));
}

void CLoadJob::FailWithText(const std::string& text, unsigned stringId) {
  // The mutex and the progress display go first: the box may stay open long.
  Release();
  if (ClearLoadedFlag()) m_doc.Host().MessageBox(stringId, text, MB_OK | MB_ICONEXCLAMATION);
}

void CLoadJob::Notice(unsigned stringId) {
  if (!Abandoned()) m_doc.Host().MessageBox(stringId, FormatString(stringId, {FileName()}), MB_OK | MB_ICONEXCLAMATION);
}

void CLoadJob::FailOpening(unsigned stringId, const std::string& detail) {
  std::string text = FormatString(stringId, {FileName()});
  if (!detail.empty()) text += "\n" + detail;
  FailWithText(text, stringId);
}

}  // namespace zorva
