#pragma once
// The attributes kept from a page's area tag, as an SVG link can carry them.
#include <string>
#include <string_view>

#include "html/PageBytes.h"

namespace zorva::html {

// Appends, each after a blank, the kept attributes (`kept`, as the reader
// keeps them) that an SVG <a> takes: id, class, style, lang, tabindex, rel,
// role, data-*, aria-* (less aria-label when `labelWritten`) and event
// scripts. The area's own (shape, coords, href, alt ...) are the writer's;
// those only an HTML link has (accesskey, download, hreflang ...) are left
// out. A title, whose place in SVG is a <title> element, is returned in
// `title` as the text it shows (empty when there is none).
void AppendSvgKeptAttributes(CPageBytes& out, std::string_view kept, bool labelWritten, std::string& title);

}  // namespace zorva::html
