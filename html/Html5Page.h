#pragma once
// The pieces of a new HTML5 page that the older forms do not have: the title
// and the picture tag's ALT and size.
#include <string_view>

#include "html/PageBytes.h"
#include "html/PageText.h"
#include "platform/Types.h"

class CZorvaDoc;

namespace zorva::html {

// "<title>" with the picture's file name (the untitled document's name
// without a picture), then the line end.
void AppendTitleLine(CPageBytes& out, const CString& relativePath, CPageText& fromPath, std::string_view nl);

// After the usemap value: the default area's ALT (empty without one) and the
// picture's size, then the tag's end.
void AppendHtml5ImageEnd(CPageBytes& out, const CZorvaDoc& doc, CPageText& fromDocument);

}  // namespace zorva::html
