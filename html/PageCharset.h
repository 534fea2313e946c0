#pragma once
// Which charset a page's texts are in: a byte-order mark, a META declaration
// before the map, or, without either, what its bytes look like.
#include <string>
#include <string_view>

#include "platform/Charset.h"

namespace zorva::html {

struct PageCharset {
  ECharset charset = ECharset::ShiftJis;
  // A declared charset the editor cannot honour, as declared (its texts are
  // then taken as Shift_JIS); empty otherwise.
  std::string unsupported;
};

PageCharset DetectPageCharset(std::string_view page);

// The charset a label names, as browsers accept labels (letter case and
// surrounding blanks ignored); false for a label of another charset.
bool CharsetOfLabel(std::string_view label, ECharset& charset);

}  // namespace zorva::html
