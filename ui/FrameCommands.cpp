#include "ui/FrameCommands.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "html/HtmlPreview.h"
#include "platform/StringTable.h"
#include "ui/AreaListBar.h"
#include "ui/FrameStatusBar.h"
#include "ui/HtmlSettingsDlg.h"
#include "ui/MainFrame.h"
#include "ui/MainToolBar.h"
#include "ui/PropertyBar.h"
#include "ui/ToolBox.h"
#include "ui/UiText.h"
#include "ui/ZorvaViewWidget.h"
#include "view/ZorvaView.h"

namespace {
constexpr unsigned kNoHelpFileText = 65040;
}

QString HelpFilePath(const QString& programPath) {
  const QFileInfo info(programPath);
  const QString name = info.fileName();
  const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
  const QString stem = dot > 0 ? name.left(dot) : name;
  const QString dir = programPath.left(programPath.size() - name.size());
  return dir + stem + QStringLiteral(".qhc");
}

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
  if (id >= unsigned(ID_TOOL_ARROW) && id <= unsigned(ID_TOOL_ZOOM)) {
    state.enabled = id != unsigned(ID_TOOL_BEZIER);
    state.checked = unsigned(m_frame.GetCurrentTool()) == id;
    return true;
  }
  if (QWidget* bar = Bar(id)) {
    state.checked = !bar->isHidden();
    return true;
  }
  switch (id) {
    case ID_PALETTE_CHART:  // its dialog is not built yet
      state.enabled = false;
      return true;
    case ID_HTML_PREVIEW:
    case ID_APP_ABOUT:
    case ID_HELP_CONTENTS: return true;
    case ID_EDIT_PREFERENCES: return m_frame.m_settings != nullptr;
    default: return false;
  }
}

bool CFrameCommands::OnCommand(unsigned id) {
  CCmdState state;
  if (!OnUpdateCommand(id, state)) return false;
  if (!state.enabled) return true;
  CZorvaView& view = m_frame.m_view->View();
  if (id >= unsigned(ID_TOOL_ARROW) && id <= unsigned(ID_TOOL_ZOOM)) {
    // A gesture never passes from one tool to another.
    view.CancelGesture();
    m_frame.m_tools.ChooseTool(int(id));
    return true;
  }
  if (QWidget* bar = Bar(id)) {
    bar->setVisible(bar->isHidden());
    return true;
  }
  switch (id) {
    case ID_HTML_PREVIEW:
      // The preview shows what the panel holds, not only what was applied.
      view.OnApplyPanel(0, 0);
      zorva::html::ShowPreview(m_frame.m_doc);
      break;
    case ID_APP_ABOUT:
      QMessageBox::about(&m_frame, UiText(ID_APP_ABOUT).section(QLatin1Char('\n'), 1, 1),
                         UiText(57345));
      break;
    case ID_HELP_CONTENTS: ShowHelpContents(); break;
    case ID_EDIT_PREFERENCES: EditHtmlSettings(*m_frame.m_settings, &m_frame); break;
    default: break;
  }
  return true;
}

void CFrameCommands::ShowHelpContents() {
  const QString path = HelpFilePath(QCoreApplication::applicationFilePath());
  if (QFileInfo::exists(path)) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    return;
  }
  const std::string text = zorva::FormatString(kNoHelpFileText, {path.toStdString()});
  QMessageBox box(QMessageBox::Warning, UiText(57344), QString::fromStdString(text),
                  QMessageBox::Ok, &m_frame);
  box.exec();
}
