#pragma once
// The area list's rows as a model that reads the document for the rows the
// list asks for: a click, a Tab or an undo of a move repaints the rows in
// sight instead of rebuilding one item per area.
#include <QAbstractTableModel>
#include <QIcon>
#include <QTimer>
#include <unordered_map>

#include "html/MapCheck.h"
#include "view/AreaList.h"

class CArea;
class CZorvaDoc;

class CAreaListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit CAreaListModel(CZorvaDoc& doc, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The document changed. A list of another length starts afresh (true);
  // in one of the same length the rows `first` to `last` (those in sight)
  // are read again: a change announced over all rows would cost the list a
  // walk over every one of them.
  bool Refresh(int first, int last);
  // One row came in at `row` or went from it: the rows after it move, the
  // list keeps its place and its marked row. A count that does not add up
  // starts afresh.
  void RowInserted(int row);
  void RowRemoved(int row);
  // The area of a row (null: the default area's row, or no row).
  CArea* RowArea(int row) const;
  // The row image (kAreaImage*) of a row, -1 for no row.
  int RowImage(int row) const;
  // How many rows have been read from the document since the last reset of
  // the count: what a change costs grows with the rows in sight, not with
  // the areas.
  mutable long m_nRowsRead = 0;

 private:
  const AreaListRow& Row(int row) const;

  CZorvaDoc& m_doc;
  int m_nRows = 0;
  // The rows read since the last change.
  mutable std::unordered_map<int, AreaListRow> m_rows;
  // The areas' bounds for the rows' covered test. Making it is a pass over
  // every area, so a change does not wait for it: it is made again once
  // changes pause, and the rows in sight are read again then.
  zorva::html::AreaBoundsIndex m_index;
  QTimer m_indexTimer;
  void RemakeIndex();

 public:
  // How long changes must pause before the index is made again, in ms.
  static constexpr int kIndexDelay = 200;
  QIcon m_images[3];
};
