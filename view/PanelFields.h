#pragma once
// The link and script fields of the property panel, shared by the selected
// area's exchange and the default area's.
#include "platform/Types.h"

class CArea;
class CZorvaDoc;
class IPropertyPanel;

// Writes URL, target, ALT, the scripts with their enabling, and the comment
// (enabled or not) of `area` into the panel.
void WriteAreaTexts(const CZorvaDoc& doc, IPropertyPanel& panel, const CArea& area,
                    bool commentEnabled);

// Reads text field `id` into `value`; true when the stored text changed. A
// text the document cannot hold is refused with a message, the field shows
// the stored text again and `value` keeps it.
bool ReadTextField(CZorvaDoc& doc, IPropertyPanel& panel, int id, CString& value);

// Reads URL, target and ALT, then the script flag and (only while it is set)
// the three scripts, then the comment when `withComment`; true when anything
// changed.
bool ReadAreaTexts(CZorvaDoc& doc, IPropertyPanel& panel, CArea& area, bool withComment);
