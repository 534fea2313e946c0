#include "platform/FileStamp.h"

#include <sys/stat.h>

#include "platform/FileSystem.h"

namespace zorva {

std::optional<FileStamp> StampOfFile(const CString& cp932Path) {
  struct stat st {};
  if (::stat(ToFsPath(cp932Path).c_str(), &st) != 0) return std::nullopt;
  FileStamp stamp;
  stamp.path = cp932Path;
  stamp.size = int64_t(st.st_size);
  stamp.mtimeNs = int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
  return stamp;
}

}  // namespace zorva
