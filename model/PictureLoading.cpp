#include "model/PictureLoading.h"

#include "platform/PathSplit.h"

std::optional<PictureFormat> PictureFormatOfEnding(std::string_view path) {
  const CString ending = zorva::ToUpperAscii(path.size() >= 3 ? path.substr(path.size() - 3) : path);
  if (ending == "GIF") return PictureFormat::Gif;
  if (ending == "JPG") return PictureFormat::Jpeg;
  if (ending == "PNG") return PictureFormat::Png;
  return std::nullopt;
}
