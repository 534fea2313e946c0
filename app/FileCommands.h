#pragma once
// The file commands: New (from a picture), Open, Save, Save As, Clear all,
// the recent files, Exit, the preferences, and the ways a file arrives
// without a command (dropped on the window, named at start-up). Every
// command that would replace a modified document asks first (SaveModified).
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/RecentFileList.h"
#include "platform/Types.h"
#include "ui/CommandTarget.h"
#include "ui/GreetingDlg.h"
#include "view/CommandIds.h"

class CMainFrame;
class CZorvaDoc;
class IFileDialogs;
namespace zorva {
class ISettingsStore;
}

class CFileCommands : public ICommandTarget {
 public:
  // Command ids beyond the view's: the recent files.
  static constexpr unsigned kRecentFirst = ID_FILE_MRU_FIRST;
  static constexpr unsigned kRecentLast = kRecentFirst + CRecentFileList::kSize - 1;
  static_assert(kRecentLast == ID_FILE_MRU_LAST);

  // `settings` holds the recent files and the HTML output choices; may be null.
  CFileCommands(CZorvaDoc& doc, CMainFrame& frame, IFileDialogs& dialogs,
                zorva::ISettingsStore* settings);

  // How the program ends when it has no picture to work on (the greeting or
  // the first file choice cancelled). By default the event loop ends with it.
  void SetExitHandler(std::function<void(int)> exit) { m_exit = std::move(exit); }
  // The greeting at start-up; by default the modal CGreetingDlg.
  void SetGreeting(std::function<GreetingChoice()> greeting) { m_greeting = std::move(greeting); }

  bool OnCommand(unsigned id) override;
  bool OnUpdateCommand(unsigned id, CCmdState& state) override;
  bool GetCommandText(unsigned id, std::string& text) override;

  // Asks to save a modified document: true when the caller may go on (saved,
  // or the user chose not to save); false on Cancel and when the save did not
  // happen, so the unsaved work is never thrown away.
  bool SaveModified();

  // The view's first showing: opens the file named at start-up (`startFile`,
  // UTF-8, as the command line gave it) or greets the user.
  void OnFirstShow(const std::string& startFile);

  // Files dropped on the main window (UTF-8 paths), opened one after another.
  void OpenDroppedFiles(const std::vector<std::string>& paths);

  // The window is about to close: true when it may.
  bool QueryClose();

  CRecentFileList& RecentFiles() { return m_recent; }

 private:
  enum class OpenResult { Opened, AlreadyOpen, Stopped, Failed };

  void OnFileNew();
  void OnFileOpen();
  bool OnFileSave();
  bool OnFileSaveAs();
  // Writes the responsive page under a name the user chooses; the document
  // keeps its name and its unsaved state, as the page is not read back.
  void OnFileExportSvg();
  void OnEditClearAll();
  void OnRecentFile(size_t index);
  void OnAppExit();

  // The open of one path shared by the recent files, drops and the start-up
  // file: the path becomes the document path and goes to the top of the list.
  OpenResult OpenFile(const CString& path);
  // The document's open plus what a failure must undo.
  bool OpenDocument(const CString& path);
  // Saves under a name the user chose: a project file or a page by its ending.
  bool SaveUnder(const std::string& chosen);
  bool WritePage(const CString& path);
  // The model's form of a path from a dialog or the desktop; reports a name
  // the model cannot hold.
  std::optional<CString> ModelPath(const std::string& utf8Path);

  void PostCommand(unsigned id);
  void ActivateWindow();
  void CancelGesture();
  // The document was replaced, cleared or renamed: title and view follow.
  void DocumentChanged();
  // New or Open ended without a file while no picture is shown.
  void EndWithoutPicture();

  CZorvaDoc& m_doc;
  CMainFrame& m_frame;
  IFileDialogs& m_dialogs;
  CRecentFileList m_recent;
  std::function<void(int)> m_exit;
  std::function<GreetingChoice()> m_greeting;
  bool m_closeApproved = false;
  // The open dialog comes back after a failed open; the save question was
  // answered for it already.
  bool m_saveQuestionAnswered = false;
};
