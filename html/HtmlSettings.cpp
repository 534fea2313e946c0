#include "html/HtmlSettings.h"

#include <iterator>

#include "html/HtmlSettingsDefaults.h"

namespace zorva {

namespace {
const char* const kNewlines[] = {"\r\n", "\r", "\n"};
// The stored value of each DOCTYPE and character-code button, in button order.
// UTF-8 came after the others and is stored as 3, so older settings files keep
// their meaning; HTML5 is stored as 5 and its button's index follows "none",
// so the indices of the older buttons stay too.
const int kDoctypes[] = {2, 3, 4, 0, kDoctypeHtml5};
const int kCharcodes[] = {1, 2, 3, 0};

template <size_t N>
int IndexOf(const int (&values)[N], int value) {
  for (size_t i = 0; i < N; ++i)
    if (values[i] == value) return int(i);
  return -1;
}
}  // namespace

HtmlOutputSettings ReadHtmlOutputSettings(ISettingsStore& store) {
  HtmlOutputSettings s;
  s.newline = store.GetString(kSettingsSection, kSettingNewline, "\r\n");
  s.doctype = store.GetInt(kSettingsSection, kSettingDoctype, 0);
  s.charcode = store.GetInt(kSettingsSection, kSettingCharcode, 0);
  s.charcase = store.GetInt(kSettingsSection, kSettingCharcase, 0);
  // Any other number is a form this version does not know: the classic map.
  s.mapForm = store.GetInt(kSettingsSection, kSettingMapForm, 0) == 1 ? MapForm::Svg : MapForm::Classic;
  s.svgHover = store.GetInt(kSettingsSection, kSettingSvgHover, 0) == 1;
  return s;
}

HtmlSettingsIndices LoadHtmlSettingsIndices(ISettingsStore& store) {
  HtmlOutputSettings s = ReadHtmlOutputSettings(store);
  HtmlSettingsIndices ix;
  for (int i = 0; i < 3; ++i)
    if (s.newline == kNewlines[i]) ix.newline = i;
  ix.doctype = IndexOf(kDoctypes, s.doctype);
  // Every DOCTYPE the writer does not know shows as "none", the last button.
  if (ix.doctype < 0) ix.doctype = 3;
  ix.charcode = IndexOf(kCharcodes, s.charcode);
  ix.charcase = s.charcase;
  ix.mapForm = s.mapForm == MapForm::Svg ? 1 : 0;
  ix.svgHover = s.svgHover;
  return ix;
}

void SaveHtmlSettingsIndices(ISettingsStore& store, const HtmlSettingsIndices& ix) {
  if (ix.newline >= 0 && ix.newline < 3)
    store.WriteString(kSettingsSection, kSettingNewline, kNewlines[ix.newline]);
  if (ix.doctype >= 0 && ix.doctype < int(std::size(kDoctypes)))
    store.WriteInt(kSettingsSection, kSettingDoctype, kDoctypes[ix.doctype]);
  if (ix.charcode >= 0 && ix.charcode < int(std::size(kCharcodes)))
    store.WriteInt(kSettingsSection, kSettingCharcode, kCharcodes[ix.charcode]);
  store.WriteInt(kSettingsSection, kSettingCharcase, ix.charcase);
  if (ix.mapForm == 0 || ix.mapForm == 1) store.WriteInt(kSettingsSection, kSettingMapForm, ix.mapForm);
  store.WriteInt(kSettingsSection, kSettingSvgHover, ix.svgHover ? 1 : 0);
}

}  // namespace zorva
