#include "app/ZorvaApp.h"

#include "html/HtmlSettingsDefaults.h"
#include "platform/CodePage.h"
#include "ui/MainFrame.h"

CZorvaApp::CZorvaApp() = default;

CZorvaApp::~CZorvaApp() {
  // The window goes first: it refers to the document.
  m_pMainFrame.reset();
  m_pDoc.reset();
}

bool CZorvaApp::InitInstance(const std::string& startFile) {
  zorva::CompleteHtmlSettings(m_settings);

  m_pDoc = std::make_unique<CZorvaDoc>();
  if (!startFile.empty()) {
    // A name CP932 cannot hold cannot reach the model; start without it.
    if (auto cp = zorva::Utf8ToCp932(startFile)) m_pDoc->m_strStartFile = *cp;
  }
  m_pDoc->OnNewDocument();

  m_pMainFrame = std::make_unique<CMainFrame>(*m_pDoc);
  m_pMainFrame->show();
  return true;
}

int CZorvaApp::ExitInstance() { return 0; }
