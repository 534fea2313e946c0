#pragma once
// The responsive page: the picture, and over it an SVG in the picture's own
// pixels (viewBox 0 0 W H) stretched to the picture's box, with one link per
// area. CSS may scale the picture to any size and the links follow it, without
// a script. Always a new page in UTF-8: a page that was read is not patched
// this way.
#include <string>

#include "html/HtmlSettings.h"
#include "html/PageBytes.h"
#include "platform/Types.h"

class CZorvaDoc;

namespace zorva::html {

// Builds the page for `target`. False, with a message through the document,
// when the picture's size is not known (no picture, or one whose file cannot
// be read): the map's coordinates would have nothing to scale against.
bool BuildSvgPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings,
                  CPageBytes& out);
// The same bytes in a string (empty on failure).
bool BuildSvgPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings,
                  std::string& out);

// BuildSvgPage, written through a temporary file that replaces `target` only
// once it is whole.
bool WriteSvgMap(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings);

}  // namespace zorva::html
