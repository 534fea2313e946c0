#pragma once
// Reads an HTML page into the document: its images, the chosen image's
// picture and map, and the names of the page's script functions.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Charset.h"
#include "platform/Types.h"

class CZorvaDoc;

namespace zorva::html {

// One "<img" tag of the page.
struct ImageRecord {
  std::optional<CString> source;
  std::optional<CString> usemap;
  std::optional<CString> alt;
  size_t offset = 0;  // of the tag's "<"
};

// The image-choice dialog's line for an image: "Yes" or "No" for its usemap,
// right-aligned in four columns, ten spaces, and at most 30 bytes of its source
// (in the page's charset).
std::string ImageChoiceLine(const ImageRecord& image, ECharset charset);

// The largest page read: offsets into the page are kept as 32-bit numbers.
// A larger file is refused (61862) before a byte of it is read.
constexpr uint64_t kMaxPageBytes = INT32_MAX;

// Reads the page at `path` into the emptied document. Reports what went wrong,
// running out of memory included (61697).
bool ReadPageFile(CZorvaDoc& doc, const CString& path);

// The same for a page whose bytes are already read; `path` is where it lies.
bool ReadPageText(CZorvaDoc& doc, const CString& path, std::string text);

// Script function entries are cut to this many bytes, ";" included.
constexpr size_t kMaxScriptEntry = 127;

// Reads the page file whole into `text`; a failure is reported to the
// document's host.
bool ReadPageBytes(CZorvaDoc& doc, const CString& path, std::string& text);

// Where the first "src" value of the image tag at `imgTag` stands in the page
// text (its offset and length, quotation marks left out), if it has one.
std::optional<std::pair<size_t, size_t>> ImageSourceRange(std::string_view text, size_t imgTag);

// The picture file an image's source names for a page at `pagePath`, as the
// reader takes it (a URL decoded, a Shift_JIS path made absolute).
CString PicturePathOfSource(const CZorvaDoc& doc, const CString& pagePath, const CString& source);

}  // namespace zorva::html
