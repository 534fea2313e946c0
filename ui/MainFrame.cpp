#include "view/TraceSettingsStore.h"
#include "ui/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QTreeWidget>

#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/MessageQueue.h"
#include "platform/StringTable.h"
#include "ui/AreaListBar.h"
#include "ui/CommandActions.h"
#include "ui/EditKeyFilter.h"
#include "ui/FrameCommands.h"
#include "ui/FrameLayout.h"
#include "ui/FrameStatusBar.h"
#include "ui/KeyLocks.h"
#include "ui/MainToolBar.h"
#include "ui/PropertyBar.h"
#include "ui/ToolBox.h"
#include "ui/UiText.h"
#include "ui/ViewPane.h"
#include "ui/ZorvaViewWidget.h"
#include "view/AreaList.h"
#include "view/CommandIds.h"
#include "view/ViewKeys.h"
#include "view/ViewPanel.h"
#include "view/ZorvaView.h"

namespace {

bool IsLockKey(int key) {
  switch (key) {
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Kana_Lock:
    case Qt::Key_Kana_Shift:
    case Qt::Key_Hiragana_Katakana:
    case Qt::Key_Eisu_toggle: return true;
    default: return false;
  }
}

}  // namespace

CMainFrame::CMainFrame(CZorvaDoc& doc, zorva::ISettingsStore* settings, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_settings(settings) {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const FramePlacement place = PlaceMainWindow(screen->availableGeometry());
    setGeometry(place.rect);
    m_bTallScreen = place.tallScreen;
  }

  m_statusBar = new CFrameStatusBar(this);
  setStatusBar(m_statusBar);

  m_actions = new CCommandActions(this);
  m_actions->onTriggered = [this](unsigned id) {
    // A command acts on the document as the panel shows it.
    m_propertyBar->ApplyPendingEdit();
    RouteCommand(id);
    UpdateCommandStates();
  };
  CreateMenus();

  m_toolBar = new CMainToolBar(*m_actions, this);
  m_toolBar->onZoomPicked = [this](unsigned id) {
    RouteCommand(id);
    UpdateCommandStates();
    FocusView();
  };
  addToolBar(Qt::TopToolBarArea, m_toolBar);
  m_toolBox = new CToolBox(*m_actions, this);
  m_toolBox->onToolDoubleClick = [this](ToolId id) {
    if (id == ID_TOOL_TRACE) {
      RouteCommand(ID_EDIT_TRACE_SETTINGS);
      UpdateCommandStates();
    }
  };
  m_toolBox->onCtrlKey = [this](bool down, bool repeat) {
    if (down) m_view->View().m_keys->OnKeyDown(VK_CONTROL, repeat);
    else m_view->View().m_keys->OnKeyUp(VK_CONTROL);
  };
  addToolBar(Qt::LeftToolBarArea, m_toolBox);

  // The property panel and below it the area list share the right column;
  // on a low screen the list starts hidden.
  m_propertyBar = new CPropertyBar(doc, this);
  addDockWidget(Qt::RightDockWidgetArea, m_propertyBar);
  m_areaList = new CAreaListBar(m_doc, this);
  addDockWidget(Qt::RightDockWidgetArea, m_areaList);
  m_areaList->setVisible(m_bTallScreen);
  m_areaList->onRowClicked = [this](int row, CArea* area) {
    m_view->View().m_panel->SelectFromList(row, area);
    FocusView();
  };
  m_areaList->contextActions = [this] {
    UpdateCommandStates();
    QList<QAction*> actions;
    for (unsigned id : {ID_AREA_TO_FRONT, ID_AREA_FORWARD, ID_AREA_BACKWARD, ID_AREA_TO_BACK})
      actions.append(m_actions->Action(id));
    return actions;
  };
  auto* keys = new CEditKeyFilter(
      [this](unsigned vk, bool down, bool repeat) {
        if (down) m_view->View().m_keys->OnKeyDown(vk, repeat);
        else m_view->View().m_keys->OnKeyUp(vk);
      },
      this);
  keys->Watch(m_areaList->List());
  keys->Watch(m_propertyBar);

  m_pane = new CViewPane(doc, *this, m_propertyBar, m_hRuler, m_vRuler, this);
  m_view = m_pane->View();
  if (m_settings) m_view->View().m_traceSettings = zorva::LoadTraceSettings(*m_settings);
  setCentralWidget(m_pane);
  m_propertyBar->onApply = [this](PanelChange change) { m_view->View().m_panel->Apply(change); };
  m_propertyBar->onReturnFocus = [this] { FocusView(); };
  m_propertyBar->onShown = [this] { m_view->View().m_panel->Refresh(); };

  m_frameCommands = std::make_unique<CFrameCommands>(*this);

  // Nothing runs at rest: the states follow the document's changes, the
  // frame's own (tools, rulers, zoom) and the keys.
  m_doc.AddListener(this);
  qApp->installEventFilter(this);

  RestoreLayout();
  UpdateTitle();
  UpdateCommandStates();
  RefreshKeyLocks();
  m_view->setFocus();
}

namespace {
// Where the window's layout is kept between runs, and the version of the
// dock arrangement saved (a layout of another version is not restored).
constexpr char kLayoutSection[] = "Layout";
constexpr int kLayoutVersion = 1;
}  // namespace

void CMainFrame::SaveLayout() {
  if (!m_settings) return;
  m_settings->WriteString(kLayoutSection, "Geometry", saveGeometry().toBase64().toStdString());
  m_settings->WriteString(kLayoutSection, "Docks", saveState(kLayoutVersion).toBase64().toStdString());
}

void CMainFrame::RestoreLayout() {
  if (!m_settings) return;
  const QByteArray geometry =
      QByteArray::fromBase64(QByteArray::fromStdString(m_settings->GetString(kLayoutSection, "Geometry", "")));
  const QByteArray docks =
      QByteArray::fromBase64(QByteArray::fromStdString(m_settings->GetString(kLayoutSection, "Docks", "")));
  // A stored layout that does not fit (another screen, a damaged entry)
  // leaves the window where the start-up rules put it.
  if (!geometry.isEmpty()) restoreGeometry(geometry);
  if (!docks.isEmpty()) restoreState(docks, kLayoutVersion);
}

CMainFrame::~CMainFrame() {
  // The view and the ruler windows refer to the rulers and the tool
  // selection, members that go before QWidget deletes the children.
  m_doc.RemoveListener(this);
  m_propertyBar->Detach();
  delete takeCentralWidget();
  m_pane = nullptr;
  m_view = nullptr;
}

QLabel* CMainFrame::StatusText() const { return m_statusBar->Text(); }
QProgressBar* CMainFrame::Progress() const { return m_statusBar->Progress(); }

CHelpSystem& CMainFrame::Help() const { return m_frameCommands->Help(); }

QAction* CMainFrame::CommandAction(unsigned id) const { return m_actions->Action(id); }

void CMainFrame::FocusView() { m_view->setFocus(Qt::OtherFocusReason); }

bool CMainFrame::RouteCommand(unsigned id) {
  const bool routed = RouteToTargets(id);
  // A command may have run a dialog that took the release of Ctrl or Space:
  // the tool box must not go on showing a temporary tool the next click
  // would not use.
  m_view->View().m_keys->EndReleasedTemporaryTool();
  return routed;
}

bool CMainFrame::RouteToTargets(unsigned id) {
  CZorvaView& view = m_view->View();
  if (view.OnCommand(id)) return true;
  // The targets act only on what their states say they handle; a disabled
  // command (a stale shortcut) is dropped here.
  const auto route = [&](ICommandTarget* t) {
    CCmdState state;
    if (!t->OnUpdateCommand(id, state)) return false;
    if (!state.enabled) return true;
    // Whatever the command replaces or writes, no working copy may be half made.
    view.CancelGesture();
    t->OnCommand(id);
    return true;
  };
  for (ICommandTarget* t : m_targets)
    if (route(t)) return true;
  return m_frameCommands && route(m_frameCommands.get());
}

bool CMainFrame::RouteUpdate(unsigned id, CCmdState& state) {
  if (m_view->View().OnUpdateCommand(id, state)) return true;
  for (ICommandTarget* t : m_targets)
    if (t->OnUpdateCommand(id, state)) return true;
  return m_frameCommands && m_frameCommands->OnUpdateCommand(id, state);
}

bool CMainFrame::RouteCommandText(unsigned id, std::string& text) {
  for (ICommandTarget* t : m_targets)
    if (t->GetCommandText(id, text)) return true;
  return false;
}

void CMainFrame::UpdateCommandStates() {
  // Every edit ends in a state update: the title's mark follows with it.
  setWindowModified(m_doc.IsModified());
  CCommandActions::Router router;
  router.update = [this](unsigned id, CCmdState& s) { return RouteUpdate(id, s); };
  router.text = [this](unsigned id, std::string& t) { return RouteCommandText(id, t); };
  m_actions->Update(router);
  bool anyRecent = false;
  for (unsigned id = ID_FILE_MRU_FIRST; id <= ID_FILE_MRU_LAST; ++id)
    anyRecent = anyRecent || m_actions->Action(id)->isVisible();
  m_recentSeparator->setVisible(anyRecent);
}

void CMainFrame::RequestCommandStates() {
  if (m_statesPending) return;
  m_statesPending = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        m_statesPending = false;
        UpdateCommandStates();
      },
      Qt::QueuedConnection);
}

void CMainFrame::RefreshKeyLocks() { m_statusBar->ShowKeyLocks(ReadKeyLocks()); }

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
      // The view's keys choose tools, cycle the picture display and hold
      // temporary tools without a command of the frame's.
      RequestCommandStates();
      // The light turns after the key; its release reads it turned.
      if (event->type() == QEvent::KeyRelease && IsLockKey(static_cast<QKeyEvent*>(event)->key()))
        RefreshKeyLocks();
      break;
    case QEvent::MouseButtonRelease: RequestCommandStates(); break;
    case QEvent::WindowActivate:
      // The locks may have turned while another window had the keyboard.
      if (watched == this) RefreshKeyLocks();
      break;
    default: break;
  }
  return QMainWindow::eventFilter(watched, event);
}

const CToolSelection& CMainFrame::Tools() const { return m_view->View().Tools(); }

bool CMainFrame::event(QEvent* event) {
  // Before a key is matched against the shortcuts, so a command enabled a
  // moment ago takes its key (a disabled action lets the key through).
  if (event->type() == QEvent::ShortcutOverride) UpdateCommandStates();
  // Keys let go in another window never reached the view.
  if (event->type() == QEvent::WindowActivate) m_view->View().m_keys->EndReleasedTemporaryTool();
  return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  m_view->View().CancelGesture();
  SaveLayout();
  QMainWindow::closeEvent(event);
}

void CMainFrame::ShowRulers(bool show) {
  m_pane->ShowRulers(show);
  RequestCommandStates();
}

void CMainFrame::SetZoomComboIndex(int index) {
  if (m_toolBar) m_toolBar->SetZoomIndex(index);
  RequestCommandStates();
}

void CMainFrame::SetStatusPane(int pane, const std::string& text) {
  if (pane == 1) m_statusBar->SetPointText(QString::fromStdString(text));
  // The message pane: a tool's word over the idle text until the next one
  // (or a command's prompt) replaces it; empty gives the idle text back.
  if (pane == 0) {
    if (text.empty()) m_statusBar->clearMessage();
    else m_statusBar->showMessage(QString::fromStdString(text));
  }
}

void CMainFrame::AreaListReset() {
  if (m_areaList) m_areaList->Reset();
}

void CMainFrame::AreaListRowInserted(int row) {
  if (m_areaList) m_areaList->RowInserted(row);
}

void CMainFrame::AreaListRowRemoved(int row) {
  if (m_areaList) m_areaList->RowRemoved(row);
}

void CMainFrame::AreaListRowChanged(int) {
  if (m_areaList) m_areaList->RowsChanged();
}

void CMainFrame::AreaListSelect(int row) {
  if (m_areaList) m_areaList->Select(row);
  RequestCommandStates();
}

void CMainFrame::OnViewMessage(const zorva::Message& message) {
  if (message.msg != zorva::UM_LOADNOTIFY) return;
  m_view->View().OnLoadNotify(message.wParam, message.lParam);
  RequestCommandStates();
}

void CMainFrame::UpdateTitle() {
  // The document keeps the untitled name in Japanese (a new page's title is
  // made from it); the window shows it in the interface's language.
  constexpr unsigned kUntitled = 61208;
  const bool untitled = m_doc.GetPathName().empty() && m_doc.GetTitle() == zorva::LoadStringCp932(kUntitled);
  QString docTitle = untitled ? UiText(kUntitled) : QString::fromStdString(zorva::Cp932ToUtf8(m_doc.GetTitle()));
  // "[*]" is where the window system shows unsaved changes ("*" here).
  docTitle.replace(QStringLiteral("[*]"), QStringLiteral("[**]"));
  setWindowTitle(docTitle + QStringLiteral("[*] - ") + UiText(57344));
  setWindowModified(m_doc.IsModified());
}
