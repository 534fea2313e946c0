// The property panel written control by control, in the order the panel's
// handlers expect: the type before the points, the script check before the
// fields it enables.
#include "view/ViewHost.h"

void IPropertyPanel::Show(const PanelContent& c, bool withRows) {
  if (c.area) {
    Enable(IDC_TYPE, true);
    SetCurSel(IDC_TYPE, c.type);
    if (c.closedEnabled) {
      Enable(IDC_CLOSED, true);
      SetCheck(IDC_CLOSED, c.closed);
    } else {
      Enable(IDC_CLOSED, false);
    }
    if (withRows) {
      Enable(IDC_POINTS, true);
      ResetRows(IDC_POINTS);
      for (size_t i = 0; i < c.rows.size(); ++i) {
        AddRow(IDC_POINTS, c.rows[i]);
        if (i < c.rowSelected.size() && c.rowSelected[i]) SetRowSel(IDC_POINTS, int(i), true);
      }
    }
  } else {
    Enable(IDC_TYPE, false);
    Enable(IDC_CLOSED, false);
    ResetRows(IDC_POINTS);
    Enable(IDC_POINTS, false);
  }
  SetText(IDC_URL, c.url);
  SetText(IDC_TARGET, c.target);
  SetText(IDC_ALT, c.alt);
  SetText(IDC_ONCLICK, c.onClick);
  SetText(IDC_ONMOUSEOVER, c.onMouseOver);
  SetText(IDC_ONMOUSEOUT, c.onMouseOut);
  SetCheck(IDC_JAVASCRIPT, c.javaScript);
  for (int id : {IDC_ONCLICK, IDC_ONMOUSEOVER, IDC_ONMOUSEOUT}) Enable(id, c.javaScript);
  SetText(IDC_COMMENT, c.comment);
  Enable(IDC_COMMENT, c.commentEnabled);
  SetText(IDC_OTHERATTRS, c.otherAttrs);
  Enable(IDC_OTHERATTRS, true);
}
