#pragma once
// A file written through a temporary file in the target's folder, which
// replaces the target only once every byte is written, so a failed, cancelled
// or abandoned write never damages the previous file.
//
// Pieces are written on a thread of their own, so that a big page is produced
// and written at the same time. Like any buffered write it does not wait for
// the disk: waiting cost more than producing a big page (measured). Which of
// old and new survives a power cut right after a save is left to the file
// system's ordering of a replacing rename.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <variant>

#include "platform/ByteBuffer.h"

namespace zorva {

class CReplacingFile {
 public:
  CReplacingFile() = default;
  ~CReplacingFile();  // abandons a file not committed
  CReplacingFile(const CReplacingFile&) = delete;
  CReplacingFile& operator=(const CReplacingFile&) = delete;

  // Creates the temporary file. False, with `err` set, when it cannot be.
  bool Open(std::string_view cp932Path, int* err = nullptr);

  // Queues bytes for writing. An owned piece is given back through
  // TakeSpare once written; borrowed bytes must stay in place until Commit
  // or Abandon returns.
  void Write(CByteBuffer piece);
  void WriteBorrowed(std::string_view bytes);

  // A buffer the writing thread has finished with (empty when none is), so
  // that a producer can reuse its memory.
  CByteBuffer TakeSpare();

  // Waits for the writes and renames the file over the target. False,
  // with `err` set to the errno of the failing step, when any step failed; the
  // temporary file is then removed and the target left as it was.
  bool Commit(int* err = nullptr);

  // Drops everything written; the target stays as it was.
  void Abandon();

 private:
  using Piece = std::variant<CByteBuffer, std::string_view>;
  void Run();
  void Enqueue(Piece piece);
  int Finish();  // stops the thread; the first error, or 0

  std::string m_target, m_temp;
  int m_fd = -1;
  std::thread m_thread;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::deque<Piece> m_queue;
  std::deque<CByteBuffer> m_spare;
  bool m_closing = false;
  int m_error = 0;
};

}  // namespace zorva
