#pragma once
// Numeric character references ("&#165;", "&#xA5;") as a browser reads them,
// and code points as UTF-8.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zorva::html {

struct NumericReference {
  uint32_t codePoint = 0;  // as written: it may name no character
  size_t length = 0;       // from the "&" to the ";", both included
};

// The numeric reference starting at text[i] (at most eight digits), or
// nothing when none does.
std::optional<NumericReference> NumericReferenceAt(std::string_view text, size_t i);

// Whether `cp` is a character a reference may stand for (not 0, no
// surrogate, within Unicode).
bool IsReferableCodePoint(uint32_t cp);

// Appends `cp` in UTF-8; U+FFFD for a code point that is no character.
void AppendUtf8(std::string& out, uint32_t cp);

}  // namespace zorva::html
