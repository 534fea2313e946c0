#include "ui/MainFrame.h"

#include <QGuiApplication>
#include <QActionGroup>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>

#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/MessageQueue.h"
#include "ui/UiText.h"
#include "ui/HtmlSettingsDlg.h"
#include "ui/ZorvaViewWidget.h"
#include "html/HtmlPreview.h"

CMainFrame::CMainFrame(CZorvaDoc& doc, zorva::ISettingsStore* settings, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_settings(settings) {
  // At most 800 x 600, centred in the screen's work area.
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect work = screen->availableGeometry();
    int w = std::min(work.width(), 800), h = std::min(work.height(), 600);
    setGeometry(work.left() + (work.width() - w) / 2, work.top() + (work.height() - h) / 2, w, h);
  }
  // Pane 0 holds the idle text or the progress text with the bar beside it.
  m_statusText = new QLabel(UiText(57345), this);
  m_progress = new QProgressBar(this);
  m_progress->setRange(0, 100);
  m_progress->setFixedWidth(100);
  m_progress->hide();
  statusBar()->addWidget(m_statusText);
  statusBar()->addWidget(m_progress);
  m_view = new CZorvaViewWidget(doc, this);
  setCentralWidget(m_view);
  CreateViewMenu();
  UpdateTitle();
}

void CMainFrame::CreateViewMenu() {
  QMenu* menu = menuBar()->addMenu(QStringLiteral("表示(&V)"));
  auto* zooms = new QActionGroup(this);
  struct Zoom {
    const char* text;
    int32_t value;
    QKeySequence key;
  };
  const Zoom items[] = {{"50%(&5)", 0x10002, QKeySequence(Qt::CTRL | Qt::Key_5)},
                        {"100%(&1)", 0x10001, QKeySequence(Qt::CTRL | Qt::Key_1)},
                        {"200%(&2)", 0x20001, QKeySequence(Qt::CTRL | Qt::Key_2)}};
  for (const Zoom& z : items) {
    QAction* a = menu->addAction(QString::fromUtf8(z.text));
    a->setCheckable(true);
    a->setChecked(z.value == m_view->Zoom());
    a->setShortcut(z.key);
    zooms->addAction(a);
    const int32_t value = z.value;
    connect(a, &QAction::triggered, this, [this, value] { m_view->SetZoom(value); });
  }
  menu->addSeparator();
  auto* modes = new QActionGroup(this);
  struct Mode {
    const char* text;
    int mode;
    unsigned prompt;
  };
  const Mode modeItems[] = {{"表示(&S)", kImageShow, 32788},
                            {"淡色表示(&L)", kImageLight, 32789},
                            {"非表示(&H)", kImageHidden, 32790}};
  for (const Mode& m : modeItems) {
    QAction* a = menu->addAction(QString::fromUtf8(m.text));
    a->setCheckable(true);
    a->setChecked(m.mode == m_view->ImageMode());
    a->setStatusTip(UiText(m.prompt).section(QLatin1Char('\n'), 0, 0));
    modes->addAction(a);
    const int mode = m.mode;
    connect(a, &QAction::triggered, this, [this, mode] { m_view->SetImageMode(mode); });
  }
  // Ctrl+T steps through the three modes: show, light, hidden, show.
  QAction* cycle = new QAction(this);
  cycle->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
  addAction(cycle);
  connect(cycle, &QAction::triggered, this, [this, modes] {
    int next = m_view->ImageMode() == kImageShow ? kImageLight
               : m_view->ImageMode() == kImageLight ? kImageHidden : kImageShow;
    m_view->SetImageMode(next);
    modes->actions().at(next == kImageShow ? 0 : next == kImageLight ? 1 : 2)->setChecked(true);
  });
  menu->addSeparator();
  QAction* guides = menu->addAction(QStringLiteral("ガイド(&G)"));
  guides->setCheckable(true);
  guides->setChecked(m_view->ShowGuides());
  connect(guides, &QAction::toggled, this, [this](bool on) { m_view->SetShowGuides(on); });
  menu->addSeparator();
  QAction* preview = menu->addAction(QStringLiteral("HTMLプレビュー(&H)..."));
  connect(preview, &QAction::triggered, this, [this] { zorva::html::ShowPreview(m_doc); });
  if (m_settings) {
    QAction* prefs = menu->addAction(QStringLiteral("環境設定(&F)..."));
    connect(prefs, &QAction::triggered, this, [this] { EditHtmlSettings(*m_settings, this); });
  }
}

void CMainFrame::OnViewMessage(const zorva::Message& message) {
  if (message.msg != zorva::UM_LOADNOTIFY) return;
  if (message.wParam == 0) {
    QMessageBox::warning(this, UiText(57344), UiText(unsigned(message.lParam)));
  } else if (message.lParam == 0) {
    m_view->OnUpdate();
  }
}

void CMainFrame::UpdateTitle() {
  QString docTitle = QString::fromStdString(zorva::Cp932ToUtf8(m_doc.GetTitle()));
  setWindowTitle(docTitle + QStringLiteral(" - ") + UiText(57344));
}
