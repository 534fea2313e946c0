#pragma once
// The link and script fields of the property panel, shared by the selected
// area's exchange and the default area's.
#include "platform/Types.h"

class CArea;
class CZorvaDoc;
class IPropertyPanel;
struct PanelContent;
enum class AreaTextId;

// The panel's control of an area text (model/AreaTextList.h).
int AreaTextControl(AreaTextId id);

// Every text of `area` as its control shows it (model/AreaTextList.h): the
// scripts enabled while they are on, the comment when `commentEnabled`.
void FillAreaTexts(const CZorvaDoc& doc, const CArea& area, bool commentEnabled, PanelContent& c);
// The same written into the panel's controls.
void WriteAreaTexts(const CZorvaDoc& doc, IPropertyPanel& panel, const CArea& area,
                    bool commentEnabled);

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

// Reads the script flag, then every text of the area in the list's order:
// the scripts only while the flag is set, the comment when `withComment`;
// true when anything changed.
bool ReadAreaTexts(CZorvaDoc& doc, IPropertyPanel& panel, CArea& area, bool withComment);
