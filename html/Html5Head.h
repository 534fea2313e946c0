#pragma once
// The start of an HTML5 page up to its body: the DOCTYPE, the generated-by
// comment, the root element in Japanese, and a head in UTF-8.
#include <string_view>

#include "html/PageBytes.h"
#include "platform/Types.h"

namespace zorva::html {

// What differs between the HTML5 pages' heads: the META line of the page's
// charset (none when empty), whether the page scales with a narrow screen,
// the title as plain text in the page's charset (escaped here), and a style
// sheet's text, written as it is inside a <style> element when not empty.
struct Html5HeadParts {
  std::string_view meta;
  bool viewport = false;
  std::string_view title;
  std::string_view style;
};

// The DOCTYPE, the generated-by comment, the root element in Japanese and the
// head, each on a line of its own: the one head of every HTML5 page written.
void AppendHtml5Head(CPageBytes& out, std::string_view newline, const Html5HeadParts& parts);

// A page's title, in the code page: the picture's file name, or, for a page
// without a picture, the page's own file name without its extension.
CString Html5Title(const CString& relativePicturePath, const CString& target);

// Text as an element's content: "<" escaped, so it cannot open a tag, and
// with `ampersands` "&" too, for plain text (a file name). A user's text
// keeps its "&", which reads as it does in an attribute value: a character
// reference typed there means the same in both.
void AppendEscapedText(CPageBytes& out, std::string_view text, bool ampersands);

}  // namespace zorva::html
