#pragma once
// The document host of the editor: message boxes, choice dialogs, progress in
// the status bar and messages to the view, on real widgets. Operations that a
// loader worker may call hop to the interface thread.
#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>

#include "model/DocumentHost.h"
#include "platform/MessageQueue.h"

class QLabel;
class QMainWindow;
class QProgressBar;
class QWidget;

class CQtDocumentHost : public QObject, public IDocumentHost {
  Q_OBJECT
 public:
  explicit CQtDocumentHost(QObject* parent = nullptr);

  // The frame whose status bar shows progress and which parents dialogs.
  void AttachFrame(QMainWindow* frame, QLabel* statusText, QProgressBar* progress);
  // Called with every message posted to the view, on the interface thread.
  void SetViewHandler(std::function<void(const zorva::Message&)> handler);
  // Answers for the image-choice dialog (installed by whoever owns that dialog).
  void SetImageChooser(std::function<int(const std::vector<ImageChoice>&)> chooser);

  int MessageBox(unsigned stringId, const std::string& text, unsigned type) override;
  int DoChoiceDialog(unsigned dialogId, size_t areaNumber) override;
  int ChooseImage(const std::vector<ImageChoice>& images) override;
  void BeginProgress(const std::string& text) override;
  void SetProgress(int percent) override;
  void EndProgress() override;
  void PostToView(unsigned msg, uintptr_t wParam, intptr_t lParam) override;
  bool HasMainWindow() override { return m_bHasMainWindow; }
  int DisplayColorCount() override;
  int DisplayBitsPerPixel() override;
  // The panel's script menus are built from the document's own list when they
  // open, so there is nothing here to clear.
  void ClearScriptFuncList() override {}
  int ShellOpen(const std::string& path) override;

  void SetHasMainWindow(bool has) { m_bHasMainWindow = has; }

 private:
  // Runs `fn` on the interface thread; from another thread it is queued and
  // never waited for, so a worker cannot block on the interface.
  void OnUiThread(const std::function<void()>& fn);
  void DrainQueue();

  QPointer<QMainWindow> m_frame;
  QPointer<QLabel> m_statusText;
  QPointer<QProgressBar> m_progress;
  zorva::CMessageQueue m_queue;
  std::atomic<bool> m_drainPending{false};
  std::function<void(const zorva::Message&)> m_viewHandler;
  std::function<int(const std::vector<ImageChoice>&)> m_imageChooser;
  std::atomic<bool> m_bHasMainWindow{false};
  std::atomic<int> m_displayDepth{32};
};
