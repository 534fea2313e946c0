#pragma once
// One "<area" tag of the wanted map, read into a new area.
#include <memory>

#include "html/ByteScanner.h"
#include "model/Area.h"
#include "platform/Types.h"

class CZorvaDoc;

namespace zorva::html {

// Reads the tag whose "<area" is at the scanner's position and, unless the
// area is a default area, the comment that follows its ">" at once. Returns
// null when the area is dropped (a faulty "coords", no ">" before the end,
// or too few points for its shape); the scanner then stands past what was read.
// Attributes the editor does not read are kept in the area's m_strOtherAttrs
// as they stand, one blank between them. Coordinates beyond the coordinate
// range are clamped into it, and `*clamped` (when given) set.
std::unique_ptr<CArea> ReadAreaTag(CByteScanner& s, CZorvaDoc& doc, bool* clamped = nullptr);

// After the name of an attribute that is kept (which starts at `nameStart`):
// passes over its value, if any, and gives the attribute's text.
std::string_view ReadOtherAttribute(CByteScanner& s, size_t nameStart);
// Adds one attribute's text to the kept attributes.
void KeepAttribute(CString& kept, std::string_view raw);

}  // namespace zorva::html
