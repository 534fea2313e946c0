#pragma once
// What a file on disk looked like when the program last read or wrote it: its
// size and modification time, to tell later whether another program changed it.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Types.h"

namespace zorva {

struct FileStamp {
  CString path;  // the model path it was taken of; empty for none
  int64_t size = -1;
  int64_t mtimeNs = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of the file `cp932Path` names (links followed), or nothing when
// there is no such file.
std::optional<FileStamp> StampOfFile(const CString& cp932Path);

}  // namespace zorva
