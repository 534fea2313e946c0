#pragma once
// The document host of a command that loads a picture as the editor does:
// messages go to stderr as for every command (from the loader thread, so
// under a lock), the end of the load is kept for the command to read, and
// the display is the one asked for.
#include <cstdint>
#include <mutex>
#include <string>

#include "cli/CliDocumentHost.h"
#include "platform/MessageQueue.h"

namespace zorva::cli {

class CPictureLoadHost : public CCliDocumentHost {
 public:
  explicit CPictureLoadHost(bool paletteDisplay = false) : m_paletteDisplay(paletteDisplay) {}

  int MessageBox(unsigned stringId, const std::string& text, unsigned type) override {
    std::lock_guard<std::mutex> lock(m_mutex);
    return CCliDocumentHost::MessageBox(stringId, text, type);
  }
  void PostToView(unsigned msg, uintptr_t wParam, intptr_t lParam) override {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (msg != UM_LOADNOTIFY) return;
    if (wParam == 1 && lParam == 0) m_finished = true;
    if (wParam == 0) m_failedWith = unsigned(lParam);
  }
  int DisplayColorCount() override { return m_paletteDisplay ? 256 : -1; }
  int DisplayBitsPerPixel() override { return m_paletteDisplay ? 8 : 32; }

  bool Finished() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_finished && !m_failedWith && MessageCount() == 0;
  }
  unsigned FailedWith() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_failedWith;
  }

 private:
  std::mutex m_mutex;
  bool m_paletteDisplay;
  bool m_finished = false;
  unsigned m_failedWith = 0;
};

}  // namespace zorva::cli
