#pragma once
// The tool box: a button for every tool of the tool table that has an
// image, as one set of radio buttons. Ctrl going down
// or up while a key reaches the box goes to the view too, so the temporary
// arrow tool follows the key wherever it is pressed.
#include <QToolBar>
#include <functional>

#include "view/CommandIds.h"

class CCommandActions;
class QActionGroup;

class CToolBox : public QToolBar {
  Q_OBJECT
 public:
  CToolBox(CCommandActions& actions, QWidget* parent);

  // Ctrl went down (`down`) or up; `repeat` for an auto-repeated press.
  std::function<void(bool down, bool repeat)> onCtrlKey;
  // A tool's button was double-clicked (a tool with settings opens them).
  std::function<void(ToolId id)> onToolDoubleClick;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  QActionGroup* m_group = nullptr;
};
