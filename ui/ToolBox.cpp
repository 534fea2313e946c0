#include "ui/ToolBox.h"

#include <QAction>
#include <QActionGroup>
#include <QKeyEvent>

#include "ui/CommandActions.h"
#include "ui/UiText.h"
#include "view/CommandIds.h"

CToolBox::CToolBox(CCommandActions& actions, QWidget* parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("toolBox"));
  setWindowTitle(UiText(ID_VIEW_TOOLBOX).section(QLatin1Char('\n'), 1, 1));
  setOrientation(Qt::Vertical);
  setIconSize(QSize(16, 15));
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  m_group = new QActionGroup(this);
  m_group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  struct Tool {
    int id;
    const char* icon;
  };
  static constexpr Tool kTools[] = {
      {ID_TOOL_ARROW, ":/tools/arrow.png"},       {ID_TOOL_RECT, ":/tools/rect.png"},
      {ID_TOOL_ELLIPSE, ":/tools/ellipse.png"},   {ID_TOOL_POLYGON, ":/tools/polygon.png"},
      {ID_TOOL_LINE, ":/tools/line.png"},         {ID_TOOL_BEZIER, ":/tools/bezier.png"},
      {ID_TOOL_FREEHAND, ":/tools/freehand.png"}, {ID_TOOL_ZOOM, ":/tools/zoom.png"},
  };
  for (const Tool& t : kTools) {
    // A tool has no menu item; its button shows its short name until an image exists.
    const QString name = UiText(unsigned(t.id)).section(QLatin1Char('\n'), 1, 1);
    QAction* a = actions.Add(unsigned(t.id), name, true, t.icon);
    m_group->addAction(a);
    addAction(a);
  }
}

void CToolBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Control && onCtrlKey) onCtrlKey(true, event->isAutoRepeat());
  QToolBar::keyPressEvent(event);
}

void CToolBox::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Control && !event->isAutoRepeat() && onCtrlKey) onCtrlKey(false, false);
  QToolBar::keyReleaseEvent(event);
}
