#pragma once
// The area list at the frame's right edge: one row per area, topmost first,
// the default area last, each with the mark of whether it can be written as
// an HTML shape and whether the map check found a fault in it (the tooltip
// says which). A click on a row selects its area in the view.
#include <QDockWidget>
#include <QList>
#include <functional>

class CArea;
class CAreaListModel;
class CZorvaDoc;
class QAction;
class QTreeView;

class CAreaListBar : public QDockWidget {
  Q_OBJECT
 public:
  CAreaListBar(CZorvaDoc& doc, QWidget* parent);

  QTreeView* List() const { return m_list; }
  CAreaListModel* Model() const { return m_model; }
  // What the view tells the list (IViewFrame): another document; a row in
  // or out; what rows show changed (the rows in sight are read again, since
  // the map check's marks of one row follow from others); the selected
  // area's row (-1: none), marked and scrolled into sight.
  void Reset();
  void RowInserted(int row);
  void RowRemoved(int row);
  void RowsChanged();
  void Select(int row);
  // The area of a row (null: the default area).
  CArea* RowArea(int row) const;
  // The row image (kAreaImage*) of a row, -1 for no row.
  int RowImage(int row) const;

  // A click on row `row`, whose area is `area`.
  std::function<void(int row, CArea* area)> onRowClicked;
  // The commands of a row's context menu, their states up to date; the row
  // is selected before they are asked for.
  std::function<QList<QAction*>()> contextActions;

 private:
  CZorvaDoc& m_doc;
  CAreaListModel* m_model = nullptr;
  QTreeView* m_list = nullptr;
};
