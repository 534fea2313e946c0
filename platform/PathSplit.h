#pragma once
// Splitting file paths into drive, folder, name and extension. Paths with a
// drive letter ("C:\site\a.html") use "\" as separator; every other path is a
// POSIX path and uses "/". The model keeps paths as code-page bytes.
#include <string>
#include <string_view>

#include "platform/Types.h"

namespace zorva {

struct PathParts {
  CString drive;   // "C:" or empty
  CString folder;  // with leading and trailing separator when present ("\site\", "/home/a/")
  CString name;    // without extension
  CString ext;     // from the last dot, including it (".html"), or empty
};

// True for the Windows form: the second byte is ':'.
bool HasDriveLetter(std::string_view path);

// The separator this path uses: '\\' for the Windows form, '/' otherwise.
char PathSeparator(std::string_view path);

PathParts SplitPath(std::string_view path);

// drive + folder + name + ext.
CString JoinPath(const PathParts& parts);

// Everything up to and including the last separator ("\" or "/"), or empty.
CString FolderOf(std::string_view path);

// Everything after the last separator.
CString FileNameOf(std::string_view path);

// The extension (from the last dot of the file name), upper-cased ASCII.
CString UpperExtension(std::string_view path);

// ASCII upper case; other bytes unchanged (CP932 trail bytes stay intact).
CString ToUpperAscii(std::string_view s);
CString ToLowerAscii(std::string_view s);

}  // namespace zorva
