#pragma once
// File-system access for paths kept as code-page bytes in the model.
#include <optional>
#include <string>
#include <string_view>

#include "platform/ByteBuffer.h"
#include "platform/Types.h"

namespace zorva {

// The path as the file system takes it (UTF-8).
std::string ToFsPath(std::string_view cp932Path);

// A path from the file system or the command line (UTF-8, maybe relative to
// the working folder) as the model keeps paths: absolute, normalised, CP932.
// Nothing when a character has no CP932 form.
std::optional<CString> ModelPathFromFs(const std::string& utf8Path);

bool FileExists(std::string_view cp932Path);
bool RemoveFile(std::string_view cp932Path);

// Writes `data` to a temporary file in the target's folder and renames it over
// the target, so a failed write never destroys the previous file. On failure
// returns false and sets `err` to the errno of the failing step.
bool WriteFileReplacing(std::string_view cp932Path, std::string_view data, int* err = nullptr);

// Reads a whole file. On failure returns false and sets `err` to the errno.
bool ReadWholeFile(std::string_view cp932Path, std::string& out, int* err = nullptr);
bool ReadWholeFile(std::string_view cp932Path, CByteBuffer& out, int* err = nullptr);

// The string number of the file-system message for an errno value
// (61857..61870); the message takes the file name as %1.
unsigned FileErrorStringId(int err);

}  // namespace zorva
