#include "app/ZorvaApp.h"

#include "html/HtmlSettingsDefaults.h"
#include <QStatusBar>
#include <QTimer>

#include "app/Autosaver.h"
#include "app/FileCommands.h"
#include "app/FileDialogs.h"
#include "app/FrameEvents.h"
#include "app/RecoveryFolder.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "ui/ImageSelectDlg.h"
#include "ui/MainFrame.h"
#include "ui/ZorvaViewWidget.h"
#include "view/ZorvaView.h"

CZorvaApp::CZorvaApp() = default;

CZorvaApp::~CZorvaApp() {
  // The document goes first (its loaders stop and stop reporting), then the
  // window that showed their progress, then the commands the window routed to.
  m_pAutosaver.reset();
  m_pDoc.reset();
  m_host.AttachFrame(nullptr, nullptr, nullptr);
  m_pMainFrame.reset();
  m_pCommands.reset();
}

bool CZorvaApp::InitInstance(const std::string& startFile) {
  zorva::CompleteHtmlSettings(m_settings);

  m_pDoc = std::make_unique<CZorvaDoc>(&m_host);
  m_pDoc->SetPictureLoader(&m_loader);
  m_pDoc->SetSettingsStore(&m_settings);
  m_startFile = startFile;
  if (!startFile.empty()) {
    // A name CP932 cannot hold cannot reach the model; the first showing
    // tells the user.
    if (auto cp = zorva::ModelPathFromFs(startFile)) m_pDoc->m_strStartFile = *cp;
  }
  m_pDoc->OnNewDocument();

  m_pMainFrame = std::make_unique<CMainFrame>(*m_pDoc, &m_settings);
  m_host.AttachFrame(m_pMainFrame.get(), m_pMainFrame->StatusText(), m_pMainFrame->Progress());
  m_host.SetImageChooser([this](const std::vector<ImageChoice>& images) {
    return ChooseImageModal(images, m_pMainFrame.get());
  });
  m_host.SetViewHandler([this](const zorva::Message& m) {
    if (m_pMainFrame) m_pMainFrame->OnViewMessage(m);
  });

  if (!m_pDialogsOverride) m_pDialogs = std::make_unique<CQtFileDialogs>(m_pMainFrame.get());
  m_pCommands = std::make_unique<CFileCommands>(
      *m_pDoc, *m_pMainFrame, m_pDialogsOverride ? *m_pDialogsOverride : *m_pDialogs, &m_settings);
  if (m_exit) m_pCommands->SetExitHandler(m_exit);
  if (m_greeting) m_pCommands->SetGreeting(m_greeting);
  m_pMainFrame->AddCommandTarget(m_pCommands.get());
  new CFrameEvents(*m_pMainFrame, *m_pCommands);  // owned by the frame

  m_pAutosaver = std::make_unique<CAutosaver>(
      *m_pDoc, &m_settings, RecoveryFolderPath(), [this](const QString& text) {
        if (m_pMainFrame) m_pMainFrame->statusBar()->showMessage(text, 30000);
      });

  m_pMainFrame->show();
  QTimer::singleShot(0, m_pMainFrame.get(), [this] { OnFirstShow(); });
  return true;
}

void CZorvaApp::OnFirstShow() {
  const RecoveryChooser choose = m_recoveryChooser ? m_recoveryChooser
      : [this](const std::vector<RecoveryOfferRow>& rows, const std::function<bool(size_t)>& discard) {
          return RunRecoveryOffer(rows, discard, m_pMainFrame.get());
        };
  if (OfferLeftWork(*m_pDoc, *m_pAutosaver, &m_settings, RecoveryFolderPath(), choose)) {
    m_pMainFrame->UpdateTitle();
    m_pMainFrame->View()->View().OnUpdate();
    return;
  }
  m_pCommands->OnFirstShow(m_startFile);
}

int CZorvaApp::ExitInstance() {
  // The event loop ended through a close the user approved: the work was
  // saved or thrown away on purpose.
  if (m_pAutosaver) m_pAutosaver->Finish();
  return 0;
}
