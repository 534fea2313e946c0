#include "app/ZorvaApp.h"

#include "html/HtmlSettingsDefaults.h"
#include "platform/CodePage.h"
#include "ui/MainFrame.h"

CZorvaApp::CZorvaApp() = default;

CZorvaApp::~CZorvaApp() {
  // The document goes first (its loaders stop and stop reporting), then the
  // window that showed their progress.
  m_pDoc.reset();
  m_host.AttachFrame(nullptr, nullptr, nullptr);
  m_pMainFrame.reset();
}

bool CZorvaApp::InitInstance(const std::string& startFile) {
  zorva::CompleteHtmlSettings(m_settings);

  m_pDoc = std::make_unique<CZorvaDoc>(&m_host);
  if (!startFile.empty()) {
    // A name CP932 cannot hold cannot reach the model; start without it.
    if (auto cp = zorva::Utf8ToCp932(startFile)) m_pDoc->m_strStartFile = *cp;
  }
  m_pDoc->OnNewDocument();

  m_pMainFrame = std::make_unique<CMainFrame>(*m_pDoc);
  m_host.AttachFrame(m_pMainFrame.get(), m_pMainFrame->StatusText(), m_pMainFrame->Progress());
  m_host.SetViewHandler([this](const zorva::Message& m) {
    if (m_pMainFrame) m_pMainFrame->OnViewMessage(m);
  });
  m_pMainFrame->show();
  return true;
}

int CZorvaApp::ExitInstance() { return 0; }
