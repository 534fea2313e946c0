#include "platform/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>


#include "platform/CodePage.h"
#include "platform/ReplacingFile.h"

namespace zorva {

std::string ToFsPath(std::string_view cp932Path) { return Cp932ToUtf8(cp932Path); }

std::optional<CString> ModelPathFromFs(const std::string& utf8Path) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(std::filesystem::path(utf8Path), ec);
  if (ec) p = std::filesystem::path(utf8Path);
  return Utf8ToCp932(p.lexically_normal().string());
}

bool FileExists(std::string_view cp932Path) {
  struct stat st;
  return ::stat(ToFsPath(cp932Path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool RemoveFile(std::string_view cp932Path) { return ::unlink(ToFsPath(cp932Path).c_str()) == 0; }

bool WriteFileReplacing(std::string_view cp932Path, std::string_view data, int* err) {
  CReplacingFile file;
  if (!file.Open(cp932Path, err)) return false;
  file.WriteBorrowed(data);
  return file.Commit(err);
}

namespace {

// Reads a whole file straight into `out`, which offers Size(), Data() and
// SetSize(n) (contents kept, new bytes unspecified).
template <typename Buffer>
bool ReadAll(std::string_view cp932Path, Buffer& out, int* err) {
  out.SetSize(0);
  int fd = ::open(ToFsPath(cp932Path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    if (err) *err = errno;
    return false;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    int e = S_ISDIR(st.st_mode) ? EISDIR : errno;
    ::close(fd);
    if (err) *err = e;
    return false;
  }
  // One byte more than the file's size shows the end without another round.
  size_t capacity = st.st_size > 0 ? size_t(st.st_size) + 1 : size_t(1) << 16;
  size_t size = 0;
  out.SetSize(capacity);
  for (;;) {
    if (size == capacity) {
      capacity *= 2;
      out.SetSize(capacity);
    }
    ssize_t n = ::read(fd, out.Data() + size, capacity - size);
    if (n < 0) {
      if (errno == EINTR) continue;
      if (err) *err = errno;
      ::close(fd);
      out.SetSize(0);
      return false;
    }
    if (n == 0) break;
    size += size_t(n);
  }
  ::close(fd);
  out.SetSize(size);
  return true;
}

struct StringTarget {
  std::string& s;
  char* Data() { return s.data(); }
  void SetSize(size_t n) { s.resize(n); }
};

struct BufferTarget {
  CByteBuffer& b;
  char* Data() { return b.Data(); }
  void SetSize(size_t n) { b.Resize(n); }
};

}  // namespace

bool ReadWholeFile(std::string_view cp932Path, std::string& out, int* err) {
  StringTarget target{out};
  return ReadAll(cp932Path, target, err);
}

bool ReadWholeFile(std::string_view cp932Path, CByteBuffer& out, int* err) {
  BufferTarget target{out};
  return ReadAll(cp932Path, target, err);
}

unsigned FileErrorStringId(int err) {
  switch (err) {
    case ENOENT: return 61858;
    case ENOTDIR: case ENAMETOOLONG: case ELOOP: case EINVAL: return 61859;
    case EMFILE: case ENFILE: return 61860;
    case EACCES: case EPERM: case EROFS: case EISDIR: return 61861;
    case EBUSY: return 61867;
    case ENOSPC: case EDQUOT: case EFBIG: return 61869;
    case EIO: return 61866;
    case ESPIPE: return 61865;
    default: return 61857;
  }
}

}  // namespace zorva
