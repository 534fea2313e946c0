#include "ui/CommandActions.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QKeySequence>
#include <QWidget>

#include "ui/UiText.h"
#include "view/Accelerators.h"
#include "view/ViewHost.h"

namespace {

QKeySequence KeyOf(const Accelerator& a) {
  int key = 0;
  if (a.vk >= '0' && a.vk <= '9') key = Qt::Key_0 + int(a.vk - '0');
  else if (a.vk >= 'A' && a.vk <= 'Z') key = Qt::Key_A + int(a.vk - 'A');
  else if (a.vk == VK_DELETE) key = Qt::Key_Delete;
  else if (a.vk == VK_BACK) key = Qt::Key_Backspace;
  else if (a.vk == VK_INSERT) key = Qt::Key_Insert;
  else if (a.vk == VK_F6) key = Qt::Key_F6;
  else if (a.vk == VK_OEM_4) key = Qt::Key_BracketLeft;
  else if (a.vk == VK_OEM_6) key = Qt::Key_BracketRight;
  int mods = 0;
  if (a.mods & kModShift) mods |= Qt::SHIFT;
  if (a.mods & kModCtrl) mods |= Qt::CTRL;
  if (a.mods & kModAlt) mods |= Qt::ALT;
  return QKeySequence(key | mods);
}

}  // namespace

QList<QKeySequence> AcceleratorKeys(unsigned id) {
  QList<QKeySequence> keys;
  int count = 0;
  const Accelerator* table = AcceleratorTable(&count);
  for (int i = 0; i < count; ++i)
    if (table[i].command == id) {
      keys.append(KeyOf(table[i]));
      // With Shift a bracket key types a brace on most keyboards, and that
      // is the key the shortcut sees.
      if (table[i].mods & kModShift) {
        const int mods = (table[i].mods & kModCtrl ? int(Qt::CTRL) : 0) | int(Qt::SHIFT);
        if (table[i].vk == VK_OEM_4) keys.append(QKeySequence(Qt::Key_BraceLeft | mods));
        if (table[i].vk == VK_OEM_6) keys.append(QKeySequence(Qt::Key_BraceRight | mods));
      }
    }
  return keys;
}

CCommandActions::CCommandActions(QWidget* owner) : QObject(owner), m_owner(owner) {}

QAction* CCommandActions::Add(unsigned id, const QString& text, bool checkable, const char* icon) {
  if (QAction* existing = Action(id)) return existing;
  auto* a = new QAction(text, m_owner);
  a->setShortcuts(AcceleratorKeys(id));
  // The command's string: the prompt before the line break, the tooltip after it.
  const QString help = UiText(id);
  a->setStatusTip(help.section(QLatin1Char('\n'), 0, 0));
  const QString tip = help.section(QLatin1Char('\n'), 1, 1);
  if (!tip.isEmpty()) {
    a->setToolTip(tip);
    a->setIconText(tip);
  }
  if (icon) {
    const QString path = QString::fromUtf8(icon);
    if (QFile::exists(path)) a->setIcon(QIcon(path));
  }
  a->setCheckable(checkable);
  m_owner->addAction(a);
  connect(a, &QAction::triggered, this, [this, id] {
    if (onTriggered) onTriggered(id);
  });
  m_actions[id] = a;
  return a;
}

QAction* CCommandActions::AddDynamic(unsigned id) {
  QAction* a = Add(id, QString());
  a->setVisible(false);
  m_dynamic.insert(id);
  return a;
}

QAction* CCommandActions::Action(unsigned id) const {
  auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

void CCommandActions::Update(const Router& router) {
  for (const auto& [id, a] : m_actions) {
    if (m_dynamic.count(id)) {
      std::string text;
      const bool has = router.text && router.text(id, text) && !text.empty();
      if (has) {
        const QString t = QString::fromStdString(text);
        if (a->text() != t) a->setText(t);
      }
      a->setVisible(has);
    }
    CCmdState state;
    const bool known = router.update && router.update(id, state);
    a->setEnabled(known && state.enabled);
    if (a->isCheckable()) a->setChecked(known && state.checked);
  }
}
