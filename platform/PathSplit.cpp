#include "platform/PathSplit.h"

#include "platform/ByteScan.h"

namespace zorva {

bool HasDriveLetter(std::string_view path) { return path.size() >= 2 && path[1] == ':'; }

char PathSeparator(std::string_view path) { return HasDriveLetter(path) ? '\\' : '/'; }

namespace {
// Position of the last separator, or npos. In the Windows form both "\" and
// "/" separate (as the platform's own splitter accepts both); a CP932 trail
// byte equal to '\\' is not a separator.
size_t LastSeparator(std::string_view path) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < path.size(); ++i) {
    if (IsCp932LeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size()) {
      ++i;
      continue;
    }
    if (path[i] == '/' || path[i] == '\\') last = i;
  }
  return last;
}
}  // namespace

PathParts SplitPath(std::string_view path) {
  PathParts p;
  std::string_view rest = path;
  if (HasDriveLetter(path)) {
    p.drive = CString(path.substr(0, 2));
    rest = path.substr(2);
  }
  size_t sep = LastSeparator(rest);
  std::string_view file = rest;
  if (sep != std::string_view::npos) {
    p.folder = CString(rest.substr(0, sep + 1));
    file = rest.substr(sep + 1);
  }
  size_t dot = file.rfind('.');
  if (dot == std::string_view::npos) {
    p.name = CString(file);
  } else {
    p.name = CString(file.substr(0, dot));
    p.ext = CString(file.substr(dot));
  }
  return p;
}

CString JoinPath(const PathParts& parts) { return parts.drive + parts.folder + parts.name + parts.ext; }

CString FolderOf(std::string_view path) {
  size_t sep = LastSeparator(path);
  return sep == std::string_view::npos ? CString() : CString(path.substr(0, sep + 1));
}

CString FileNameOf(std::string_view path) {
  size_t sep = LastSeparator(path);
  return CString(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

CString UpperExtension(std::string_view path) { return ToUpperAscii(SplitPath(path).ext); }

CString ToUpperAscii(std::string_view s) {
  CString out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return out;
}

CString ToLowerAscii(std::string_view s) {
  CString out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return out;
}

}  // namespace zorva
