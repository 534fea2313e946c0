#include "ui/MainFrame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>

#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/StringTable.h"

namespace {
QString Ui(unsigned id) { return QString::fromStdString(zorva::LoadStringUtf8(id)); }
}  // namespace

CMainFrame::CMainFrame(CZorvaDoc& doc, QWidget* parent) : QMainWindow(parent), m_doc(doc) {
  // At most 800 x 600, centred in the screen's work area.
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect work = screen->availableGeometry();
    int w = std::min(work.width(), 800), h = std::min(work.height(), 600);
    setGeometry(work.left() + (work.width() - w) / 2, work.top() + (work.height() - h) / 2, w, h);
  }
  // Pane 0 holds the idle text or the progress text with the bar beside it.
  m_statusText = new QLabel(Ui(57345), this);
  m_progress = new QProgressBar(this);
  m_progress->setRange(0, 100);
  m_progress->setFixedWidth(100);
  m_progress->hide();
  statusBar()->addWidget(m_statusText);
  statusBar()->addWidget(m_progress);
  UpdateTitle();
}

void CMainFrame::UpdateTitle() {
  QString docTitle = QString::fromStdString(zorva::Cp932ToUtf8(m_doc.GetTitle()));
  setWindowTitle(docTitle + QStringLiteral(" - ") + Ui(57344));
}
