#pragma once
// The link and script fields of the property panel, shared by the selected
// area's exchange and the default area's.
#include "platform/Types.h"

class CArea;
class CZorvaDoc;
class IPropertyPanel;
struct PanelContent;

// URL, target, ALT, the scripts with their enabling, the comment (enabled or
// not) and the other attributes of `area` as the panel shows them.
void FillAreaTexts(const CZorvaDoc& doc, const CArea& area, bool commentEnabled, PanelContent& c);

// Reads text field `id` into `value`; true when the stored text changed. A
// text the document cannot hold is refused with a message, the field shows
// the stored text again and `value` keeps it.
bool ReadTextField(CZorvaDoc& doc, IPropertyPanel& panel, int id, CString& value);

// Reads the other attributes' field (1030) into `value`, trimmed of the
// blanks around it; true when the stored text changed. A text that is no
// list of attributes for an area's tag (unclosed quotation mark, an attribute
// the panel's own fields write, a name twice) or that the document cannot
// hold is refused with a message, the field shows the stored text again and
// `value` keeps it.
bool ReadOtherAttrsField(CZorvaDoc& doc, IPropertyPanel& panel, CString& value);

// Reads URL, target and ALT, then the script flag and (only while it is set)
// the three scripts, then the comment when `withComment`, then the other
// attributes; true when anything changed.
bool ReadAreaTexts(CZorvaDoc& doc, IPropertyPanel& panel, CArea& area, bool withComment);
