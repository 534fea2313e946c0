#include "ui/MainFrame.h"

#include <QGuiApplication>
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
  statusBar()->showMessage(Ui(57345));
  UpdateTitle();
}

void CMainFrame::UpdateTitle() {
  QString docTitle = QString::fromStdString(zorva::Cp932ToUtf8(m_doc.GetTitle()));
  setWindowTitle(docTitle + QStringLiteral(" - ") + Ui(57344));
}
