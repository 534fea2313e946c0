#pragma once
// The main frame window: the menus and toolbars with one action per command,
// routed to the view, the added command targets and the frame itself; the
// tool box; the view with its rulers; the area list; the status bar. It is
// the frame side of the view (IViewFrame).
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/DocumentListener.h"
#include "ui/CommandTarget.h"
#include "view/Ruler.h"
#include "view/ToolSelection.h"
#include "view/ViewHost.h"

class CZorvaDoc;
class CAreaListBar;
class CCommandActions;
class CFrameCommands;
class CFrameStatusBar;
class CHelpSystem;
class CMainToolBar;
class CPropertyBar;
class CToolBox;
class CViewPane;
class CZorvaViewWidget;
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
namespace zorva {
struct Message;
class ISettingsStore;
}  // namespace zorva

class CMainFrame : public QMainWindow, public IViewFrame, private IDocumentListener {
  Q_OBJECT
 public:
  // `settings` holds the HTML output choices that the preferences command edits.
  CMainFrame(CZorvaDoc& doc, zorva::ISettingsStore* settings, QWidget* parent = nullptr);
  ~CMainFrame() override;

  // "<document title> - ZORVA", as the frame shows it.
  void UpdateTitle();

  QLabel* StatusText() const;
  QProgressBar* Progress() const;
  CZorvaViewWidget* View() const { return m_view; }

  // A message posted to the editing view (loader notifications).
  void OnViewMessage(const zorva::Message& message);

  // Adds a handler of commands after the view's, in routing order (the
  // document's file commands, then the application's). The frame's own
  // commands are tried after all of them.
  void AddCommandTarget(ICommandTarget* target) { m_targets.push_back(target); }
  // Runs `id` through the routing: the first target that knows it. A command
  // its handler reports disabled is ignored; one for a target after the view
  // first ends a running gesture, as the view's own commands do.
  bool RouteCommand(unsigned id);
  bool RouteUpdate(unsigned id, CCmdState& state);
  bool RouteCommandText(unsigned id, std::string& text);

  // The action of command `id` (menus, toolbars and keys share it), or null.
  QAction* CommandAction(unsigned id) const;
  // Brings every action's enabled, checked and text state up to date; runs
  // when a menu opens, before a key is matched, after a command, and once
  // after whatever the states depend on changed (RequestCommandStates).
  void UpdateCommandStates();
  // Something the command states depend on changed: they are brought up to
  // date once the present event is handled, however many changes it made.
  void RequestCommandStates();
  // The keyboard's lock lights into the status bar (on a lock key and when
  // the window becomes active: nothing reads them at rest).
  void RefreshKeyLocks();

  CMainToolBar* MainToolBar() const { return m_toolBar; }
  CToolBox* ToolBox() const { return m_toolBox; }
  CAreaListBar* AreaList() const { return m_areaList; }
  CPropertyBar* PropertyBar() const { return m_propertyBar; }
  CViewPane* ViewPane() const { return m_pane; }
  // The view's tools (current and chosen).
  const CToolSelection& Tools() const;
  ToolId GetCurrentTool() const { return Tools().GetCurrentTool(); }
  // The help requests (Help menu, F1) and the manual they open.
  CHelpSystem& Help() const;

  // --- IViewFrame ---
  void ToolChanged(ToolId, ToolId) override { RequestCommandStates(); }
  CRuler* GetRuler(bool vertical) override { return vertical ? &m_vRuler : &m_hRuler; }
  void ShowRulers(bool show) override;
  void SetZoomComboIndex(int index) override;
  void SetStatusPane(int pane, const std::string& text) override;
  void AreaListReset() override;
  void AreaListRowInserted(int row) override;
  void AreaListRowRemoved(int row) override;
  void AreaListRowChanged(int row) override;
  void AreaListSelect(int row) override;

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class CFrameCommands;

  void CreateMenus();
  bool RouteToTargets(unsigned id);
  // The docks, bars and window geometry, kept in the settings store.
  void SaveLayout();
  void RestoreLayout();
  QMenu* AddMenu(const char* title, std::initializer_list<unsigned> ids);
  // --- IDocumentListener: what the states and the title follow ---
  void HistoryChanged() override { RequestCommandStates(); }
  void SelectionChanged(const CArea*, const CArea*) override { RequestCommandStates(); }
  void DocumentReset() override { RequestCommandStates(); }
  void FocusView();

  CZorvaDoc& m_doc;
  zorva::ISettingsStore* m_settings;
  bool m_bTallScreen = false;
  CRuler m_hRuler{false};
  CRuler m_vRuler{true};
  CCommandActions* m_actions = nullptr;
  CFrameStatusBar* m_statusBar = nullptr;
  CMainToolBar* m_toolBar = nullptr;
  CToolBox* m_toolBox = nullptr;
  CPropertyBar* m_propertyBar = nullptr;
  CAreaListBar* m_areaList = nullptr;
  CViewPane* m_pane = nullptr;
  CZorvaViewWidget* m_view = nullptr;
  QAction* m_recentSeparator = nullptr;
  std::vector<ICommandTarget*> m_targets;
  std::unique_ptr<CFrameCommands> m_frameCommands;
  // A refresh of the command states is queued and not yet run.
  bool m_statesPending = false;
};
