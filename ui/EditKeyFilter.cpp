#include "ui/EditKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "view/ViewHost.h"

bool IsFieldEditKey(int key, Qt::KeyboardModifiers mods) {
  const bool ctrl = mods & Qt::ControlModifier;
  switch (key) {
    case Qt::Key_Delete: return true;
    // Alt+Backspace is a system key and stays the frame's undo.
    case Qt::Key_Backspace: return !(mods & Qt::AltModifier);
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_X:
    case Qt::Key_Z: return ctrl;
    default: return false;
  }
}

CEditKeyFilter::CEditKeyFilter(std::function<void(unsigned, bool, bool)> toView, QObject* parent)
    : QObject(parent), m_toView(std::move(toView)) {}

void CEditKeyFilter::Watch(QWidget* widget) {
  widget->installEventFilter(this);
  for (QWidget* child : widget->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool CEditKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  // A key the focus widget leaves passes on to its parents, which may be
  // watched as well: it is handled once, where it arrived.
  if (watched != QApplication::focusWidget()) return false;
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (!IsFieldEditKey(key->key(), key->modifiers())) return false;
      // Accepted, the key comes to the widget as a plain key press.
      key->accept();
      return true;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      const bool down = event->type() == QEvent::KeyPress;
      if (key->key() == Qt::Key_Control) {
        if (m_toView && (down || !key->isAutoRepeat())) m_toView(VK_CONTROL, down, key->isAutoRepeat());
        return false;  // and the widget has it too
      }
      if (key->key() == Qt::Key_T && (key->modifiers() & Qt::ControlModifier)) {
        if (m_toView && (down || !key->isAutoRepeat())) m_toView('T', down, key->isAutoRepeat());
        return true;
      }
      return false;
    }
    default: return false;
  }
}
