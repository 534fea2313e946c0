#pragma once
// A file written through a temporary file in the target's folder, which
// replaces the target only once every byte is written and on the disk, so a
// failed, cancelled or abandoned write never damages the previous file, and a
// power cut after a save that reported success finds the new file whole.
//
// What the path names decides how it is written:
// - a symbolic link is followed to the file it names, which is replaced in
//   its own folder (the link stays a link);
// - a regular file, or nothing yet, is replaced through a temporary file,
//   keeping the permissions of the file replaced;
// - a device, a named pipe or a socket is written straight into: it is not
//   a file that a rename could replace, and renaming over it would remove it;
// - a folder is refused (EISDIR).
//
// Pieces are written on a thread of their own, so that a big page is produced
// and written at the same time; at most a few owned pieces wait for it, so
// a producer faster than the disk waits instead of piling up memory.
#include <condition_variable>
#include <cstdint>
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

  // Creates the temporary file (or opens the device, pipe or socket). False,
  // with `err` set, when it cannot be. Opening never waits: a pipe that no
  // one reads fails with ENXIO.
  bool Open(std::string_view cp932Path, int* err = nullptr);

  // Queues bytes for writing. An owned piece is given back through
  // TakeSpare once written; borrowed bytes must stay in place until Commit
  // or Abandon returns. Waits while several owned pieces are still queued.
  void Write(CByteBuffer piece);
  void WriteBorrowed(std::string_view bytes);

  // A buffer the writing thread has finished with (empty when none is), so
  // that a producer can reuse its memory.
  CByteBuffer TakeSpare();

  // Waits for the writes, flushes the temporary file to the disk, renames it
  // over the target and flushes the target's folder. True only when all of
  // that succeeded. On failure `err` is the errno of the failing step; when a
  // step before the rename failed, the temporary file is removed and the
  // target left as it was; when only the folder's flush failed, the new file
  // is in place but its name may not survive a power cut.
  bool Commit(int* err = nullptr);

  // Drops everything written; the target stays as it was. (Bytes already
  // written into a device, pipe or socket cannot be taken back.)
  void Abandon();

 private:
  using Piece = std::variant<CByteBuffer, std::string_view>;
  void Run();
  void Enqueue(Piece piece);
  int Finish();  // stops the thread; the first error, or 0

  std::string m_target, m_temp;
  bool m_direct = false;  // writing straight into a device, pipe or socket
  int m_fd = -1;
  std::thread m_thread;
  std::mutex m_mutex;
  std::condition_variable m_wake;     // to the writing thread
  std::condition_variable m_drained;  // from it
  std::deque<Piece> m_queue;
  size_t m_queuedOwned = 0;
  uint64_t m_written = 0;  // by the writing thread
  std::deque<CByteBuffer> m_spare;
  bool m_closing = false;
  int m_error = 0;
};

// The call that moves a file's or a folder's data to the disk (fsync). Tests
// put a recorder in its place; returns the one that was there.
using FlushFunction = int (*)(int fd);
FlushFunction SetFlushFunction(FlushFunction flush);

}  // namespace zorva
