#pragma once
// Dialog numbers of the HTML module, and where their texts stand in the
// string table: a dialog's caption at dialog × 10000, the text of the control
// with id C at dialog × 10000 + C, and texts that belong to no control (group
// captions, labels) at dialog × 10000 + 9000 + their order in the dialog.
namespace zorva {

constexpr unsigned kDlgImageSelect = 178;
constexpr unsigned kDlgUnclosedArea = 180;
constexpr unsigned kDlgShapeNotInHtml = 181;
constexpr unsigned kDlgHtmlSettings = 191;

constexpr unsigned DialogCaptionId(unsigned dialog) { return dialog * 10000; }
constexpr unsigned DialogControlTextId(unsigned dialog, unsigned control) {
  return dialog * 10000 + control;
}
constexpr unsigned DialogLabelId(unsigned dialog, unsigned order) {
  return dialog * 10000 + 9000 + order;
}

}  // namespace zorva
