#include "platform/MessageQueue.h"

namespace zorva {

void CMessageQueue::PostMessage(int target, unsigned msg, uintptr_t wParam, intptr_t lParam) {
  std::function<void()> wake;
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.push_back(Message{target, msg, wParam, lParam});
    wake = m_wake;
  }
  if (wake) wake();
}

void CMessageQueue::SetWakeCallback(std::function<void()> wake) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_wake = std::move(wake);
}

size_t CMessageQueue::Drain(const Handler& handler) {
  size_t handled = 0;
  for (;;) {
    Message m;
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      if (m_queue.empty()) return handled;
      m = m_queue.front();
      m_queue.pop_front();
    }
    handler(m);
    ++handled;
  }
}

size_t CMessageQueue::Pending() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_queue.size();
}

}  // namespace zorva
