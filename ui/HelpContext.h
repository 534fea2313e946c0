#pragma once
// Context help: which topic of the manual belongs to a widget, where the help
// files are, and the two messages of a help request that cannot be served.
//
// A context id is a base plus a 16-bit number: a command (a toolbar or tool
// box button) is kHelpCommandBase + its command id, a window made from a
// numbered resource (the main frame, a dialog) kHelpResourceBase + that
// number, a control or bar kHelpControlBase + its control id. The manual's
// help project names each topic's context id as the id of an index keyword
// (HelpKeyword).
#include <QString>
#include <vector>

class CMainFrame;
class QWidget;

constexpr unsigned kHelpCommandBase = 0x10000;
constexpr unsigned kHelpResourceBase = 0x20000;
constexpr unsigned kHelpControlBase = 0x50000;

// Control ids of the frame's windows, as their context ids use them.
constexpr unsigned kMainFrameResource = 128;
constexpr unsigned kToolBoxBarId = 192;
constexpr unsigned kMainToolBarId = 193;
constexpr unsigned kPropertyBarId = 140;
constexpr unsigned kAreaListBarId = 197;
constexpr unsigned kAreaListControlId = 1043;
constexpr unsigned kStatusBarId = 59393;
constexpr unsigned kViewPaneId = 59648;
constexpr unsigned kHRulerId = 59649;
constexpr unsigned kVRulerId = 59650;
constexpr unsigned kRulerCornerId = 59651;

constexpr unsigned HelpCommandId(unsigned command) { return kHelpCommandBase + command; }
constexpr unsigned HelpResourceId(unsigned resource) { return kHelpResourceBase + resource; }
constexpr unsigned HelpControlId(unsigned control) { return kHelpControlBase + control; }

// Gives `widget` its context id (kept in the dynamic property "helpId").
void SetHelpId(QWidget* widget, unsigned contextId);
// The context id of `widget`, 0 when it has none.
unsigned HelpIdOf(const QWidget* widget);
// The context ids of `widget` and of each of its parents (a floating bar's
// too), nearest first; widgets without one are passed over.
std::vector<unsigned> HelpContextChain(const QWidget* widget);

// The identifier the help project gives the topic of `contextId`: "0x503F2".
QString HelpKeyword(unsigned contextId);

// Gives the frame's windows, bars and buttons their context ids.
void TagFrameHelpIds(CMainFrame& frame);

// The help collection of the program at `programPath`: its path with the
// extension ".qhc" beside the program, else the file of that name in the
// installed data folder (`dataDirFromProgram`, relative to the program's
// folder). When neither exists, the path beside the program. `suffix` goes
// between the name and ".qhc" ("_en": the English manual).
QString FindHelpCollection(const QString& programPath, const QString& dataDirFromProgram,
                           const QString& suffix = QString());
// The same for the running program, the folder it was installed with and the
// interface's language (zorva_en.qhc for English, zorva.qhc for Japanese).
QString DefaultHelpCollection();

// "Not Exist Html Help File ..." naming `path`.
QString NoHelpFileText(const QString& path);
// "Error Context ID ..." naming `path` and `contextId`, split into its base
// and its low 16 bits (in hexadecimal and decimal).
QString ContextErrorText(const QString& path, unsigned contextId);
