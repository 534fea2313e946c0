#pragma once
// The one crossing between the document's texts (bytes in the document's
// charset) and the texts of the property panel, the area list and the other
// places a user reads or types them (UTF-8). Every text that goes between the
// two passes through here.
//
// No typed character is ever stored as another one. In an attribute's text
// a character the document's charset cannot hold exactly is stored as a
// numeric character reference ("&#165;"), which a browser reads as the
// character, and such a reference is shown as its character again. A comment
// is no attribute: a browser reads no references there, so a character the
// page cannot hold exactly is refused.
#include <optional>
#include <string>
#include <string_view>

#include "platform/Types.h"

class CZorvaDoc;

enum class PanelTextKind { Attribute, Comment };

// A document text as the panel shows it. Bytes the charset cannot decode show
// as U+FFFD.
std::string ToPanelText(const CZorvaDoc& doc, std::string_view bytes,
                        PanelTextKind kind = PanelTextKind::Attribute);

// A panel text as the document stores it, or nothing when it is no UTF-8 or,
// for a comment, when the document's charset or that of the page it will be
// written into cannot hold one of its characters exactly.
std::optional<CString> FromPanelText(const CZorvaDoc& doc, std::string_view utf8,
                                     PanelTextKind kind = PanelTextKind::Attribute);

// Tells the user that `utf8` was refused, naming the first character that
// could not be held.
void ReportUnstorableText(CZorvaDoc& doc, std::string_view utf8,
                          PanelTextKind kind = PanelTextKind::Attribute);
