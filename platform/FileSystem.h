#pragma once
// File-system access for paths kept as code-page bytes in the model.
#include <cstdint>
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
// Whether a new file can be made in the folder (its path may end in "/").
bool FolderIsWritable(std::string_view cp932Folder);
// A folder of this process's own under the temporary folder ($TMPDIR or
// /tmp), readable by the user alone, made at the first call; its path ends
// in "/". Nothing when it cannot be made or named in CP932.
std::optional<CString> PrivateTempFolder();

// Writes `data` as CReplacingFile does (platform/ReplacingFile.h): through a
// temporary file that replaces the file the path names once every byte is on
// the disk, or straight into a device, pipe or socket. On failure returns
// false and sets `err` to the errno of the failing step.
bool WriteFileReplacing(std::string_view cp932Path, std::string_view data, int* err = nullptr);

// Reasons a read refuses a file before reading a byte of it, given in `err`
// besides errno values (FileErrorStringId knows them).
constexpr int kErrNotRegularFile = -1;  // a device, pipe or socket where a file is wanted
constexpr int kErrFileTooLarge = -2;    // larger than the reader takes

// Reads a whole regular file (symbolic links are followed) of at most
// `maxBytes`. The file is looked at before anything is read or allocated:
// opening never waits (a pipe without a writer is refused at once), and a
// folder, a device, a pipe, a socket or a file larger than `maxBytes` is
// refused. On failure returns false, leaves `out` empty and sets `err` to the
// errno, one of the reasons above, or ENOMEM when the memory cannot be had.
bool ReadWholeFile(std::string_view cp932Path, std::string& out, int* err, uint64_t maxBytes);
bool ReadWholeFile(std::string_view cp932Path, CByteBuffer& out, int* err, uint64_t maxBytes);
// The same for a path that is the file system's already (UTF-8).
bool ReadWholeFsFile(const std::string& fsPath, std::string& out, int* err, uint64_t maxBytes);

// Reads at most `maxBytes` from the start of a regular file, opened as
// ReadWholeFile opens it; false for anything that is not a readable regular
// file.
bool ReadFileHead(std::string_view cp932Path, size_t maxBytes, std::string& out);

// The string number of the file-system message for an errno value or one of
// the reasons above (61857..61870); the message takes the file name as %1.
// Running out of memory has no file-system message: callers give their own.
unsigned FileErrorStringId(int err);

}  // namespace zorva
