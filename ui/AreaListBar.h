#pragma once
// The area list at the frame's right edge: one row per area, topmost first,
// the default area last, each with the mark of whether it can be written as
// an HTML shape and whether the map check found a fault in it (the tooltip
// says which). A click on a row selects its area in the view.
#include <QDockWidget>
#include <QIcon>
#include <functional>
#include <vector>

#include "view/AreaList.h"

class CArea;
class QTreeWidget;

class CAreaListBar : public QDockWidget {
  Q_OBJECT
 public:
  explicit CAreaListBar(QWidget* parent);

  QTreeWidget* List() const { return m_list; }
  void Rebuild(const std::vector<AreaListRow>& rows);
  // The area of a row as the last rebuild listed it (null: the default area).
  CArea* RowArea(int row) const;
  // The row image (kAreaImage*) of a row, -1 for no row.
  int RowImage(int row) const;

  // A click on row `row`, whose area is `area`.
  std::function<void(int row, CArea* area)> onRowClicked;

 private:
  QTreeWidget* m_list = nullptr;
  QIcon m_images[3];
};
