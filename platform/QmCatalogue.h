#pragma once
// Reading a compiled Qt Linguist catalogue (.qm, as lrelease writes it) without
// Qt, so the core and zorva-cli take their translations from the same files as
// the editor.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorva {

// One translated message. `comment` is the disambiguation; lrelease leaves it
// out (empty) where the context and source text alone are unique.
struct QmMessage {
  std::string context;
  std::string source;       // UTF-8
  std::string comment;      // UTF-8
  std::string translation;  // UTF-8 (the first form of a plural message)
};

// The messages of a catalogue's bytes; nullopt, and what was wrong in `error`,
// when the bytes are not a catalogue or end or point outside themselves.
std::optional<std::vector<QmMessage>> ReadQmCatalogue(std::string_view bytes, std::string* error);

}  // namespace zorva
