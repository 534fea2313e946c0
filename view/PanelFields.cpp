#include "view/PanelFields.h"

#include <optional>
#include <string>
#include <string_view>

#include "html/AttributeText.h"
#include "html/ByteScanner.h"
#include "model/Area.h"
#include "model/ZorvaDoc.h"
#include "platform/Charset.h"
#include "view/PanelText.h"
#include "view/ViewHost.h"

void FillAreaTexts(const CZorvaDoc& doc, const CArea& area, bool commentEnabled, PanelContent& c) {
  c.url = ToPanelText(doc, area.m_strHref);
  c.target = ToPanelText(doc, area.m_strTarget);
  c.alt = ToPanelText(doc, area.m_strAlt);
  c.onClick = ToPanelText(doc, area.m_strOnClick);
  c.onMouseOver = ToPanelText(doc, area.m_strOnMouseOver);
  c.onMouseOut = ToPanelText(doc, area.m_strOnMouseOut);
  c.javaScript = area.m_bJavaScript;
  c.comment = ToPanelText(doc, area.m_strComment, PanelTextKind::Comment);
  c.commentEnabled = commentEnabled;
  c.otherAttrs = ToPanelText(doc, area.m_strOtherAttrs);
}

namespace {

constexpr unsigned kMalformedAttributes = 65012;
constexpr unsigned kOwnedAttribute = 65013;
constexpr unsigned kRepeatedAttribute = 65014;

}  // namespace

bool ReadOtherAttrsField(CZorvaDoc& doc, IPropertyPanel& panel, CString& value) {
  const std::string shown = panel.GetText(IDC_OTHERATTRS);
  const std::string stored = ToPanelText(doc, value);
  // Left alone, the text keeps its bytes (as ReadTextField), and a text read
  // from a page is not judged again.
  if (shown == stored) return false;
  auto showStored = [&] { panel.SetText(IDC_OTHERATTRS, stored); };
  const std::string_view typed = zorva::html::TrimHtmlSpace(shown);
  // The text goes into the area's tag as it is: one the tag cannot hold
  // would break the page or the attributes the panel writes itself.
  using Kind = zorva::html::AttributeTextFault::Kind;
  const zorva::html::AttributeTextFault fault = zorva::html::CheckAreaOtherAttributes(typed);
  if (fault.kind != Kind::None) {
    const unsigned message = fault.kind == Kind::Owned      ? kOwnedAttribute
                             : fault.kind == Kind::Repeated ? kRepeatedAttribute
                                                            : kMalformedAttributes;
    doc.ReportMessage(message, {fault.where}, MB_OK | MB_ICONEXCLAMATION);
    showStored();
    return false;
  }
  // A character the charset lacks goes into a value as a reference; in a
  // name it would be read as the reference's text, so it is refused.
  for (const zorva::html::KeptAttribute& k : zorva::html::SplitKeptAttributes(typed))
    if (!zorva::Utf8ToCharsetExactly(doc.m_nCharset, k.name)) {
      ReportUnstorableText(doc, k.name);
      showStored();
      return false;
    }
  std::optional<CString> bytes = FromPanelText(doc, typed);
  if (!bytes) {
    ReportUnstorableText(doc, typed);
    showStored();
    return false;
  }
  const bool changed = *bytes != value;
  if (changed) value = std::move(*bytes);
  // The field shows what the area holds: without the blanks around it.
  const std::string now = ToPanelText(doc, value);
  if (now != shown) panel.SetText(IDC_OTHERATTRS, now);
  return changed;
}

bool ReadTextField(CZorvaDoc& doc, IPropertyPanel& panel, int id, CString& value) {
  const PanelTextKind kind = id == IDC_COMMENT ? PanelTextKind::Comment : PanelTextKind::Attribute;
  const std::string shown = panel.GetText(id);
  // A field the user left alone keeps its bytes: bytes the charset cannot
  // decode come back from the panel as U+FFFD, and some characters have two
  // byte forms, so converting an untouched text back could refuse it or
  // quietly rewrite it.
  if (shown == ToPanelText(doc, value, kind)) return false;
  std::optional<CString> bytes = FromPanelText(doc, shown, kind);
  if (!bytes) {
    ReportUnstorableText(doc, shown, kind);
    panel.SetText(id, ToPanelText(doc, value, kind));
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
  changed |= ReadOtherAttrsField(doc, panel, area.m_strOtherAttrs);
  return changed;
}
