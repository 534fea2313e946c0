#include "ui/ToolBox.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QVariant>

#include "ui/CommandActions.h"
#include "ui/UiText.h"
#include "view/CommandIds.h"
#include "view/ToolTable.h"

CToolBox::CToolBox(CCommandActions& actions, QWidget* parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("toolBox"));
  setWindowTitle(UiText(ID_VIEW_TOOLBOX).section(QLatin1Char('\n'), 1, 1));
  setOrientation(Qt::Vertical);
  setIconSize(QSize(16, 15));
  setToolButtonStyle(Qt::ToolButtonIconOnly);
  m_group = new QActionGroup(this);
  m_group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  for (const CToolDescriptor& t : ToolTable()) {
    if (!t.icon) continue;
    // A tool has no menu item; its button shows its short name until an image exists.
    const QString text = UiText(t.text);
    QAction* a = actions.Add(unsigned(t.id), text.section(QLatin1Char('\n'), 1, 1), true, t.icon);
    a->setStatusTip(text.section(QLatin1Char('\n'), 0, 0));
    a->setToolTip(text.section(QLatin1Char('\n'), 1, 1));
    m_group->addAction(a);
    addAction(a);
    if (QWidget* button = widgetForAction(a)) {
      button->setProperty("toolId", int(t.id));
      button->installEventFilter(this);
    }
  }
}

bool CToolBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && onToolDoubleClick) {
    const QVariant id = watched->property("toolId");
    if (id.isValid()) onToolDoubleClick(ToolId(id.toInt()));
  }
  return QToolBar::eventFilter(watched, event);
}

void CToolBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Control && onCtrlKey) onCtrlKey(true, event->isAutoRepeat());
  QToolBar::keyPressEvent(event);
}

void CToolBox::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Control && !event->isAutoRepeat() && onCtrlKey) onCtrlKey(false, false);
  QToolBar::keyReleaseEvent(event);
}
