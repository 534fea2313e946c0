// The picture path kept absolute in memory and relative in the files that
// name it. Windows-form paths ("C:\site\a.jpg") use "\" between folders;
// every other path is POSIX and uses "/". A CP932 trail byte equal to "\" or
// "/" is part of its character, never a separator.
#include <vector>

#include "model/ZorvaDoc.h"
#include "platform/ByteScan.h"
#include "platform/PathSplit.h"

namespace {

// Length of the character starting at `i`.
size_t CharLen(std::string_view s, size_t i) {
  return zorva::IsCp932LeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
}

// The separator that a folder of this form uses; the Windows form also
// accepts "/" (as its own splitter does) and is brought to "\" first.
CString NormalizeFolder(std::string_view folder, bool windows) {
  CString out(folder);
  if (!windows) return out;
  for (size_t i = 0; i < out.size(); i += CharLen(out, i))
    if (out[i] == '/') out[i] = '\\';
  return out;
}

void ReplaceSeparators(CString& s, char from, char to) {
  for (size_t i = 0; i < s.size(); i += CharLen(s, i))
    if (s[i] == from) s[i] = to;
}

std::vector<size_t> SeparatorPositions(std::string_view s, char sep) {
  std::vector<size_t> out;
  for (size_t i = 0; i < s.size(); i += CharLen(s, i))
    if (s[i] == sep) out.push_back(i);
  return out;
}

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

}  // namespace

bool CZorvaDoc::IsAbsolutePicturePath(std::string_view path) {
  return zorva::HasDriveLetter(path) || (!path.empty() && path[0] == '/');
}

void CZorvaDoc::MakeRelativePath(const CString& file, CString& picture) {
  if (!IsAbsolutePicturePath(picture)) return;  // relative already
  const bool windows = zorva::HasDriveLetter(picture);
  // No relative path leads from one drive (or path form) to another: the
  // picture is then kept by its absolute path.
  if (windows != zorva::HasDriveLetter(file)) return;
  if (windows && UpperAscii(file[0]) != UpperAscii(picture[0])) return;
  const char sep = windows ? '\\' : '/';

  zorva::PathParts h = zorva::SplitPath(file);
  zorva::PathParts p = zorva::SplitPath(picture);
  CString hf = NormalizeFolder(h.folder, windows);
  CString pf = NormalizeFolder(p.folder, windows);
  // A folder that does not start at the root ("C:img\a.jpg") has no place
  // to be measured from.
  if (hf.empty() || hf[0] != sep || pf.empty() || pf[0] != sep) return;

  // k: end of the longest common run of whole folder names.
  size_t k = 0;
  for (size_t i = 0; i < hf.size() && i < pf.size();) {
    size_t len = CharLen(hf, i);
    if (hf.compare(i, len, pf, i, len) != 0) break;
    i += len;
    if (len == 1 && hf[i - 1] == sep) k = i;
  }

  CString out;
  size_t ups = SeparatorPositions(std::string_view(hf).substr(k), sep).size();
  for (size_t i = 0; i < ups; ++i) out += "../";
  CString rest = pf.substr(k);
  ReplaceSeparators(rest, sep, '/');
  out += rest;
  out += p.name;
  out += p.ext;
  picture = std::move(out);
}

void CZorvaDoc::MakeAbsolutePath(const CString& base, CString& path) {
  if (IsAbsolutePicturePath(path)) return;
  const bool windows = zorva::HasDriveLetter(base);
  const char sep = windows ? '\\' : '/';

  size_t ups = 0;
  std::string_view rest(path);
  while (rest.substr(0, 3) == "../") {
    ++ups;
    rest.remove_prefix(3);
  }

  zorva::PathParts b = zorva::SplitPath(base);
  CString folder = NormalizeFolder(b.folder, windows);
  // Each "../" cuts one folder level; at the root (or the start of a
  // relative base) there is nothing left to cut and the rest stays there.
  std::vector<size_t> seps = SeparatorPositions(folder, sep);
  size_t keep = folder.size();
  if (ups > 0 && !seps.empty()) {
    bool rooted = seps.front() == 0;
    size_t levels = rooted ? seps.size() - 1 : seps.size();
    size_t cut = std::min(ups, levels);
    size_t last = seps.size() - 1 - cut;  // index of the separator that stays last
    keep = (cut == seps.size()) ? 0 : seps[last] + 1;
  }
  CString out = b.drive + folder.substr(0, keep);
  out.append(rest);
  if (windows) ReplaceSeparators(out, '/', '\\');
  path = std::move(out);
}
