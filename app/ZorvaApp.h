#pragma once
// The application object: opens the settings store, completes the HTML
// settings, creates the single document and the main window.
#include <memory>
#include <string>

#include "app/QtSettingsStore.h"
#include "ui/QtDocumentHost.h"
#include "model/ZorvaDoc.h"

class CMainFrame;

class CZorvaApp {
 public:
  CZorvaApp();
  ~CZorvaApp();

  // Start-up; `startFile` is the file named on the command line (UTF-8) or empty.
  bool InitInstance(const std::string& startFile);
  int ExitInstance();

  CZorvaDoc& Document() { return *m_pDoc; }
  CMainFrame* MainFrame() { return m_pMainFrame.get(); }
  zorva::ISettingsStore& SettingsStore() { return m_settings; }
  CQtDocumentHost& Host() { return m_host; }

 private:
  CQtSettingsStore m_settings;
  CQtDocumentHost m_host;
  std::unique_ptr<CZorvaDoc> m_pDoc;
  std::unique_ptr<CMainFrame> m_pMainFrame;
};
