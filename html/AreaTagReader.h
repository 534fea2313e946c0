#pragma once
// One "<area" tag of the wanted map, read into a new area.
#include <memory>

#include "html/ByteScanner.h"
#include "model/Area.h"

class CZorvaDoc;

namespace zorva::html {

// Reads the tag whose "<area" is at the scanner's position and, unless the
// area is a default area, the comment that follows its ">" at once. Returns
// null when the area is dropped (a faulty "coords", no ">" before the end,
// or too few points for its shape); the scanner then stands past what was read.
std::unique_ptr<CArea> ReadAreaTag(CByteScanner& s, CZorvaDoc& doc);

}  // namespace zorva::html
