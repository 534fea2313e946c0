#pragma once
// The program's texts, addressed by their string numbers. The table itself is
// kept as UTF-8 source text in res/StringTable.cpp.
#include <string>
#include <vector>

#include "platform/Types.h"

namespace zorva {

// UTF-8 text of string `id`, or an empty string when the table has no such entry.
const std::string& LoadStringUtf8(unsigned id);

// True when the table has an entry for `id`.
bool HasString(unsigned id);

// The same text as CP932 bytes, for texts that enter the model (the default
// area's comment, the untitled title).
CString LoadStringCp932(unsigned id);

// Fills the placeholders of a text: "%1".."%9" take args[0..8]; each "%s" takes
// the next argument in turn; "%%" is a single "%". Missing arguments are empty.
std::string FormatText(const std::string& pattern, const std::vector<std::string>& args);

// LoadStringUtf8 then FormatText.
std::string FormatString(unsigned id, const std::vector<std::string>& args);

// Every id in the table (for the table's own tests).
std::vector<unsigned> AllStringIds();

}  // namespace zorva
