#pragma once
// Which files the editor opens how, decided by the name's ending in any
// letter case: the one rule for the menus, drops, start-up and zorva-cli.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/PictureLoading.h"

namespace zorva {

enum class FileKind { Project, Page, Picture, Other };

FileKind FileKindOf(std::string_view path);

// The decoder for a picture file the user names (.jpg, .jpeg, .png, .gif).
std::optional<PictureFormat> PictureFormatOfFile(std::string_view path);

// A file-dialog pattern ("*.jpg") with every spelling of the same kind that
// a case-sensitive file system tells apart: "*.jpg *.jpeg *.JPG *.JPEG".
std::vector<std::string> PatternSpellings(std::string_view pattern);

}  // namespace zorva
