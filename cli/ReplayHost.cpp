#include "cli/ReplayHost.h"

namespace zorva::cli {

int CReplayHost::MessageBox(unsigned stringId, const std::string& text, unsigned type) {
  std::lock_guard<std::mutex> lock(m_mutex);
  CCliDocumentHost::MessageBox(
      stringId, "message " + std::to_string(stringId) + " (answer " + AnswerName(m_answer) + "): " + text, type);
  return m_answer;
}

void CReplayHost::PostToView(unsigned msg, uintptr_t wParam, intptr_t lParam) {
  m_viewMessages.PostMessage(0, msg, wParam, lParam);
}

void CReplayHost::SetAnswer(int button) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_answer = button;
}

std::string CReplayHost::AnswerName(int button) {
  switch (button) {
    case IDOK: return "ok";
    case IDCANCEL: return "cancel";
    case IDYES: return "yes";
    case IDNO: return "no";
    default: return std::to_string(button);
  }
}

}  // namespace zorva::cli
