#include "ui/MainFrame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>

#include "html/HtmlPreview.h"
#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "platform/MessageQueue.h"
#include "ui/HtmlSettingsDlg.h"
#include "ui/UiText.h"
#include "ui/ZorvaViewWidget.h"
#include "view/Accelerators.h"
#include "view/ZorvaView.h"

namespace {

QKeySequence KeyOf(const Accelerator& a) {
  int key = 0;
  if (a.vk >= '0' && a.vk <= '9') key = Qt::Key_0 + int(a.vk - '0');
  else if (a.vk >= 'A' && a.vk <= 'Z') key = Qt::Key_A + int(a.vk - 'A');
  else if (a.vk == VK_DELETE) key = Qt::Key_Delete;
  else if (a.vk == VK_BACK) key = Qt::Key_Backspace;
  else if (a.vk == VK_INSERT) key = Qt::Key_Insert;
  else if (a.vk == VK_F6) key = Qt::Key_F6;
  int mods = 0;
  if (a.mods & kModShift) mods |= Qt::SHIFT;
  if (a.mods & kModCtrl) mods |= Qt::CTRL;
  if (a.mods & kModAlt) mods |= Qt::ALT;
  return QKeySequence(key | mods);
}

}  // namespace

CMainFrame::CMainFrame(CZorvaDoc& doc, zorva::ISettingsStore* settings, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_settings(settings) {
  // At most 800 x 600, centred in the screen's work area.
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect work = screen->availableGeometry();
    int w = std::min(work.width(), 800), h = std::min(work.height(), 600);
    setGeometry(work.left() + (work.width() - w) / 2, work.top() + (work.height() - h) / 2, w, h);
  }
  // Pane 0 holds the idle text or the progress text with the bar beside it;
  // pane 1 the pointer's picture coordinates.
  m_statusText = new QLabel(UiText(57345), this);
  m_progress = new QProgressBar(this);
  m_progress->setRange(0, 100);
  m_progress->setFixedWidth(100);
  m_progress->hide();
  m_statusPoint = new QLabel(UiText(65004), this);
  statusBar()->addWidget(m_statusText, 1);
  statusBar()->addWidget(m_progress);
  statusBar()->addPermanentWidget(m_statusPoint);
  m_view = new CZorvaViewWidget(doc, *this, nullptr, this);
  setCentralWidget(m_view);
  CreateMenus();
  UpdateTitle();
  m_view->setFocus();
}

QAction* CMainFrame::AddCommand(QMenu* menu, unsigned id, const char* text, bool checkable) {
  QAction* a = menu->addAction(QString::fromUtf8(text));
  QList<QKeySequence> keys;
  int count = 0;
  const Accelerator* table = AcceleratorTable(&count);
  for (int i = 0; i < count; ++i)
    if (table[i].command == id) keys.append(KeyOf(table[i]));
  a->setShortcuts(keys);
  a->setStatusTip(UiText(id).section(QLatin1Char('\n'), 0, 0));
  a->setCheckable(checkable);
  connect(a, &QAction::triggered, this, [this, id] { RouteCommand(id); });
  // The item's state follows its update handler whenever the menu opens.
  connect(menu, &QMenu::aboutToShow, a, [this, a, id] {
    CCmdState s;
    if (!RouteUpdate(id, s)) return;
    a->setEnabled(s.enabled);
    a->setChecked(s.checked);
  });
  return a;
}

void CMainFrame::CreateMenus() {
  QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
  AddCommand(edit, ID_EDIT_UNDO, "取り消し(&U)");
  AddCommand(edit, ID_EDIT_REDO, "やり直し(&R)");
  edit->addSeparator();
  AddCommand(edit, ID_EDIT_CUT, "切り取り(&T)");
  AddCommand(edit, ID_EDIT_COPY, "コピー(&C)");
  AddCommand(edit, ID_EDIT_PASTE, "貼り付け(&P)");
  AddCommand(edit, ID_EDIT_CLEAR, "消去(&D)");
  AddCommand(edit, ID_EDIT_DUPLICATE, "複製(&L)");

  QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
  AddCommand(view, ID_VIEW_ZOOM50, "50%(&5)", true);
  AddCommand(view, ID_VIEW_ZOOM100, "100%(&1)", true);
  AddCommand(view, ID_VIEW_ZOOM200, "200%(&2)", true);
  view->addSeparator();
  AddCommand(view, ID_IMAGE_SHOW, "表示(&S)\tCtrl+T", true);
  AddCommand(view, ID_IMAGE_LIGHT, "淡色表示(&L)\tCtrl+T", true);
  AddCommand(view, ID_IMAGE_HIDE, "非表示(&H)\tCtrl+T", true);
  view->addSeparator();
  AddCommand(view, ID_VIEW_RULER, "ページルーラ(&R)", true);
  AddCommand(view, ID_VIEW_GUIDE, "ガイド(&G)", true);
  view->addSeparator();
  QAction* preview = view->addAction(QStringLiteral("HTMLプレビュー(&H)..."));
  connect(preview, &QAction::triggered, this, [this] { zorva::html::ShowPreview(m_doc); });
  if (m_settings) {
    QAction* prefs = view->addAction(QStringLiteral("環境設定(&F)..."));
    connect(prefs, &QAction::triggered, this, [this] { EditHtmlSettings(*m_settings, this); });
  }
}

bool CMainFrame::RouteCommand(unsigned id) {
  if (m_view->View().OnCommand(id)) return true;
  for (ICommandTarget* t : m_targets)
    if (t->OnCommand(id)) return true;
  return false;
}

bool CMainFrame::RouteUpdate(unsigned id, CCmdState& state) {
  if (m_view->View().OnUpdateCommand(id, state)) return true;
  for (ICommandTarget* t : m_targets)
    if (t->OnUpdateCommand(id, state)) return true;
  return false;
}

void CMainFrame::SetStatusPane(int pane, const std::string& text) {
  if (pane == 1) m_statusPoint->setText(QString::fromStdString(text));
}

void CMainFrame::OnViewMessage(const zorva::Message& message) {
  if (message.msg != zorva::UM_LOADNOTIFY) return;
  m_view->View().OnLoadNotify(message.wParam, message.lParam);
}

void CMainFrame::UpdateTitle() {
  QString docTitle = QString::fromStdString(zorva::Cp932ToUtf8(m_doc.GetTitle()));
  setWindowTitle(docTitle + QStringLiteral(" - ") + UiText(57344));
}
