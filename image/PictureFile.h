#pragma once
// Opening picture files named by model paths (CP932).
#include <cstdint>
#include <cstdio>
#include <vector>

#include "platform/Types.h"

namespace zorva {

// Opens a regular file for reading bytes; null when it cannot be opened or
// is not a regular file (a folder opens on Linux but reads nothing; a device
// or pipe may never end). Opening never waits.
std::FILE* OpenPictureFile(const CString& path);

// Reads a whole regular file; false when it cannot be opened or read.
bool ReadPictureFile(const CString& path, std::vector<uint8_t>& out);

}  // namespace zorva
