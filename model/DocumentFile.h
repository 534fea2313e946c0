#pragma once
// The project file's whole stream, in memory: what saving writes and opening
// reads, apart from the file itself and the picture path rules.
#include <cstdint>
#include <string>
#include <string_view>

class CZorvaDoc;

namespace zorva {

// The largest project file opened; a larger one is refused (61862) before a
// byte of it is read. An area of twenty points takes about 200 bytes of the
// file, so the limit is some five million of them, far beyond any map a page
// can use; running out of memory below it is reported as a failed open.
constexpr uint64_t kMaxProjectFileBytes = uint64_t(1) << 30;

// The document's project stream, its picture path written as it stands and
// its texts in Shift_JIS where they fit it exactly, otherwise in UTF-16.
// Throws CArchiveException when the document cannot be expressed.
std::string StoreProjectStream(CZorvaDoc& doc);

// Clears the document and reads `data` into it; an empty stream reads
// nothing. The texts come in Shift_JIS, unless one of them is stored in a
// form Shift_JIS cannot hold: then all of them come in UTF-8 and so does the
// document's charset. Returns 0 on success, otherwise the string number of
// the failure (61728 for a malformed stream, 61697 for any other); the
// document is then cleared again and its picture members are as they were
// before.
unsigned LoadProjectStream(CZorvaDoc& doc, std::string_view data);

}  // namespace zorva
