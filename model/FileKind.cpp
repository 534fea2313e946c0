#include "model/FileKind.h"

#include <algorithm>
#include <array>

#include "platform/PathSplit.h"

namespace zorva {
namespace {

struct Ending {
  const char* upper;  // with the dot
  FileKind kind;
  std::optional<PictureFormat> format;
  int family;  // endings of one family are spellings of each other
};

constexpr std::array<Ending, 7> kEndings{{
    {".ZVF", FileKind::Project, std::nullopt, 0},
    {".HTML", FileKind::Page, std::nullopt, 1},
    {".HTM", FileKind::Page, std::nullopt, 1},
    {".JPG", FileKind::Picture, PictureFormat::Jpeg, 2},
    {".JPEG", FileKind::Picture, PictureFormat::Jpeg, 2},
    {".PNG", FileKind::Picture, PictureFormat::Png, 3},
    {".GIF", FileKind::Picture, PictureFormat::Gif, 4},
}};

const Ending* EndingOf(std::string_view path) {
  const CString ext = UpperExtension(path);
  for (const Ending& e : kEndings)
    if (ext == e.upper) return &e;
  return nullptr;
}

}  // namespace

FileKind FileKindOf(std::string_view path) {
  const Ending* e = EndingOf(path);
  return e ? e->kind : FileKind::Other;
}

std::optional<PictureFormat> PictureFormatOfFile(std::string_view path) {
  const Ending* e = EndingOf(path);
  return e ? e->format : std::nullopt;
}

std::vector<std::string> PatternSpellings(std::string_view pattern) {
  std::vector<std::string> out{std::string(pattern)};
  if (pattern.size() < 3 || pattern.substr(0, 2) != "*." ||
      pattern.find_first_of("*?[", 1) != std::string_view::npos)
    return out;
  const Ending* e = EndingOf(pattern);
  if (!e) return out;
  auto add = [&](const std::string& p) {
    if (std::find(out.begin(), out.end(), p) == out.end()) out.push_back(p);
  };
  for (bool upper : {false, true})
    for (const Ending& other : kEndings)
      if (other.family == e->family) add("*" + (upper ? std::string(other.upper) : ToLowerAscii(other.upper)));
  return out;
}

}  // namespace zorva
