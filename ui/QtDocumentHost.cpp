#include "ui/QtDocumentHost.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QThread>
#include <QUrl>

#include "html/DialogTexts.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/StringTable.h"
#include "ui/DesktopOpen.h"
#include "ui/UiText.h"

namespace {

// "Area %1:", the first line of the writer's questions.
constexpr unsigned kChoiceAreaNumber = 65049;
// "No web browser found", and where the page was written.
constexpr unsigned kNoBrowserMessage = 65016;
}  // namespace

CQtDocumentHost::CQtDocumentHost(QObject* parent) : QObject(parent) {
  m_queue.SetWakeCallback([this] {
    // One queued drain is enough for any number of posts before it runs.
    if (!m_drainPending.exchange(true))
      QMetaObject::invokeMethod(this, [this] { DrainQueue(); }, Qt::QueuedConnection);
  });
}

void CQtDocumentHost::AttachFrame(QMainWindow* frame, QLabel* statusText, QProgressBar* progress) {
  m_frame = frame;
  m_statusText = statusText;
  m_progress = progress;
  m_bHasMainWindow = frame != nullptr;
  // Workers ask for the depth too; it is read here, on the interface thread.
  if (QScreen* screen = QGuiApplication::primaryScreen())
    m_displayDepth = screen->depth() > 0 ? screen->depth() : 32;
}

void CQtDocumentHost::SetViewHandler(std::function<void(const zorva::Message&)> handler) {
  m_viewHandler = std::move(handler);
}

void CQtDocumentHost::SetImageChooser(std::function<int(const std::vector<ImageChoice>&)> chooser) {
  m_imageChooser = std::move(chooser);
}

void CQtDocumentHost::OnUiThread(const std::function<void()>& fn) {
  if (QThread::currentThread() == thread()) {
    fn();
    return;
  }
  QMetaObject::invokeMethod(this, fn, Qt::QueuedConnection);
}

namespace {
int RunMessageBox(QWidget* parent, const QString& text, unsigned type) {
  QMessageBox box(QMessageBox::Warning, UiText(57344), text, QMessageBox::NoButton, parent);
  // Product texts and file names are shown as they are: "<IMG>" is a word
  // here, not a picture.
  box.setTextFormat(Qt::PlainText);
  switch (type & 0xF) {
    case MB_OKCANCEL:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      break;
    case MB_YESNOCANCEL:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
    default:
      box.setStandardButtons(QMessageBox::Ok);
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDCANCEL;
  }
}
}  // namespace

int CQtDocumentHost::MessageBox(unsigned, const std::string& text, unsigned type) {
  QString t = QString::fromStdString(text);
  if (QThread::currentThread() == thread()) return RunMessageBox(m_frame, t, type);
  // A worker never waits for the user: the interface thread may itself be
  // waiting for the worker (closing the program), so the box is shown later.
  QMetaObject::invokeMethod(
      this, [this, t, type] { RunMessageBox(m_frame, t, type); }, Qt::QueuedConnection);
  return IDOK;
}

int CQtDocumentHost::DoChoiceDialog(unsigned dialogId, size_t areaNumber) {
  // The writer's two questions: button 1 acts, 5 leaves the area out, 2 cancels.
  // The area they are about is named first: the user can find it in the list.
  using namespace zorva;
  QString text = UiText(DialogLabelId(dialogId, 1));
  if (areaNumber > 0)
    text = QString::fromStdString(FormatString(kChoiceAreaNumber, {std::to_string(areaNumber)})) +
           QLatin1Char('\n') + text;
  QMessageBox box(QMessageBox::Question, UiText(DialogCaptionId(dialogId)), text, QMessageBox::NoButton, m_frame);
  box.setTextFormat(Qt::PlainText);
  QPushButton* act = box.addButton(UiText(DialogControlTextId(dialogId, 1)), QMessageBox::AcceptRole);
  QPushButton* ignore =
      box.addButton(UiText(DialogControlTextId(dialogId, 5)), QMessageBox::DestructiveRole);
  QPushButton* cancel =
      box.addButton(UiText(DialogControlTextId(dialogId, IDCANCEL)), QMessageBox::RejectRole);
  box.setDefaultButton(act);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == act) return 1;
  if (box.clickedButton() == ignore) return 5;
  return IDCANCEL;
}

int CQtDocumentHost::ChooseImage(const std::vector<ImageChoice>& images) {
  return m_imageChooser ? m_imageChooser(images) : -1;
}

void CQtDocumentHost::BeginProgress(const std::string& text) {
  QString t = QString::fromStdString(text);
  OnUiThread(
      [this, t] {
        if (m_statusText) m_statusText->setText(t);
        if (m_progress) {
          m_progress->setValue(0);
          m_progress->show();
        }
      });
}

void CQtDocumentHost::SetProgress(int percent) {
  OnUiThread(
      [this, percent] {
        if (m_progress) m_progress->setValue(percent);
      });
}

void CQtDocumentHost::EndProgress() {
  OnUiThread(
      [this] {
        if (m_statusText) m_statusText->setText(UiText(57345));
        if (m_progress) m_progress->hide();
      });
}

void CQtDocumentHost::PostToView(unsigned msg, uintptr_t wParam, intptr_t lParam) {
  m_queue.PostMessage(0, msg, wParam, lParam);
}

void CQtDocumentHost::DrainQueue() {
  m_drainPending = false;
  m_queue.Drain([this](const zorva::Message& m) {
    if (m_viewHandler) m_viewHandler(m);
  });
}

int CQtDocumentHost::DisplayColorCount() {
  int depth = DisplayBitsPerPixel();
  return depth >= 24 ? (1 << 24) : (1 << depth);
}

int CQtDocumentHost::DisplayBitsPerPixel() { return m_displayDepth; }

int CQtDocumentHost::ShellOpen(const std::string& path) {
  // The document names files in its own code page.
  const QString p = QString::fromStdString(zorva::ToFsPath(path));
  if (!QFileInfo::exists(p)) return 2;
  const std::string shown = zorva::Cp932ToUtf8(path);
  return OpenWithDesktop(p,
                         [this, shown] {
                           MessageBox(kNoBrowserMessage, zorva::FormatString(kNoBrowserMessage, {shown}),
                                      MB_OK | MB_ICONEXCLAMATION);
                         })
             ? 42
             : 31;
}
