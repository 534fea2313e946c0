#pragma once
// The start of an HTML5 page up to its body: the DOCTYPE, the generated-by
// comment, the root element in Japanese, and a head in UTF-8.
#include <string_view>

#include "html/PageBytes.h"

namespace zorva::html {

// `title` is plain UTF-8 text (escaped here); `style` is a style sheet's
// text, written as it is inside a <style> element when not empty.
void AppendHtml5Head(CPageBytes& out, std::string_view newline, std::string_view title, std::string_view style);

// Text as an element's content: "<" escaped, so it cannot open a tag, and
// with `ampersands` "&" too, for plain text (a file name). A user's text
// keeps its "&", which reads as it does in an attribute value: a character
// reference typed there means the same in both.
void AppendEscapedText(CPageBytes& out, std::string_view text, bool ampersands);

}  // namespace zorva::html
