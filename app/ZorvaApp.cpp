#include "app/ZorvaApp.h"

#include "html/HtmlSettingsDefaults.h"
#include <QTimer>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "ui/ImageSelectDlg.h"
#include "ui/MainFrame.h"
#include "ui/ZorvaViewWidget.h"
#include "view/ZorvaView.h"

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
  m_pDoc->SetPictureLoader(&m_loader);
  m_pDoc->SetSettingsStore(&m_settings);
  if (!startFile.empty()) {
    // A name CP932 cannot hold cannot reach the model; start without it.
    if (auto cp = zorva::ModelPathFromFs(startFile)) m_pDoc->m_strStartFile = *cp;
  }
  m_pDoc->OnNewDocument();

  m_pMainFrame = std::make_unique<CMainFrame>(*m_pDoc, &m_settings);
  m_host.AttachFrame(m_pMainFrame.get(), m_pMainFrame->StatusText(), m_pMainFrame->Progress());
  m_host.SetImageChooser([this](const std::vector<std::string>& lines) {
    return ChooseImageModal(lines, m_pMainFrame.get());
  });
  m_host.SetViewHandler([this](const zorva::Message& m) {
    if (m_pMainFrame) m_pMainFrame->OnViewMessage(m);
  });
  m_pMainFrame->show();
  QTimer::singleShot(0, m_pMainFrame.get(), [this] { OnFirstShow(); });
  return true;
}

void CZorvaApp::OnFirstShow() {
  CZorvaDoc& doc = *m_pDoc;
  if (doc.m_bPictureLoaded || doc.m_strStartFile.empty()) return;
  const CString start = doc.m_strStartFile;
  if (!doc.OnOpenDocument(start)) doc.OnNewDocument();
  m_pMainFrame->UpdateTitle();
  m_pMainFrame->View()->View().OnUpdate();
}

int CZorvaApp::ExitInstance() { return 0; }
