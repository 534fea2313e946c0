#include "ui/AreaListBar.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPalette>
#include <QPixmap>
#include <QTreeView>
#include <algorithm>

#include "model/ZorvaDoc.h"
#include "ui/AreaListModel.h"
#include "ui/UiText.h"
#include "view/AreaList.h"

namespace {
constexpr int kKindWidth = 55;
}  // namespace

CAreaListBar::CAreaListBar(CZorvaDoc& doc, QWidget* parent)
    : QDockWidget(UiText(61229), parent), m_doc(doc) {
  setObjectName(QStringLiteral("areaList"));
  setAllowedAreas(Qt::RightDockWidgetArea);
  m_model = new CAreaListModel(doc, this);
  m_list = new QTreeView(this);
  m_list->setModel(m_model);
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

  const QPixmap image(QStringLiteral(":/arealist/check.png"));
  m_list->setIconSize(image.isNull() ? QSize(12, 12) : image.size());
  setWidget(m_list);

  connect(m_list, &QTreeView::clicked, this, [this](const QModelIndex& index) {
    const int row = index.row();
    if (row >= 0 && onRowClicked) onRowClicked(row, RowArea(row));
  });
  m_list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(m_list, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    const QModelIndex index = m_list->indexAt(at);
    if (!index.isValid() || !contextActions) return;
    if (onRowClicked) onRowClicked(index.row(), RowArea(index.row()));
    QMenu menu(this);
    menu.addActions(contextActions());
    menu.exec(m_list->viewport()->mapToGlobal(at));
  });
}

void CAreaListBar::Reset() { RowsChanged(); }

void CAreaListBar::RowInserted(int row) { m_model->RowInserted(row); }

void CAreaListBar::RowRemoved(int row) { m_model->RowRemoved(row); }

void CAreaListBar::RowsChanged() {
  const QModelIndex top = m_list->indexAt(QPoint(0, 0));
  const QModelIndex bottom = m_list->indexAt(QPoint(0, m_list->viewport()->height() - 1));
  m_model->Refresh(top.isValid() ? top.row() : 0, bottom.isValid() ? bottom.row() : m_model->rowCount() - 1);
}

void CAreaListBar::Select(int selected) {
  QItemSelectionModel* selection = m_list->selectionModel();
  if (selected >= 0) {
    const QModelIndex index = m_model->index(selected, 0);
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_list->scrollTo(index);
  } else {
    selection->clearSelection();
    m_list->scrollTo(m_model->index(m_model->rowCount() - 1, 0));
  }
}

CArea* CAreaListBar::RowArea(int row) const { return m_model->RowArea(row); }

int CAreaListBar::RowImage(int row) const { return m_model->RowImage(row); }
