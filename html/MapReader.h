#pragma once
// Reads an HTML page into the document: its images, the chosen image's
// picture and map, and the names of the page's script functions.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Charset.h"
#include "platform/Types.h"

class CZorvaDoc;

namespace zorva::html {

// One "<img" tag of the page.
struct ImageRecord {
  std::optional<CString> source;
  std::optional<CString> usemap;
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

}  // namespace zorva::html
