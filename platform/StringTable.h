#pragma once
// The program's texts, addressed by their string numbers. The table itself is
// kept as UTF-8 source text in res/StringTable.cpp.
#include <string>
#include <vector>

#include "platform/Types.h"

namespace zorva {

struct QmMessage;

// UTF-8 text of string `id` in the interface's language (the installed
// translation where it has one, else the Japanese source), or an empty string
// when the table has no such entry.
const std::string& LoadStringUtf8(unsigned id);

// The Japanese source text of string `id`, whatever the interface's language.
const std::string& LoadSourceStringUtf8(unsigned id);

// The context the table's texts have in a translation catalogue; each
// message's disambiguation is the string number in decimal.
inline constexpr const char* kStringTableContext = "StringTable";

// Takes the translations of the table's texts from a catalogue's messages: a
// message applies to the entry whose number is its comment and whose source
// text it carries, or, without a comment, to every entry with that text.
// Replaces any earlier translation; an empty list goes back to Japanese.
// Call it before other threads read texts. Returns how many entries it translated.
size_t InstallStringTranslations(const std::vector<QmMessage>& messages);

// True when the table has an entry for `id`.
bool HasString(unsigned id);

// The Japanese source text as CP932 bytes, for texts that enter the model
// (the default area's comment, the untitled title): what the editor writes
// does not depend on the interface's language.
CString LoadStringCp932(unsigned id);

// Fills the placeholders of a text: "%1".."%9" take args[0..8]; each "%s" takes
// the next argument in turn; "%%" is a single "%". Missing arguments are empty.
std::string FormatText(const std::string& pattern, const std::vector<std::string>& args);

// LoadStringUtf8 then FormatText.
std::string FormatString(unsigned id, const std::vector<std::string>& args);

// Every id in the table (for the table's own tests).
std::vector<unsigned> AllStringIds();

}  // namespace zorva
