#include "ui/FrameCommands.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QWhatsThis>

#include "html/HtmlPreview.h"
#include "ui/AboutDlg.h"
#include "ui/AreaListBar.h"
#include "ui/FrameStatusBar.h"
#include "ui/HelpContext.h"
#include "ui/HelpSystem.h"
#include "ui/HtmlSettingsDlg.h"
#include "ui/MainFrame.h"
#include "ui/MainToolBar.h"
#include "ui/PaletteChartDlg.h"
#include "ui/PropertyBar.h"
#include "ui/ToolBox.h"
#include "ui/TraceSettingsDlg.h"
#include "ui/ZorvaViewWidget.h"
#include "view/CommandIds.h"
#include "view/ToolTable.h"
#include "view/TraceSettingsStore.h"
#include "view/ViewPanel.h"
#include "view/ZorvaView.h"

CFrameCommands::CFrameCommands(CMainFrame& frame)
    : m_frame(frame), m_help(std::make_unique<CHelpSystem>(DefaultHelpCollection(), &frame)) {
  TagFrameHelpIds(frame);
  auto* f1 = new QAction(&frame);
  f1->setShortcut(QKeySequence(Qt::Key_F1));
  frame.addAction(f1);
  QObject::connect(f1, &QAction::triggered, &frame, [this] { ShowContextHelp(); });
}

CFrameCommands::~CFrameCommands() = default;

QWidget* CFrameCommands::Bar(unsigned id) const {
  switch (id) {
    case ID_VIEW_TOOLBAR: return m_frame.m_toolBar;
    case ID_VIEW_TOOLBOX: return m_frame.m_toolBox;
    case ID_VIEW_PROPERTY: return m_frame.m_propertyBar;
    case ID_VIEW_AREALIST: return m_frame.m_areaList;
    case ID_VIEW_STATUS_BAR: return m_frame.m_statusBar;
    default: return nullptr;
  }
}

bool CFrameCommands::OnUpdateCommand(unsigned id, CCmdState& state) {
  state = CCmdState{};
  if (const CToolDescriptor* tool = FindTool(ToolId(id))) {
    state.enabled = tool->CanBeChosen();
    state.checked = unsigned(m_frame.GetCurrentTool()) == id;
    return true;
  }
  if (QWidget* bar = Bar(id)) {
    state.checked = !bar->isHidden();
    return true;
  }
  switch (id) {
    case ID_PALETTE_CHART:
    case ID_HTML_PREVIEW:
    case ID_APP_ABOUT:
    case ID_HELP_CONTENTS: return true;
    case ID_EDIT_PREFERENCES: return m_frame.m_settings != nullptr;
    case ID_EDIT_TRACE_SETTINGS: return true;
    default: return false;
  }
}

bool CFrameCommands::OnCommand(unsigned id) {
  // The frame's routing has checked the command's state and ended any gesture
  // (one never passes from one tool to another).
  CZorvaView& view = m_frame.m_view->View();
  if (const CToolDescriptor* tool = FindTool(ToolId(id)); tool && tool->CanBeChosen()) {
    view.ChooseTool(tool->id);
    return true;
  }
  if (QWidget* bar = Bar(id)) {
    bar->setVisible(bar->isHidden());
    return true;
  }
  switch (id) {
    case ID_HTML_PREVIEW:
      // The preview shows what the panel holds, not only what was applied.
      view.m_panel->Apply(PanelChange::Edit);
      zorva::html::ShowPreview(m_frame.m_doc);
      break;
    case ID_PALETTE_CHART: {
      CPaletteChartDlg dlg(m_frame.m_doc, &m_frame);
      dlg.exec();
      break;
    }
    case ID_APP_ABOUT: {
      CAboutDlg dlg(&m_frame);
      dlg.exec();
      break;
    }
    case ID_HELP_CONTENTS:
      EndModes();
      m_help->ShowContents();
      break;
    case ID_EDIT_PREFERENCES: EditHtmlSettings(*m_frame.m_settings, &m_frame); break;
    case ID_EDIT_TRACE_SETTINGS: {
      CTraceSettingsDlg dlg(view.m_traceSettings, &m_frame);
      if (dlg.exec() != QDialog::Accepted) break;
      view.m_traceSettings = dlg.Settings();
      if (m_frame.m_settings) zorva::StoreTraceSettings(*m_frame.m_settings, view.m_traceSettings);
      break;
    }
    default: break;
  }
  return true;
}

void CFrameCommands::EndModes() {
  QWhatsThis::leaveWhatsThisMode();
  m_frame.m_view->View().CancelGesture();
}

void CFrameCommands::ShowContextHelp() {
  EndModes();
  // The frame's own windows include its floating bars.
  auto inFrame = [this](const QWidget* w) {
    while (w && w != &m_frame) w = w->parentWidget();
    return w != nullptr;
  };
  QWidget* target = QApplication::widgetAt(QCursor::pos());
  if (!inFrame(target)) target = QApplication::focusWidget();
  if (!inFrame(target)) target = &m_frame;
  m_help->ShowContext(target);
}
