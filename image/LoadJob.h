#pragma once
// One picture load as its worker thread sees it: the messages to the view,
// the document's picture mutex, progress, and the rule that a load started
// later wins. Every decoder goes through these steps in its own order.
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Types.h"

class CZorvaDoc;

namespace zorva {

// Shared by all loads of one document.
struct DocLoadState {
  std::mutex mutex;              // orders the loaded flag between starts and failures
  std::atomic<uint64_t> latest{0};  // generation of the newest load
};

class CLoadJob {
 public:
  CLoadJob(CZorvaDoc& doc, CString path, std::shared_ptr<DocLoadState> state, uint64_t generation,
           const std::atomic<bool>& shuttingDown);
  // Ends progress and releases the mutex if the decoder left them.
  ~CLoadJob();
  CLoadJob(const CLoadJob&) = delete;
  CLoadJob& operator=(const CLoadJob&) = delete;

  const CString& Path() const { return m_path; }
  // The file name for progress texts (UTF-8), whole or split at its extension.
  std::string FileName() const;
  std::string FileTitle() const;
  std::string FileExtension() const;

  // A newer load of the same document started, or the program is closing:
  // the result is not wanted and nothing may be reported.
  bool Abandoned() const;

  // UM_LOADNOTIFY (1, 1).
  void PostStart();
  // Takes the picture mutex; false (not holding it) when the load was
  // abandoned while it waited.
  bool LockPicture();
  void BeginProgress(const std::string& text);
  void EndProgress();
  // Reports the share done (multiples of 5 %, each once) before the row
  // `done` of `total`; false when the load was abandoned.
  bool Progress(int64_t done, int64_t total);

  // Puts the new bitmap (null for a 0 x 0 picture) and, for the palette path,
  // the palette into the document, releases the mutex and posts (1, 0). An
  // abandoned load drops them.
  void Finish(std::unique_ptr<CBitmap> bitmap, std::unique_ptr<std::array<COLORREF, 256>> palette = nullptr);
  // Failures clear the document's loaded flag and tell the user: a string
  // number as UM_LOADNOTIFY (0, id), a library's own text as a message box.
  void Fail(unsigned stringId);
  void FailWithText(const std::string& text, unsigned stringId = 0);
  // A file that cannot be read as a picture: string `stringId` naming the
  // file, the library's own words (English) on a second line when it has any.
  void FailOpening(unsigned stringId, const std::string& detail = {});
  // Something the user should know about a picture that did load (after
  // Finish): string `stringId` naming the file, unless the load was abandoned.
  void Notice(unsigned stringId);

 private:
  void Release();
  bool ClearLoadedFlag();

  CZorvaDoc& m_doc;
  CString m_path;
  std::shared_ptr<DocLoadState> m_state;
  uint64_t m_generation;
  const std::atomic<bool>& m_shuttingDown;
  bool m_locked = false;
  bool m_progressShown = false;
  int m_lastPercent = -1;
};

}  // namespace zorva
