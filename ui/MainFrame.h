#pragma once
// The main frame window: menus routed to the editing view, the status bar,
// and the frame side of the view (tools, rulers, zoom box, status pane).
#include <QMainWindow>

#include "view/Ruler.h"
#include "view/ToolSelection.h"
#include "view/ViewHost.h"
#include "ui/CommandTarget.h"

#include <vector>

class CZorvaDoc;
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class CZorvaViewWidget;
namespace zorva {
struct Message;
class ISettingsStore;
}

class CMainFrame : public QMainWindow, public IViewFrame {
  Q_OBJECT
 public:
  // `settings` holds the HTML output choices that the preferences command edits.
  CMainFrame(CZorvaDoc& doc, zorva::ISettingsStore* settings, QWidget* parent = nullptr);

  // "<document title> - ZORVA", as the frame shows it.
  void UpdateTitle();

  QLabel* StatusText() const { return m_statusText; }
  QProgressBar* Progress() const { return m_progress; }
  CZorvaViewWidget* View() const { return m_view; }

  // A message posted to the editing view (loader notifications).
  void OnViewMessage(const zorva::Message& message);

  // Adds a handler of commands after the view's, in routing order (the
  // document's file commands, then the application's).
  void AddCommandTarget(ICommandTarget* target) { m_targets.push_back(target); }
  // Runs `id` through the routing: the first target that knows it.
  bool RouteCommand(unsigned id);
  bool RouteUpdate(unsigned id, CCmdState& state);

  // --- IViewFrame ---
  int GetCurrentTool() override { return m_tools.GetCurrentTool(); }
  void SetCurrentTool(int code) override { m_tools.SetCurrentTool(code); }
  void SelectTool(int code) override { m_tools.SelectTool(code); }
  CRuler* GetRuler(bool vertical) override { return vertical ? &m_vRuler : &m_hRuler; }
  void ShowRulers(bool) override {}
  void SetZoomComboIndex(int) override {}
  void SetStatusPane(int pane, const std::string& text) override;
  void RebuildAreaList() override {}

 private:
  // A menu item that sends command `id` to the view, with its accelerators.
  QAction* AddCommand(QMenu* menu, unsigned id, const char* text, bool checkable = false);
  void CreateMenus();

  CZorvaDoc& m_doc;
  zorva::ISettingsStore* m_settings;
  CToolSelection m_tools;
  CRuler m_hRuler{false};
  CRuler m_vRuler{true};
  QLabel* m_statusText = nullptr;
  QLabel* m_statusPoint = nullptr;
  QProgressBar* m_progress = nullptr;
  CZorvaViewWidget* m_view = nullptr;
  std::vector<ICommandTarget*> m_targets;
};
