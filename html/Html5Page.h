#pragma once
// The piece of a new HTML5 page's body that the older forms do not have: the
// picture tag's ALT and size. (The head is Html5Head's.)
#include <string_view>

#include "html/PageBytes.h"
#include "html/PageText.h"
#include "platform/Types.h"

class CZorvaDoc;

namespace zorva::html {

// After the usemap value: the default area's ALT (empty without one) and the
// picture's size, then the tag's end.
void AppendHtml5ImageEnd(CPageBytes& out, const CZorvaDoc& doc, CPageText& fromDocument);

}  // namespace zorva::html
