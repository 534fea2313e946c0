#pragma once
// The main frame window: the menus and toolbars with one action per command,
// routed to the view, the added command targets and the frame itself; the
// tool box; the view with its rulers; the area list; the status bar. It is
// the frame side of the view (IViewFrame).
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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

class CMainFrame : public QMainWindow, public IViewFrame {
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
  // when a menu opens, before a key is matched, and shortly after the event
  // loop goes idle.
  void UpdateCommandStates();

  CMainToolBar* MainToolBar() const { return m_toolBar; }
  CToolBox* ToolBox() const { return m_toolBox; }
  CAreaListBar* AreaList() const { return m_areaList; }
  CPropertyBar* PropertyBar() const { return m_propertyBar; }
  CViewPane* ViewPane() const { return m_pane; }
  const CToolSelection& Tools() const { return m_tools; }
  // The help requests (Help menu, F1) and the manual they open.
  CHelpSystem& Help() const;

  // --- IViewFrame ---
  ToolId GetCurrentTool() override { return m_tools.GetCurrentTool(); }
  void SetCurrentTool(ToolId code) override { m_tools.SetCurrentTool(code); }
  void SelectTool(ToolId code) override { m_tools.SelectTool(code); }
  CRuler* GetRuler(bool vertical) override { return vertical ? &m_vRuler : &m_hRuler; }
  void ShowRulers(bool show) override;
  void SetZoomComboIndex(int index) override;
  void SetStatusPane(int pane, const std::string& text) override;
  void RebuildAreaList() override;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class CFrameCommands;

  void CreateMenus();
  bool RouteToTargets(unsigned id);
  // The docks, bars and window geometry, kept in the settings store.
  void SaveLayout();
  void RestoreLayout();
  QMenu* AddMenu(const char* title, std::initializer_list<unsigned> ids);
  void OnIdle();
  void FocusView();

  CZorvaDoc& m_doc;
  zorva::ISettingsStore* m_settings;
  bool m_bTallScreen = false;
  CToolSelection m_tools;
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
  // The idle refresh: started when the loop goes idle, so a burst of events
  // costs one refresh; its own wake-up does not start another.
  QTimer m_idleTimer;
  bool m_idleRefreshed = false;
  QElapsedTimer m_sinceKeyLocks;
};
