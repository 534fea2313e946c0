#include "view/PanelFields.h"

#include <optional>
#include <iterator>
#include <string>
#include <string_view>

#include "html/AttributeText.h"
#include "html/ByteScanner.h"
#include "model/Area.h"
#include "model/AreaTexts.h"
#include "model/ZorvaDoc.h"
#include "platform/Charset.h"
#include "view/PanelText.h"
#include "view/ViewHost.h"

namespace {

// The panel's control of each area text, in the list's order.
constexpr int kTextControls[] = {
#define ZORVA_AREA_TEXT(Id, member, key, attribute, spelling, role, stored, panel, word) IDC_##panel,
#include "model/AreaTextList.h"
#undef ZORVA_AREA_TEXT
};
static_assert(std::size(kTextControls) == std::size(kAreaTexts));

PanelTextKind KindOf(const CAreaText& t) { return t.IsComment() ? PanelTextKind::Comment : PanelTextKind::Attribute; }

}  // namespace

int AreaTextControl(AreaTextId id) { return kTextControls[unsigned(id)]; }

void FillAreaTexts(const CZorvaDoc& doc, const CArea& area, bool commentEnabled, PanelContent& c) {
  c.texts.clear();
  for (const CAreaText& t : kAreaTexts) {
    PanelTextField f{kTextControls[unsigned(t.id)], ToPanelText(doc, area.*t.member, KindOf(t)), -1};
    switch (t.role) {
      case AreaTextRole::Link: break;
      case AreaTextRole::Script: f.enabled = area.m_bJavaScript; break;
      case AreaTextRole::Comment: f.enabled = commentEnabled; break;
      case AreaTextRole::Plain:
      case AreaTextRole::Kept: f.enabled = 1; break;
    }
    c.texts.push_back(std::move(f));
  }
  c.javaScript = area.m_bJavaScript;
}

void WriteAreaTexts(const CZorvaDoc& doc, IPropertyPanel& panel, const CArea& area,
                    bool commentEnabled) {
  PanelContent c;
  FillAreaTexts(doc, area, commentEnabled, c);
  panel.WriteTexts(c);
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
  const PanelTextKind kind = id == AreaTextControl(AreaTextId::Comment) ? PanelTextKind::Comment : PanelTextKind::Attribute;
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
  const bool script = panel.GetCheck(IDC_JAVASCRIPT);
  if (script != area.m_bJavaScript) {
    area.m_bJavaScript = script;
    changed = true;
  }
  for (const CAreaText& t : kAreaTexts) {
    const int id = kTextControls[unsigned(t.id)];
    CString& value = area.*t.member;
    switch (t.role) {
      // Switched off, the scripts are not read: the area keeps them for the
      // day scripting is switched on again.
      case AreaTextRole::Script:
        if (script) changed |= ReadTextField(doc, panel, id, value);
        break;
      case AreaTextRole::Comment:
        if (withComment) changed |= ReadTextField(doc, panel, id, value);
        break;
      case AreaTextRole::Kept: changed |= ReadOtherAttrsField(doc, panel, value); break;
      case AreaTextRole::Link:
      case AreaTextRole::Plain: changed |= ReadTextField(doc, panel, id, value); break;
    }
  }
  return changed;
}
