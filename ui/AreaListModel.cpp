#include "ui/AreaListModel.h"

#include <QPixmap>
#include <algorithm>

#include "model/ZorvaDoc.h"
#include "ui/UiText.h"
#include "view/AreaList.h"

CAreaListModel::CAreaListModel(CZorvaDoc& doc, QObject* parent)
    : QAbstractTableModel(parent), m_doc(doc), m_nRows(int(AreaListRowCount(doc))) {
  const char* images[3] = {":/arealist/cross.png", ":/arealist/warning.png", ":/arealist/check.png"};
  for (int i = 0; i < 3; ++i) {
    const QPixmap image(QString::fromUtf8(images[i]));
    if (!image.isNull()) m_images[i] = QIcon(image);
  }
  m_indexTimer.setSingleShot(true);
  m_indexTimer.setInterval(kIndexDelay);
  connect(&m_indexTimer, &QTimer::timeout, this, &CAreaListModel::RemakeIndex);
  m_indexTimer.start();
}

void CAreaListModel::RemakeIndex() {
  m_index = zorva::html::IndexAreaBounds(m_doc);
  if (m_rows.empty()) return;
  int first = m_nRows, last = -1;
  for (const auto& [row, unused] : m_rows) first = std::min(first, row), last = std::max(last, row);
  m_rows.clear();
  last = std::min(last, m_nRows - 1);
  if (first <= last) emit dataChanged(index(first, 0), index(last, 1), {Qt::DecorationRole, Qt::ToolTipRole});
}

int CAreaListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_nRows; }

int CAreaListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

const AreaListRow& CAreaListModel::Row(int row) const {
  // A row is asked for once for each role and column: it is read once
  // between two changes.
  auto it = m_rows.find(row);
  if (it == m_rows.end()) {
    ++m_nRowsRead;
    it = m_rows.emplace(row, AreaListRowAt(m_doc, size_t(row), m_index)).first;
  }
  return it->second;
}

QVariant CAreaListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_nRows) return {};
  switch (role) {
    case Qt::DisplayRole: {
      const AreaListRow& row = Row(index.row());
      return QString::fromStdString(index.column() == 0 ? row.kind : row.link);
    }
    case Qt::DecorationRole: {
      if (index.column() != 0) return {};
      const int image = Row(index.row()).image;
      return image >= 0 && image < 3 ? m_images[image] : QIcon();
    }
    case Qt::ToolTipRole: {
      // What the map check found, on both columns of the row.
      const std::string& why = Row(index.row()).findings;
      return why.empty() ? QVariant() : QVariant(QString::fromStdString(why));
    }
    default: return {};
  }
}

QVariant CAreaListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return UiText(section == 0 ? 61230 : 61231);
}

bool CAreaListModel::Refresh(int first, int last) {
  m_rows.clear();
  m_indexTimer.start();
  const int rows = int(AreaListRowCount(m_doc));
  if (rows != m_nRows) {
    beginResetModel();
    m_nRows = rows;
    endResetModel();
    return true;
  }
  first = std::max(first, 0);
  last = std::min(last, m_nRows - 1);
  if (first <= last) emit dataChanged(index(first, 0), index(last, 1), {Qt::DisplayRole, Qt::DecorationRole});
  return false;
}

void CAreaListModel::RowInserted(int row) {
  const int rows = int(AreaListRowCount(m_doc));
  if (rows != m_nRows + 1 || row < 0 || row > m_nRows) {
    Refresh(0, -1);
    return;
  }
  m_rows.clear();
  beginInsertRows(QModelIndex(), row, row);
  m_nRows = rows;
  endInsertRows();
}

void CAreaListModel::RowRemoved(int row) {
  const int rows = int(AreaListRowCount(m_doc));
  if (rows != m_nRows - 1 || row < 0 || row >= m_nRows) {
    Refresh(0, -1);
    return;
  }
  m_rows.clear();
  beginRemoveRows(QModelIndex(), row, row);
  m_nRows = rows;
  endRemoveRows();
}

CArea* CAreaListModel::RowArea(int row) const {
  if (row < 0 || row >= m_nRows) return nullptr;
  const size_t n = m_doc.m_listArea.size();
  return size_t(row) < n ? m_doc.m_listArea.At(n - 1 - size_t(row)) : nullptr;
}

int CAreaListModel::RowImage(int row) const {
  if (row < 0 || row >= m_nRows) return -1;
  return Row(row).image;
}
