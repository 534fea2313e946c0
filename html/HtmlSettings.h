#pragma once
// The four HTML output settings: how the writer reads them, and how the
// settings dialog turns them into radio-button indices and back.
#include <string>

#include "platform/SettingsStore.h"

namespace zorva {

// The map of a new page: a classic <map> of <area> elements, or the
// responsive form, an SVG laid over the picture that scales with it. Stored
// as 0 and 1.
enum class MapForm { Classic, Svg };

// The "doctype" value of HTML5 pages.
inline constexpr int kDoctypeHtml5 = 5;

// The settings as the writer uses them. A value absent from the store reads as
// CR LF for the line end and 0 for the three numbers.
struct HtmlOutputSettings {
  std::string newline = "\r\n";
  int doctype = 0;   // 2, 3, 4 select a DOCTYPE line, 5 an HTML5 page; anything else none
  int charcode = 0;  // page charset and META line: 1 Shift_JIS, 2 EUC-JP, 3 UTF-8;
                     // anything else none, the texts in the document's charset
  int charcase = 0;  // 0 upper elements / lower attributes, 1 all upper, 2 all lower
  MapForm mapForm = MapForm::Classic;  // pages that were read keep their classic map
  bool svgHover = false;               // the responsive form highlights the area under the pointer
};

HtmlOutputSettings ReadHtmlOutputSettings(ISettingsStore& store);

// The dialog's four radio groups as indices: 0 for a group's first button,
// -1 when no button of the group is selected.
struct HtmlSettingsIndices {
  int newline = -1;
  int doctype = -1;
  int charcode = -1;
  int charcase = -1;
  int mapForm = 0;  // 0 classic, 1 responsive; -1 none selected
  bool svgHover = false;
  bool operator==(const HtmlSettingsIndices&) const = default;
};

// Store to indices, as the dialog opens.
HtmlSettingsIndices LoadHtmlSettingsIndices(ISettingsStore& store);

// Indices to store, as the dialog closes with OK. A group without a selected
// button leaves its value as it was, except the letter case, whose index is
// stored as it is.
void SaveHtmlSettingsIndices(ISettingsStore& store, const HtmlSettingsIndices& indices);

}  // namespace zorva
