#include "view/AreaList.h"

#include <algorithm>

#include "html/MapCheck.h"
#include "model/ZorvaDoc.h"
#include "view/EditSelection.h"
#include "platform/StringTable.h"
#include "view/PanelText.h"
#include "view/ZorvaView.h"

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

std::vector<AreaListRow> AreaListRows(CZorvaDoc& doc) {
  std::vector<AreaListRow> rows;
  rows.reserve(doc.m_listArea.size() + 1);
  for (auto it = doc.m_listArea.rbegin(); it != doc.m_listArea.rend(); ++it) {
    rows.push_back(MakeRow(doc, **it, *it == doc.m_pSelArea));
    rows.back().area = *it;
  }
  rows.push_back(MakeRow(doc, doc.m_areaDefault, false));
  // Rows are numbered from the top as the findings are.
  for (const zorva::html::MapFinding& f : zorva::html::CheckMap(doc)) {
    AreaListRow& row = rows[f.area - 1];
    if (!row.findings.empty()) row.findings += '\n';
    row.findings += zorva::html::FindingText(f);
    // A fault the browser hides is a warning where the row had none.
    if (row.image == kAreaImageHtml) row.image = kAreaImageNotHtml;
  }
  return rows;
}

void CZorvaView::SelectFromList(int row, CArea* area) {
  // The row's area may be gone when the list lags behind the document.
  if (area && !IsListed(m_doc.m_listArea, area)) return;
  CancelGesture();
  ShowSelectionCleared(*this);
  ShowSelected(*this, area);
  UpdatePanel(row, true);
}
