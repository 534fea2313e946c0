#include "platform/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <new>

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

bool FolderIsWritable(std::string_view cp932Folder) {
  std::string folder = ToFsPath(cp932Folder);
  if (folder.empty()) folder = ".";
  return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::optional<CString> PrivateTempFolder() {
  static const std::optional<CString> folder = []() -> std::optional<CString> {
    const char* base = std::getenv("TMPDIR");
    std::string name = std::string(base && *base ? base : "/tmp") + "/zorva-XXXXXX";
    // mkdtemp makes it with mode 0700: no other user reads what goes there.
    if (!::mkdtemp(name.data())) return std::nullopt;
    auto path = ModelPathFromFs(name);
    if (!path) {
      ::rmdir(name.c_str());
      return std::nullopt;
    }
    return *path + "/";
  }();
  return folder;
}

bool WriteFileReplacing(std::string_view cp932Path, std::string_view data, int* err) {
  try {
    CReplacingFile file;
    if (!file.Open(cp932Path, err)) return false;
    file.WriteBorrowed(data);
    return file.Commit(err);
  } catch (const std::bad_alloc&) {
    if (err) *err = ENOMEM;
    return false;
  }
}

namespace {

// Reads a whole file straight into `out`, which offers Data() and SetSize(n)
// (contents kept, new bytes unspecified; throws std::bad_alloc).
template <typename Buffer>
bool ReadAll(const std::string& fsPath, Buffer& out, int* err, uint64_t maxBytes) {
  int e = 0;
  // Without O_NONBLOCK, opening a pipe that has no writer waits for one
  // forever; the file is looked at before anything is read.
  int fd = ::open(fsPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  struct stat st;
  if (fd < 0 || ::fstat(fd, &st) != 0) e = errno;
  else if (S_ISDIR(st.st_mode)) e = EISDIR;
  else if (!S_ISREG(st.st_mode)) e = kErrNotRegularFile;
  else if (uint64_t(st.st_size) > maxBytes) e = kErrFileTooLarge;

  size_t size = 0;
  try {
    out.SetSize(0);
    // One byte more than the file's size shows the end without another
    // round; a file that grows meanwhile is read on up to the limit.
    const uint64_t limit = maxBytes < SIZE_MAX - 1 ? maxBytes + 1 : SIZE_MAX;
    uint64_t capacity = e ? 0 : std::min<uint64_t>(st.st_size > 0 ? uint64_t(st.st_size) + 1 : 1 << 16, limit);
    if (!e) out.SetSize(size_t(capacity));
    while (!e) {
      if (size == capacity) {
        if (capacity >= limit) {
          e = kErrFileTooLarge;
          break;
        }
        capacity = std::min<uint64_t>(capacity * 2, limit);
        out.SetSize(size_t(capacity));
      }
      ssize_t n = ::read(fd, out.Data() + size, size_t(capacity) - size);
      if (n < 0) {
        if (errno != EINTR) e = errno;
        continue;
      }
      if (n == 0) break;
      size += size_t(n);
    }
  } catch (const std::bad_alloc&) {
    e = ENOMEM;
  }
  if (fd >= 0) ::close(fd);
  if (e) {
    size = 0;
    if (err) *err = e;
  }
  out.SetSize(size);  // never grows here, so it cannot throw
  return e == 0;
}

struct StringTarget {
  std::string& s;
  char* Data() { return s.data(); }
  void SetSize(size_t n) {
    s.resize(n);
    if (n == 0) s.shrink_to_fit();  // a refused or failed read gives its memory back
  }
};

struct BufferTarget {
  CByteBuffer& b;
  char* Data() { return b.Data(); }
  void SetSize(size_t n) { b.Resize(n); }
};

}  // namespace

bool ReadWholeFile(std::string_view cp932Path, std::string& out, int* err, uint64_t maxBytes) {
  StringTarget target{out};
  return ReadAll(ToFsPath(cp932Path), target, err, maxBytes);
}

bool ReadWholeFile(std::string_view cp932Path, CByteBuffer& out, int* err, uint64_t maxBytes) {
  BufferTarget target{out};
  return ReadAll(ToFsPath(cp932Path), target, err, maxBytes);
}

bool ReadFileHead(std::string_view cp932Path, size_t maxBytes, std::string& out) {
  out.clear();
  const int fd = ::open(ToFsPath(cp932Path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return false;
  struct stat st;
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (ok) {
    out.resize(std::min<uint64_t>(maxBytes, uint64_t(st.st_size)));
    size_t size = 0;
    while (size < out.size()) {
      const ssize_t n = ::read(fd, out.data() + size, out.size() - size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        ok = n == 0;
        break;
      }
      size += size_t(n);
    }
    out.resize(ok ? size : 0);
  }
  ::close(fd);
  return ok;
}

bool ReadWholeFsFile(const std::string& fsPath, std::string& out, int* err, uint64_t maxBytes) {
  StringTarget target{out};
  return ReadAll(fsPath, target, err, maxBytes);
}

unsigned FileErrorStringId(int err) {
  switch (err) {
    // Not a file that can be read or written as one: too large, or a
    // device, pipe or socket that is not there to take it (ENXIO, ENODEV).
    case kErrNotRegularFile: case kErrFileTooLarge: case ENXIO: case ENODEV: return 61862;
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
