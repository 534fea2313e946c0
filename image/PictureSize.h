#pragma once
// A picture's size from its file's header, without decoding it: for callers
// that need only the size (zorva-cli's check of a page's map).
#include <optional>

#include "platform/Types.h"

namespace zorva {

// The width and height a JPEG, PNG or GIF file (a model path, CP932) states,
// or nothing when the file cannot be read or is none of these.
std::optional<CSize> ReadPictureSize(const CString& path);

}  // namespace zorva
