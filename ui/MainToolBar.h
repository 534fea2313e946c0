#pragma once
// The main toolbar: file and edit commands, the zoom box, the bar toggles,
// the preview and the About box.
#include <QToolBar>
#include <functional>

class CCommandActions;
class QComboBox;

class CMainToolBar : public QToolBar {
  Q_OBJECT
 public:
  CMainToolBar(CCommandActions& actions, QWidget* parent);

  QComboBox* ZoomCombo() const { return m_zoom; }
  // Shows the zoom of `index` (0 200 %, 1 100 %, 2 50 %) without acting on it.
  void SetZoomIndex(int index);

  // The zoom command the user picked in the box.
  std::function<void(unsigned command)> onZoomPicked;

 private:
  QComboBox* m_zoom = nullptr;
};

// The zoom command of an index of the zoom box, 0 for none.
unsigned ZoomCommandOfIndex(int index);
