#pragma once
// Writes the document's map as an HTML page: a new page, or the page the map
// was read from with only its map replaced.
#include <string>

#include "html/HtmlSettings.h"
#include "html/PageBytes.h"
#include "platform/Types.h"

class CZorvaDoc;

namespace zorva::html {

// Builds the bytes of the page for `target`. Asks the document's host about
// areas HTML cannot hold as they are; returns false when the user cancels
// there.
bool BuildPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings,
               CPageBytes& out);
// The same bytes in a string (empty after a cancel).
bool BuildPage(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings,
               std::string& out);

// BuildPage, then writes the file through a temporary file, so a cancel or a
// failed write leaves an existing page as it was. A failed write is reported.
bool WriteMap(CZorvaDoc& doc, const CString& target, const HtmlOutputSettings& settings);

}  // namespace zorva::html
