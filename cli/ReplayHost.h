#pragma once
// The document host of zorva-cli replay. Every message box goes to stderr
// with its string number and the answer the script chose for it (OK until an
// "answer" line says otherwise); the page dialogs are answered by the page
// options as for convert. Posts to the view wait in a queue until the
// replaying thread hands them to the view: a loader worker may post at any
// time, the view runs on one thread only.
#include <mutex>
#include <string>

#include "cli/CliDocumentHost.h"
#include "platform/MessageQueue.h"

namespace zorva::cli {

class CReplayHost : public CCliDocumentHost {
 public:
  int MessageBox(unsigned stringId, const std::string& text, unsigned type) override;
  void PostToView(unsigned msg, uintptr_t wParam, intptr_t lParam) override;

  // The button the following message boxes answer with.
  void SetAnswer(int button);
  CMessageQueue& ViewMessages() { return m_viewMessages; }

  // "ok", "cancel", "yes", "no" or the number.
  static std::string AnswerName(int button);

 private:
  std::mutex m_mutex;
  int m_answer = IDOK;
  CMessageQueue m_viewMessages;
};

}  // namespace zorva::cli
