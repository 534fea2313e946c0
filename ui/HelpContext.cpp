#include "ui/HelpContext.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVariant>
#include <QWidget>

#include "model/AreaTexts.h"
#include "platform/StringTable.h"
#include "platform/UiLanguage.h"
#include "ui/AreaListBar.h"
#include "ui/MainFrame.h"
#include "ui/MainToolBar.h"
#include "ui/RulerWidget.h"
#include "ui/ToolBox.h"
#include "ui/ViewPane.h"
#include "ui/ZorvaViewWidget.h"
#include "ui/PropertyBar.h"
#include "view/CommandIds.h"
#include "view/PanelFields.h"
#include "view/ToolTable.h"

#ifndef ZORVA_HELP_DIR_FROM_BIN
#define ZORVA_HELP_DIR_FROM_BIN "../share/zorva"
#endif

namespace {

constexpr char kHelpIdProperty[] = "helpId";
constexpr unsigned kNoHelpFileText = 65040;
constexpr unsigned kContextErrorText = 65042;

// `topic`: the command whose help explains the button, when not its own.
void TagButton(CMainFrame& frame, QToolBar* bar, unsigned command, unsigned topic = 0) {
  if (QAction* a = frame.CommandAction(command))
    if (QWidget* button = bar->widgetForAction(a)) SetHelpId(button, HelpCommandId(topic ? topic : command));
}

std::string Utf8(const QString& s) { return s.toStdString(); }

}  // namespace

void SetHelpId(QWidget* widget, unsigned contextId) {
  widget->setProperty(kHelpIdProperty, QVariant::fromValue(contextId));
}

unsigned HelpIdOf(const QWidget* widget) {
  const QVariant v = widget->property(kHelpIdProperty);
  return v.isValid() ? v.toUInt() : 0;
}

std::vector<unsigned> HelpContextChain(const QWidget* widget) {
  std::vector<unsigned> chain;
  for (const QWidget* w = widget; w; w = w->parentWidget())
    if (const unsigned id = HelpIdOf(w)) chain.push_back(id);
  return chain;
}

QString HelpKeyword(unsigned contextId) {
  return QStringLiteral("0x") + QString::number(contextId, 16).toUpper();
}

void TagFrameHelpIds(CMainFrame& frame) {
  SetHelpId(&frame, HelpResourceId(kMainFrameResource));
  SetHelpId(frame.MainToolBar(), HelpControlId(kMainToolBarId));
  SetHelpId(frame.ToolBox(), HelpControlId(kToolBoxBarId));
  SetHelpId(frame.AreaList(), HelpControlId(kAreaListBarId));
  SetHelpId(frame.AreaList()->List(), HelpControlId(kAreaListControlId));
  SetHelpId(frame.statusBar(), HelpControlId(kStatusBarId));
  SetHelpId(frame.View(), HelpControlId(kViewPaneId));
  SetHelpId(frame.ViewPane()->Ruler(false), HelpControlId(kHRulerId));
  SetHelpId(frame.ViewPane()->Ruler(true), HelpControlId(kVRulerId));
  SetHelpId(frame.ViewPane()->Corner(), HelpControlId(kRulerCornerId));
  for (const CToolDescriptor& tool : ToolTable())
    if (tool.icon) TagButton(frame, frame.ToolBox(), unsigned(tool.id), tool.helpCommand);
  for (unsigned id : kMainToolBarLayout)
    if (id != 0 && id != ID_ZOOM_COMBO) TagButton(frame, frame.MainToolBar(), id);
  SetHelpId(frame.MainToolBar()->ZoomCombo(), HelpCommandId(ID_ZOOM_COMBO));
  if (CPropertyBar* panel = frame.PropertyBar()) {
    SetHelpId(panel, HelpControlId(kPropertyBarId));
    std::vector<int> ids = {IDC_TYPE, IDC_CLOSED, IDC_POINTS, IDC_JAVASCRIPT};
    for (const CAreaText& t : kAreaTexts) ids.push_back(AreaTextControl(t.id));
    for (int id : ids)
      if (QWidget* control = panel->Control(id)) SetHelpId(control, HelpControlId(unsigned(id)));
  }
}

QString FindHelpCollection(const QString& programPath, const QString& dataDirFromProgram,
                           const QString& suffix) {
  const QFileInfo program(programPath);
  const QString name = program.completeBaseName() + suffix + QStringLiteral(".qhc");
  const QString beside = QDir(program.path()).filePath(name);
  if (QFileInfo::exists(beside)) return beside;
  const QString installed =
      QDir::cleanPath(QDir(program.path()).filePath(dataDirFromProgram + QLatin1Char('/') + name));
  if (QFileInfo::exists(installed)) return installed;
  return beside;
}

QString DefaultHelpCollection() {
  // The Japanese manual is the original; another language's has its code.
  const zorva::UiLanguage language = zorva::CurrentUiLanguage();
  const QString suffix = language == zorva::UiLanguage::Japanese
                             ? QString()
                             : QLatin1Char('_') + QLatin1String(zorva::LanguageCode(language));
  return FindHelpCollection(QCoreApplication::applicationFilePath(),
                            QStringLiteral(ZORVA_HELP_DIR_FROM_BIN), suffix);
}

QString NoHelpFileText(const QString& path) {
  return QString::fromStdString(zorva::FormatString(kNoHelpFileText, {Utf8(path)}));
}

QString ContextErrorText(const QString& path, unsigned contextId) {
  const unsigned low = contextId & 0xFFFF;
  return QString::fromStdString(zorva::FormatString(
      kContextErrorText, {Utf8(path), Utf8(QString::number(contextId & ~0xFFFFu, 16)),
                          Utf8(QStringLiteral("%1").arg(low, 4, 16, QLatin1Char('0'))),
                          Utf8(QString::number(low))}));
}
