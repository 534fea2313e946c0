#include "ui/AreaListBar.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QPixmap>
#include <QTreeWidget>
#include <algorithm>

#include "ui/UiText.h"

namespace {
constexpr int kAreaRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
constexpr int kKindWidth = 55;

}  // namespace

CAreaListBar::CAreaListBar(QWidget* parent) : QDockWidget(UiText(61229), parent) {
  setObjectName(QStringLiteral("areaList"));
  setAllowedAreas(Qt::RightDockWidgetArea);
  m_list = new QTreeWidget(this);
  m_list->setColumnCount(2);
  m_list->setHeaderLabels({UiText(61230), UiText(61231)});
  m_list->setRootIsDecorated(false);
  m_list->setItemsExpandable(false);
  m_list->setUniformRowHeights(true);
  m_list->setSelectionMode(QAbstractItemView::SingleSelection);
  m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
  // 55 pixels held the kind with its mark at the product's small font; with
  // the desktop's font the widest kind must still fit beside its mark.
  const QFontMetrics metrics(m_list->font());
  int kindWidth = kKindWidth;
  for (unsigned id : {61232u, 61233u, 61234u, 61235u, 61236u})
    kindWidth = std::max(kindWidth, metrics.horizontalAdvance(UiText(id)) + 12 + 24);
  m_list->setColumnWidth(0, kindWidth);
  m_list->header()->setStretchLastSection(true);
  m_list->header()->setSectionsMovable(false);
  // The selected area stays marked while the focus is in the view.
  QPalette pal = m_list->palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
  m_list->setPalette(pal);

  const char* images[3] = {":/arealist/cross.png", ":/arealist/warning.png", ":/arealist/check.png"};
  QSize iconSize(12, 12);
  for (int i = 0; i < 3; ++i) {
    const QPixmap image(QString::fromUtf8(images[i]));
    if (image.isNull()) continue;
    m_images[i] = QIcon(image);
    iconSize = image.size();
  }
  m_list->setIconSize(iconSize);
  setWidget(m_list);

  connect(m_list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    const int row = m_list->indexOfTopLevelItem(item);
    if (row >= 0 && onRowClicked) onRowClicked(row, RowArea(row));
  });
}

void CAreaListBar::Rebuild(const std::vector<AreaListRow>& rows) {
  // Hidden while it changes, so it is not redrawn row by row; the rows of a
  // list of the same length are rewritten in place.
  m_list->setUpdatesEnabled(false);
  if (m_list->topLevelItemCount() != int(rows.size())) {
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(rows.size()));
    for (size_t i = 0; i < rows.size(); ++i) items.append(new QTreeWidgetItem);
    m_list->addTopLevelItems(items);
  }
  QTreeWidgetItem* selected = nullptr;
  for (size_t i = 0; i < rows.size(); ++i) {
    const AreaListRow& row = rows[i];
    QTreeWidgetItem* item = m_list->topLevelItem(int(i));
    const QString kind = QString::fromStdString(row.kind), link = QString::fromStdString(row.link);
    if (item->text(0) != kind) item->setText(0, kind);
    if (item->text(1) != link) item->setText(1, link);
    const QString why = QString::fromStdString(row.findings);
    if (item->toolTip(0) != why) {
      item->setToolTip(0, why);
      item->setToolTip(1, why);
    }
    if (item->data(0, kImageRole).toInt() != row.image || !item->data(0, kImageRole).isValid()) {
      item->setData(0, kImageRole, row.image);
      item->setIcon(0, row.image >= 0 && row.image < 3 ? m_images[row.image] : QIcon());
    }
    item->setData(0, kAreaRole, QVariant::fromValue(quintptr(row.area)));
    if (row.selected) selected = item;
  }
  m_list->clearSelection();
  if (selected) selected->setSelected(true);
  if (QTreeWidgetItem* shown = selected ? selected : m_list->topLevelItem(m_list->topLevelItemCount() - 1))
    m_list->scrollToItem(shown);
  m_list->setUpdatesEnabled(true);
}

CArea* CAreaListBar::RowArea(int row) const {
  QTreeWidgetItem* item = m_list->topLevelItem(row);
  return item ? reinterpret_cast<CArea*>(item->data(0, kAreaRole).value<quintptr>()) : nullptr;
}

int CAreaListBar::RowImage(int row) const {
  QTreeWidgetItem* item = m_list->topLevelItem(row);
  return item ? item->data(0, kImageRole).toInt() : -1;
}
