#pragma once
// The main toolbar: file and edit commands, the zoom box, the bar toggles,
// the preview and the About box.
#include <QToolBar>
#include <functional>

#include "view/CommandIds.h"

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
  QComboBox* MakeZoomBox();

  QComboBox* m_zoom = nullptr;
};

// The bar from left to right: command buttons, 0 for a separator and
// ID_ZOOM_COMBO for the zoom box. Help tags the buttons from the same list.
inline constexpr unsigned kMainToolBarLayout[] = {
    ID_FILE_NEW,     ID_FILE_OPEN,     ID_FILE_SAVE,     0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
    ID_EDIT_DUPLICATE, 0,              ID_EDIT_UNDO,     ID_EDIT_REDO, 0, ID_ZOOM_COMBO, 0,
    ID_VIEW_TOOLBOX, ID_VIEW_PROPERTY, ID_VIEW_AREALIST, 0, ID_HTML_PREVIEW, 0, ID_APP_ABOUT,
};

// The zoom command of an index of the zoom box, 0 for none.
unsigned ZoomCommandOfIndex(int index);
