#pragma once
// A picture's size read from its file's header alone, for writers that need
// the size of a picture that was never decoded (zorva-cli writing a page from
// a page it read).
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Types.h"

namespace zorva {

// Width and height from the first bytes of a JPEG, PNG or GIF file; nothing
// for any other bytes, a header cut short, or a side of 0 or over 65535
// pixels. `head` may be any prefix of the file.
std::optional<CSize> PictureSizeOfHeader(std::string_view head);

// The same from the file at `path` (a model path); nothing when it cannot be
// opened or read.
std::optional<CSize> PictureSizeOfFile(const CString& path);

}  // namespace zorva
