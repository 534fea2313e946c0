#pragma once
// The one crossing between the document's texts (bytes in the document's
// charset) and the texts of the property panel, the area list and the other
// places a user reads or types them (UTF-8). Every text that goes between the
// two passes through here.
#include <optional>
#include <string>
#include <string_view>

#include "platform/Types.h"

class CZorvaDoc;

// A document text as the panel shows it. Bytes the charset cannot decode show
// as U+FFFD.
std::string ToPanelText(const CZorvaDoc& doc, std::string_view bytes);

// A panel text as the document stores it, or nothing when the document's
// charset cannot hold one of its characters.
std::optional<CString> FromPanelText(const CZorvaDoc& doc, std::string_view utf8);

// Tells the user that `utf8` was refused, naming the first character the
// document's charset cannot hold.
void ReportUnstorableText(CZorvaDoc& doc, std::string_view utf8);
