#include "view/AreaList.h"

#include <algorithm>

#include "html/MapCheck.h"
#include "model/ZorvaDoc.h"
#include "view/EditSelection.h"
#include "platform/StringTable.h"
#include "view/PanelText.h"
#include "view/ViewCore.h"

namespace {

constexpr unsigned kKindPolygon = 61232;
constexpr unsigned kKindEllipse = 61233;
constexpr unsigned kKindRect = 61234;
constexpr unsigned kKindBezier = 61235;
constexpr unsigned kKindBackground = 61236;
constexpr unsigned kNoLink = 61237;

AreaListRow MakeRow(CZorvaDoc& doc, CArea& area, bool selected) {
  AreaListRow row;
  row.selected = selected;
  switch (area.m_nType) {
    case AREA_RECT:
      row.kind = zorva::LoadStringUtf8(kKindRect);
      row.image = kAreaImageHtml;
      break;
    case AREA_ELLIPSE:
      row.kind = zorva::LoadStringUtf8(kKindEllipse);
      row.image = area.UpdateHtmlShape(true) ? kAreaImageHtml : kAreaImageNotHtml;
      break;
    case AREA_POLYGON:
      row.kind = zorva::LoadStringUtf8(kKindPolygon);
      row.image = area.m_bClosed ? kAreaImageHtml : kAreaImageOpen;
      break;
    case AREA_BEZIER:
      // No HTML shape without a conversion: the mark follows the selection.
      row.kind = zorva::LoadStringUtf8(kKindBezier);
      row.image = selected ? kAreaImageNotHtml : kAreaImageOpen;
      break;
    default:
      row.kind = zorva::LoadStringUtf8(kKindBackground);
      row.image = kAreaImageHtml;
      break;
  }
  row.link = area.m_strHref.empty() ? zorva::LoadStringUtf8(kNoLink)
                                    : ToPanelText(doc, area.m_strHref);
  return row;
}

}  // namespace

size_t AreaListRowCount(const CZorvaDoc& doc) { return doc.m_listArea.size() + 1; }

AreaListRow AreaListRowAt(CZorvaDoc& doc, size_t row, const zorva::html::AreaBoundsIndex& index) {
  const size_t n = doc.m_listArea.size();
  CArea* area = row < n ? doc.m_listArea.At(n - 1 - row) : nullptr;
  AreaListRow made = area ? MakeRow(doc, *area, area == doc.m_pSelArea) : MakeRow(doc, doc.m_areaDefault, false);
  made.area = area;
  for (const zorva::html::MapFinding& f : zorva::html::CheckArea(doc, std::min(row, n) + 1, index)) {
    if (!made.findings.empty()) made.findings += '\n';
    made.findings += zorva::html::FindingText(f);
    // A fault the browser hides is a warning where the row had none.
    if (made.image == kAreaImageHtml) made.image = kAreaImageNotHtml;
  }
  return made;
}

int AreaListRowOf(const CZorvaDoc& doc, const CArea* area) {
  const size_t n = doc.m_listArea.size();
  if (!area) return int(n);
  const size_t at = doc.m_listArea.IndexOf(area);
  return at == doc.m_listArea.npos ? -1 : int(n - 1 - at);
}

std::vector<AreaListRow> AreaListRows(CZorvaDoc& doc) {
  std::vector<AreaListRow> rows;
  rows.reserve(AreaListRowCount(doc));
  const zorva::html::AreaBoundsIndex index = zorva::html::IndexAreaBounds(doc);
  for (size_t i = 0; i < AreaListRowCount(doc); ++i) rows.push_back(AreaListRowAt(doc, i, index));
  return rows;
}
