#include "app/FrameEvents.h"

#include <algorithm>

#include <QCloseEvent>
#include <QDropEvent>
#include <QMainWindow>
#include <QMimeData>
#include <QUrl>

#include "app/FileCommands.h"

CFrameEvents::CFrameEvents(QMainWindow& frame, CFileCommands& commands)
    : QObject(&frame), m_commands(commands) {
  frame.setAcceptDrops(true);
  frame.installEventFilter(this);
}

std::vector<std::string> CFrameEvents::DroppedFiles(const QMimeData* data) {
  std::vector<std::string> files;
  if (!data || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) files.push_back(url.toLocalFile().toStdString());
  return files;
}

bool CFrameEvents::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::Close:
      if (!m_commands.QueryClose()) {
        event->ignore();
        return true;
      }
      return false;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      // Asked at every move of a drag: only whether a file is among the URLs.
      auto* drag = static_cast<QDropEvent*>(event);
      const QMimeData* data = drag->mimeData();
      const QList<QUrl> urls = data && data->hasUrls() ? data->urls() : QList<QUrl>();
      if (std::none_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); })) return false;
      drag->acceptProposedAction();
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      std::vector<std::string> files = DroppedFiles(drop->mimeData());
      if (files.empty()) return false;
      drop->acceptProposedAction();
      // Opened after the drop has ended: the questions and messages on the way
      // must not hold up the program the files were dragged from.
      CFileCommands* commands = &m_commands;
      QMetaObject::invokeMethod(
          this, [commands, files] { commands->OpenDroppedFiles(files); }, Qt::QueuedConnection);
      return true;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}
