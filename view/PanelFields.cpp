#include "view/PanelFields.h"

#include "model/Area.h"
#include "model/ZorvaDoc.h"
#include "view/PanelText.h"
#include "view/ViewHost.h"

void WriteAreaTexts(const CZorvaDoc& doc, IPropertyPanel& panel, const CArea& area,
                    bool commentEnabled) {
  panel.SetText(IDC_URL, ToPanelText(doc, area.m_strHref));
  panel.SetText(IDC_TARGET, ToPanelText(doc, area.m_strTarget));
  panel.SetText(IDC_ALT, ToPanelText(doc, area.m_strAlt));
  panel.SetText(IDC_ONCLICK, ToPanelText(doc, area.m_strOnClick));
  panel.SetText(IDC_ONMOUSEOVER, ToPanelText(doc, area.m_strOnMouseOver));
  panel.SetText(IDC_ONMOUSEOUT, ToPanelText(doc, area.m_strOnMouseOut));
  panel.SetCheck(IDC_JAVASCRIPT, area.m_bJavaScript);
  for (int id : {IDC_ONCLICK, IDC_ONMOUSEOVER, IDC_ONMOUSEOUT}) panel.Enable(id, area.m_bJavaScript);
  panel.SetText(IDC_COMMENT, ToPanelText(doc, area.m_strComment));
  panel.Enable(IDC_COMMENT, commentEnabled);
}

bool ReadTextField(CZorvaDoc& doc, IPropertyPanel& panel, int id, CString& value) {
  const std::string shown = panel.GetText(id);
  // A field the user left alone keeps its bytes: bytes the charset cannot
  // decode come back from the panel as U+FFFD, and some characters have two
  // byte forms, so converting an untouched text back could refuse it or
  // quietly rewrite it.
  if (shown == ToPanelText(doc, value)) return false;
  std::optional<CString> bytes = FromPanelText(doc, shown);
  if (!bytes) {
    ReportUnstorableText(doc, shown);
    panel.SetText(id, ToPanelText(doc, value));
    return false;
  }
  if (*bytes == value) return false;
  value = std::move(*bytes);
  return true;
}

bool ReadAreaTexts(CZorvaDoc& doc, IPropertyPanel& panel, CArea& area, bool withComment) {
  bool changed = false;
  changed |= ReadTextField(doc, panel, IDC_URL, area.m_strHref);
  changed |= ReadTextField(doc, panel, IDC_TARGET, area.m_strTarget);
  changed |= ReadTextField(doc, panel, IDC_ALT, area.m_strAlt);
  const bool script = panel.GetCheck(IDC_JAVASCRIPT);
  if (script != area.m_bJavaScript) {
    area.m_bJavaScript = script;
    changed = true;
  }
  // Switched off, the scripts are not read: the area keeps them for the day
  // scripting is switched on again.
  if (script) {
    changed |= ReadTextField(doc, panel, IDC_ONCLICK, area.m_strOnClick);
    changed |= ReadTextField(doc, panel, IDC_ONMOUSEOVER, area.m_strOnMouseOver);
    changed |= ReadTextField(doc, panel, IDC_ONMOUSEOUT, area.m_strOnMouseOut);
  }
  if (withComment) changed |= ReadTextField(doc, panel, IDC_COMMENT, area.m_strComment);
  return changed;
}
