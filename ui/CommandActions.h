#pragma once
// One QAction per command id, shared by the menus, the toolbars and the
// keyboard: its accelerators come from the accelerator table, its status-bar
// prompt and tooltip from the command's string, its enabled and checked
// state from the frame's routing.
#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "ui/CommandTarget.h"

class QAction;
class QWidget;

class CCommandActions : public QObject {
  Q_OBJECT
 public:
  // The actions belong to `owner`, which also carries their shortcuts so the
  // keys work whichever bars are shown.
  explicit CCommandActions(QWidget* owner);

  // The action of `id`, made on first use with the menu text `text`; `icon`
  // is a resource path, or null.
  QAction* Add(unsigned id, const QString& text, bool checkable = false, const char* icon = nullptr);
  // An action whose text comes from the routing (the recent files); hidden
  // while it has none.
  QAction* AddDynamic(unsigned id);
  QAction* Action(unsigned id) const;

  struct Router {
    std::function<bool(unsigned, CCmdState&)> update;
    std::function<bool(unsigned, std::string&)> text;
  };
  // Gives every action the state its handler reports; a command nobody
  // handles is disabled.
  void Update(const Router& router);

  // Called with the id of a triggered action.
  std::function<void(unsigned)> onTriggered;

 private:
  QWidget* m_owner;
  std::map<unsigned, QAction*> m_actions;
  std::set<unsigned> m_dynamic;
};

// The accelerators of `id`, in the table's order (the first is the one menus show).
QList<QKeySequence> AcceleratorKeys(unsigned id);
