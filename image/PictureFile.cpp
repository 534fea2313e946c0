#include "image/PictureFile.h"

#include <sys/stat.h>

#include <new>

#include "platform/FileSystem.h"

namespace zorva {

std::FILE* OpenPictureFile(const CString& path) {
  std::FILE* f = std::fopen(ToFsPath(path).c_str(), "rb");
  if (!f) return nullptr;
  struct stat st;
  if (::fstat(::fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) {
    std::fclose(f);
    return nullptr;
  }
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
