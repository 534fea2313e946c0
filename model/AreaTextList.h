// An area's texts, one line each; everything that walks an area's texts
// walks this list (model/AreaTexts.h): copying and clearing, charset
// conversion, the project file, the page reader and both page writers, the
// names the other-attributes field may not use, the page's charset check,
// the property panel and zorva-cli's dump.
//
// ZORVA_AREA_TEXT(Id, member, dump key, attribute, map spelling, role, stored, panel field, replay word)
//   member: the CString of CArea; attribute: the tag's attribute as read,
//   lower case ("" for the comment and the kept attributes); map spelling:
//   how the map writer writes the attribute; role (AreaTextRole): how the
//   writers, the charset and the panel treat it; stored: the project file
//   holds it (its record is fixed: a new text is not stored); panel field:
//   the property panel's control IDC_<field>; replay word: zorva-cli's
//   "panel WORD TEXT".
ZORVA_AREA_TEXT(Href, m_strHref, "href", "href", "href", Link, true, URL, "url")
ZORVA_AREA_TEXT(Target, m_strTarget, "target", "target", "target", Link, true, TARGET, "target")
ZORVA_AREA_TEXT(Alt, m_strAlt, "alt", "alt", "alt", Link, true, ALT, "alt")
ZORVA_AREA_TEXT(OnClick, m_strOnClick, "onclick", "onclick", "onClick", Script, true, ONCLICK, "onclick")
ZORVA_AREA_TEXT(OnMouseOver, m_strOnMouseOver, "onmouseover", "onmouseover", "onMouseOver", Script, true, ONMOUSEOVER, "onmouseover")
ZORVA_AREA_TEXT(OnMouseOut, m_strOnMouseOut, "onmouseout", "onmouseout", "onMouseOut", Script, true, ONMOUSEOUT, "onmouseout")
ZORVA_AREA_TEXT(Comment, m_strComment, "comment", "", "", Comment, true, COMMENT, "comment")
ZORVA_AREA_TEXT(OtherAttrs, m_strOtherAttrs, "otherAttrs", "", "", Kept, false, OTHERATTRS, "other")
