#include "image/PictureFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <new>

#include "platform/FileSystem.h"

namespace zorva {

std::FILE* OpenPictureFile(const CString& path) {
  // Opening a pipe that has no writer would wait for one forever, and the
  // program's end waits for the loader; the file is looked at first.
  const int fd = ::open(ToFsPath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return nullptr;
  struct stat st;
  std::FILE* f = nullptr;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) f = ::fdopen(fd, "rb");
  if (!f) ::close(fd);
  return f;
}

bool ReadPictureFile(const CString& path, std::vector<uint8_t>& out) {
  std::FILE* f = OpenPictureFile(path);
  if (!f) return false;
  struct stat st;
  bool ok = ::fstat(::fileno(f), &st) == 0;
  try {
    out.resize(ok ? size_t(st.st_size) : 0);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  if (ok) {
    size_t got = std::fread(out.data(), 1, out.size(), f);
    ok = !std::ferror(f);
    out.resize(got);  // a file that shrank meanwhile is taken as it is
  }
  std::fclose(f);
  return ok;
}

}  // namespace zorva
