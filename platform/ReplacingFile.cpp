#include "platform/ReplacingFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <new>
#include <system_error>

#include "platform/FileSystem.h"

namespace zorva {

namespace {

// Owned pieces that may wait for the writing thread besides the one it
// writes and the one the producer fills.
constexpr size_t kMaxQueuedOwned = 2;
// Links followed before giving up, as the kernel does (ELOOP).
constexpr int kMaxLinks = 40;

std::atomic<FlushFunction> g_flush{&::fsync};

// Flushes `fd` to the disk. A pipe, a character device or a file system that
// cannot flush has nothing to wait for.
int Flush(int fd) {
  if (g_flush.load()(fd) == 0) return 0;
  return errno == EINVAL || errno == EROFS ? 0 : errno;
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename of an entry of `folder` durable.
int FlushFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int e = Flush(fd);
  ::close(fd);
  return e;
}

// The file `named` leads to: symbolic links are followed, relative ones from
// the folder of the link, to a name that is not a link (or not there yet).
int FollowLinks(std::string named, std::string& target) {
  for (int hops = 0;; ++hops) {
    struct stat st;
    if (::lstat(named.c_str(), &st) != 0) {
      if (errno != ENOENT) return errno;
      break;  // a new file, or a link that names one still to be made
    }
    if (!S_ISLNK(st.st_mode)) break;
    if (hops == kMaxLinks) return ELOOP;
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink(named.c_str(), buffer, sizeof buffer);
    if (n < 0) return errno;
    if (size_t(n) == sizeof buffer) return ENAMETOOLONG;
    std::string link(buffer, size_t(n));
    if (link.empty()) return ENOENT;
    if (link[0] == '/') {
      named = std::move(link);
    } else {
      const size_t slash = named.rfind('/');
      named = (slash == std::string::npos ? std::string() : named.substr(0, slash + 1)) + link;
    }
  }
  target = std::move(named);
  return 0;
}

// Connects to a socket that stands where a file is to be written.
int ConnectSocket(const std::string& path, int& fd) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return ENAMETOOLONG;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return errno;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    const int e = errno;
    ::close(fd);
    fd = -1;
    return e;
  }
  return 0;
}

// Opens a device, pipe or socket for writing into it. A pipe is opened
// without waiting for a reader, then written with waiting.
int OpenDirect(const std::string& path, bool socket, int& fd) {
  if (socket) return ConnectSocket(path, fd);
  fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    const int e = errno;
    ::close(fd);
    fd = -1;
    return e;
  }
  return 0;
}

// Keeps the permissions of the file being replaced, or gives the usual ones.
void TakeMode(int fd, const std::string& target) {
  struct stat st;
  mode_t mode = 0666;
  if (::stat(target.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    mode_t mask = ::umask(0);
    ::umask(mask);
    mode &= ~mask;
  }
  ::fchmod(fd, mode);
}

// Writes all of `bytes` at the end of the file; the errno, or 0.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(size_t(n));
  }
  return 0;
}

// Closes a replaced file on a thread of its own: the last close of a file
// whose name is gone frees its blocks.
void ReleaseLater(int fd) {
  try {
    std::thread([fd] { ::close(fd); }).detach();
  } catch (const std::system_error&) {
    ::close(fd);
  }
}

}  // namespace

FlushFunction SetFlushFunction(FlushFunction flush) { return g_flush.exchange(flush ? flush : &::fsync); }

CReplacingFile::~CReplacingFile() { Abandon(); }

bool CReplacingFile::Open(std::string_view cp932Path, int* err) {
  Abandon();
  const std::string named = ToFsPath(cp932Path);
  struct stat st;
  int e = 0;
  // A device or a pipe is written into wherever the name leads, also through
  // a link that names no file (a descriptor's link in /proc reads "pipe:[…]").
  m_direct = ::stat(named.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
  if (m_direct) {
    m_target = named;
  } else {
    e = FollowLinks(named, m_target);
    if (!e && ::stat(m_target.c_str(), &st) == 0) {
      if (S_ISDIR(st.st_mode)) e = EISDIR;
      else if (!S_ISREG(st.st_mode)) m_direct = true;
    } else if (!e && errno != ENOENT) {
      e = errno;
    }
  }
  if (!e && m_direct) {
    e = OpenDirect(m_target, S_ISSOCK(st.st_mode), m_fd);
  } else if (!e) {
    m_temp = FolderOf(m_target) + "/.zorva-XXXXXX";
    m_fd = ::mkostemp(m_temp.data(), O_CLOEXEC);
    if (m_fd < 0) e = errno;
    else TakeMode(m_fd, m_target);
  }
  if (!e) {
    m_error = 0;
    m_closing = false;
    m_queuedOwned = 0;
    m_written = 0;
    try {
      m_thread = std::thread([this] { Run(); });
    } catch (const std::system_error& failure) {
      e = failure.code().value() ? failure.code().value() : EAGAIN;
    }
    if (e) {
      ::close(m_fd);
      m_fd = -1;
      if (!m_direct) ::unlink(m_temp.c_str());
    }
  }
  if (e && err) *err = e;
  return e == 0;
}

void CReplacingFile::Enqueue(Piece piece) {
  if (m_fd < 0) return;
  const bool owned = std::holds_alternative<CByteBuffer>(piece);
  std::unique_lock<std::mutex> lock(m_mutex);
  if (owned) m_drained.wait(lock, [this] { return m_queuedOwned < kMaxQueuedOwned; });
  try {
    m_queue.push_back(std::move(piece));
  } catch (const std::bad_alloc&) {
    // A file missing a piece must not replace anything.
    if (!m_error) m_error = ENOMEM;
    return;
  }
  if (owned) ++m_queuedOwned;
  m_wake.notify_one();
}

void CReplacingFile::Write(CByteBuffer piece) {
  if (piece.Size()) Enqueue(std::move(piece));
}

void CReplacingFile::WriteBorrowed(std::string_view bytes) {
  if (!bytes.empty()) Enqueue(bytes);
}

CByteBuffer CReplacingFile::TakeSpare() {
  std::lock_guard<std::mutex> lock(m_mutex);
  if (m_spare.empty()) return CByteBuffer();
  CByteBuffer spare = std::move(m_spare.front());
  m_spare.pop_front();
  spare.Clear();
  return spare;
}

void CReplacingFile::Run() {
  // A pipe or socket whose reader went away answers a write with SIGPIPE,
  // which would end the whole program; blocked here, the write fails with
  // EPIPE instead (a signal still pending when this thread ends is dropped).
  sigset_t pipe;
  sigemptyset(&pipe);
  sigaddset(&pipe, SIGPIPE);
  pthread_sigmask(SIG_BLOCK, &pipe, nullptr);

  std::unique_lock<std::mutex> lock(m_mutex);
  for (;;) {
    m_wake.wait(lock, [this] { return m_closing || !m_queue.empty(); });
    if (m_queue.empty()) return;
    Piece piece = std::move(m_queue.front());
    m_queue.pop_front();
    const bool owned = std::holds_alternative<CByteBuffer>(piece);
    if (owned) {
      --m_queuedOwned;
      m_drained.notify_one();
    }
    const bool failed = m_error != 0;
    lock.unlock();
    std::string_view bytes = owned ? std::get<CByteBuffer>(piece).View() : std::get<std::string_view>(piece);
    const int e = failed ? 0 : WriteAll(m_fd, bytes);
    if (!failed && !e && !m_direct) {
      // The disk starts on these bytes now, while the next ones are produced,
      // so the flush at the commit has little left to wait for. Advice only.
      ::sync_file_range(m_fd, off64_t(m_written), off64_t(bytes.size()), SYNC_FILE_RANGE_WRITE);
      m_written += bytes.size();
    }
    lock.lock();
    if (e && !m_error) m_error = e;
    if (owned && m_spare.size() < 2) {
      try {
        m_spare.push_back(std::move(std::get<CByteBuffer>(piece)));
      } catch (const std::bad_alloc&) {
        // Only a buffer less to reuse.
      }
    }
  }
}

int CReplacingFile::Finish() {
  if (m_thread.joinable()) {
    {
      std::lock_guard<std::mutex> lock(m_mutex);
      m_closing = true;
      m_wake.notify_one();
    }
    m_thread.join();
  }
  m_queue.clear();
  m_queuedOwned = 0;
  m_spare.clear();
  return m_error;
}

bool CReplacingFile::Commit(int* err) {
  if (m_fd < 0) {
    if (err) *err = EBADF;
    return false;
  }
  int e = Finish();
  // The bytes reach the disk before the name does: otherwise a power cut
  // shortly after the rename can leave an empty or partial file under the
  // target's name, with the previous one gone.
  if (!e) e = Flush(m_fd);
  if (::close(m_fd) != 0 && !e) e = errno;
  m_fd = -1;
  if (!m_direct) {
    // Giving the replaced file's space back costs as much as truncating it;
    // held open over the rename, it is given back after the save reports.
    const int previous = e ? -1 : ::open(m_target.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (!e && ::rename(m_temp.c_str(), m_target.c_str()) != 0) e = errno;
    if (e) ::unlink(m_temp.c_str());
    else e = FlushFolder(FolderOf(m_target));
    if (previous >= 0) ReleaseLater(previous);
  }
  if (e && err) *err = e;
  return e == 0;
}

void CReplacingFile::Abandon() {
  if (m_fd < 0) return;
  {
    // Whatever is still queued is not worth writing.
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_error) m_error = ECANCELED;
  }
  Finish();
  ::close(m_fd);
  m_fd = -1;
  if (!m_direct) ::unlink(m_temp.c_str());
}

}  // namespace zorva
