#pragma once
// An area's comment as it stands between "<!-- " and " -->" in a page. What
// the user typed must neither end the comment early nor make it invalid, and
// must read back exactly as typed.
#include <string>
#include <string_view>

namespace zorva::html {

// A "-" that another "-" follows or that ends the text is written "&#45;",
// a blank that ends the text "&#32;" or "&#9;" (the reader drops blanks
// before "-->"), and an "&" that would start one of these or "&#38;" is
// written "&#38;". Nothing else changes, so ordinary comments are written
// as they always were. The bytes involved are ASCII and never part of a
// character of the document's charsets.
std::string EncodeCommentText(std::string_view text);

// Turns each "&#45;", "&#38;", "&#32;" and "&#9;" back into its character.
std::string DecodeCommentText(std::string_view text);

}  // namespace zorva::html
