#pragma once
// The text of attributes the editor keeps for a tag without reading them
// ("title=\"News\" class=a1"), checked before a user's edit of it is taken.
#include <string>
#include <string_view>
#include <vector>

namespace zorva::html {

struct AttributeTextFault {
  enum class Kind { None, Malformed, Owned, Repeated };
  Kind kind = Kind::None;
  // The attribute's name (Owned, Repeated) or the text from the fault on
  // (Malformed, cut short), for the message.
  std::string where;
};

// Whether `text` is attributes as HTML writes them in a tag: names without
// blanks, quotation marks, "<", ">", "/" or "="; each followed by nothing or
// by "=" and a value in double or single quotation marks or without them (no
// blanks, quotation marks, "=", "<", ">" or "`" then); blanks between them.
// None may be an attribute an area's own fields write, nor come twice
// (names compared without regard to letter case).
AttributeTextFault CheckAreaOtherAttributes(std::string_view text);

// The attributes an area's own fields write, one bit each: these three and
// the attribute of each text of the area (CAreaText::OwnedBit).
enum AreaOwnedAttribute : unsigned { kOwnedShape = 1, kOwnedCoords = 2, kOwnedNoHref = 4 };

// The bit of the owned attribute `name` (any letter case), 0 for any other.
unsigned AreaOwnedAttributeBit(std::string_view name);

// One attribute of a kept text: its name as written and its whole text.
struct KeptAttribute {
  std::string_view name, raw;
};

// The attributes of a kept text, split as the page reader reads a tag (a
// name up to a blank, "/", ">" or "="; then "=" and a value, or nothing).
std::vector<KeptAttribute> SplitKeptAttributes(std::string_view text);

}  // namespace zorva::html
