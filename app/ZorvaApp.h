#pragma once
// The application object: opens the settings store, completes the HTML
// settings, creates the single document and the main window with its file
// commands.
#include <functional>
#include <memory>
#include <string>

#include "app/QtSettingsStore.h"
#include "app/RecoveryStart.h"
#include "image/PictureLoader.h"
#include "ui/GreetingDlg.h"
#include "ui/QtDocumentHost.h"
#include "model/ZorvaDoc.h"

class CAutosaver;
class CFileCommands;
class CMainFrame;
class IFileDialogs;

class CZorvaApp {
 public:
  CZorvaApp();
  ~CZorvaApp();

  // Replacements of the program's dialogs and its way to end, for tests; set
  // before InitInstance. A null dialogs object means the real file dialogs.
  void SetFileDialogs(IFileDialogs* dialogs) { m_pDialogsOverride = dialogs; }
  void SetExitHandler(std::function<void(int)> exit) { m_exit = std::move(exit); }
  void SetGreeting(std::function<GreetingChoice()> greeting) { m_greeting = std::move(greeting); }
  // The offer of work left by editors that ended without saving.
  void SetRecoveryChooser(RecoveryChooser choose) { m_recoveryChooser = std::move(choose); }

  // Start-up; `startFile` is the file named on the command line (UTF-8) or empty.
  bool InitInstance(const std::string& startFile);
  int ExitInstance();

  CZorvaDoc& Document() { return *m_pDoc; }
  CMainFrame* MainFrame() { return m_pMainFrame.get(); }
  zorva::ISettingsStore& SettingsStore() { return m_settings; }
  CQtDocumentHost& Host() { return m_host; }
  CAutosaver* Autosaver() { return m_pAutosaver.get(); }

 private:
  // The view's first showing: opens the file named on the command line, or
  // greets the user.
  void OnFirstShow();

  CQtSettingsStore m_settings;
  CQtDocumentHost m_host;
  CPictureLoader m_loader;
  std::unique_ptr<CZorvaDoc> m_pDoc;
  std::unique_ptr<CMainFrame> m_pMainFrame;
  std::unique_ptr<IFileDialogs> m_pDialogs;
  IFileDialogs* m_pDialogsOverride = nullptr;
  std::unique_ptr<CFileCommands> m_pCommands;
  std::function<void(int)> m_exit;
  std::function<GreetingChoice()> m_greeting;
  RecoveryChooser m_recoveryChooser;
  std::unique_ptr<CAutosaver> m_pAutosaver;
  std::string m_startFile;
};
