#pragma once
// Messages posted from worker threads to the interface thread. Posting never
// blocks for long; the interface thread drains the queue (the editor wakes its
// event loop through the wake callback, tests call Drain by hand).
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

namespace zorva {

constexpr unsigned WM_USER = 0x400;
constexpr unsigned UM_VIEWRECT = WM_USER + 101;
constexpr unsigned UM_APPLYPANEL = WM_USER + 102;
constexpr unsigned UM_REFRESHPANEL = WM_USER + 103;
constexpr unsigned UM_SELECTAREA = WM_USER + 104;
constexpr unsigned UM_LOADNOTIFY = WM_USER + 105;

struct Message {
  int target = 0;  // who handles it; 0 is the editing view
  unsigned msg = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
};

class CMessageQueue {
 public:
  using Handler = std::function<void(const Message&)>;

  // Thread-safe.
  void PostMessage(int target, unsigned msg, uintptr_t wParam, intptr_t lParam);

  // Called after every post, on the posting thread, outside the lock.
  void SetWakeCallback(std::function<void()> wake);

  // Hands every queued message to `handler` in posting order, on the calling
  // thread; messages posted meanwhile are handled in the same call.
  size_t Drain(const Handler& handler);

  size_t Pending() const;

 private:
  mutable std::mutex m_mutex;
  std::deque<Message> m_queue;
  std::function<void()> m_wake;
};

}  // namespace zorva
