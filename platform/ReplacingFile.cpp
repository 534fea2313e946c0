#include "platform/ReplacingFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileSystem.h"

namespace zorva {

namespace {

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

}  // namespace

CReplacingFile::~CReplacingFile() { Abandon(); }

bool CReplacingFile::Open(std::string_view cp932Path, int* err) {
  Abandon();
  m_target = ToFsPath(cp932Path);
  size_t slash = m_target.rfind('/');
  m_temp = (slash == std::string::npos ? std::string() : m_target.substr(0, slash + 1)) + ".zorva-XXXXXX";
  m_fd = ::mkostemp(m_temp.data(), O_CLOEXEC);
  if (m_fd < 0) {
    if (err) *err = errno;
    return false;
  }
  TakeMode(m_fd, m_target);
  m_error = 0;
  m_closing = false;
  m_thread = std::thread([this] { Run(); });
  return true;
}

void CReplacingFile::Enqueue(Piece piece) {
  if (m_fd < 0) return;
  std::lock_guard<std::mutex> lock(m_mutex);
  m_queue.push_back(std::move(piece));
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
  std::unique_lock<std::mutex> lock(m_mutex);
  for (;;) {
    m_wake.wait(lock, [this] { return m_closing || !m_queue.empty(); });
    if (m_queue.empty()) return;
    Piece piece = std::move(m_queue.front());
    m_queue.pop_front();
    const bool failed = m_error != 0;
    lock.unlock();
    std::string_view bytes = std::holds_alternative<CByteBuffer>(piece)
                                 ? std::get<CByteBuffer>(piece).View()
                                 : std::get<std::string_view>(piece);
    const int e = failed ? 0 : WriteAll(m_fd, bytes);
    lock.lock();
    if (e && !m_error) m_error = e;
    if (std::holds_alternative<CByteBuffer>(piece) && m_spare.size() < 2)
      m_spare.push_back(std::move(std::get<CByteBuffer>(piece)));
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
  m_spare.clear();
  return m_error;
}

bool CReplacingFile::Commit(int* err) {
  if (m_fd < 0) {
    if (err) *err = EBADF;
    return false;
  }
  int e = Finish();
  if (::close(m_fd) != 0 && !e) e = errno;
  m_fd = -1;
  if (!e && ::rename(m_temp.c_str(), m_target.c_str()) != 0) e = errno;
  if (e) {
    ::unlink(m_temp.c_str());
    if (err) *err = e;
    return false;
  }
  return true;
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
  ::unlink(m_temp.c_str());
}

}  // namespace zorva
