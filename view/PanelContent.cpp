// The property panel written control by control, in the order the panel's
// handlers expect: the type before the points, the texts in the area text
// list's order, the script check last.
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
  WriteTexts(c);
}

void IPropertyPanel::WriteTexts(const PanelContent& c) {
  for (const PanelTextField& f : c.texts) {
    SetText(f.control, f.text);
    if (f.enabled >= 0) Enable(f.control, f.enabled != 0);
  }
  SetCheck(IDC_JAVASCRIPT, c.javaScript);
}
