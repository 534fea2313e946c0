#pragma once
// The seam through which the document starts decoding its picture. The image
// module provides the real loader; tests may put in one that records calls.

#include <optional>
#include <string_view>

class CZorvaDoc;

enum class PictureFormat { Jpeg, Png, Gif };

// The loader a project file or a page names by the last three letters of
// the picture path, in any letter case: "GIF", "JPG" or "PNG"; nothing for
// any other ending (so a page's "photo.jpeg" loads no picture, while the
// user may open such a file directly: FileKind.h).
std::optional<PictureFormat> PictureFormatOfEnding(std::string_view path);

class IPictureLoader {
 public:
  virtual ~IPictureLoader() = default;
  // Starts decoding doc.m_strPicturePath in the background.
  virtual void Start(CZorvaDoc& doc, PictureFormat format) = 0;
  // Waits for (or abandons) running work before the document goes away.
  virtual void Shutdown() {}
};
