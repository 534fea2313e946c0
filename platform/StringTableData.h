#pragma once
// The layout of the string table's source text (res/StringTable.cpp).
#include <cstddef>

namespace zorva {

struct StringEntry {
  unsigned id;
  const char* text;  // UTF-8
};

extern const StringEntry kStringTable[];
extern const size_t kStringTableSize;

}  // namespace zorva
