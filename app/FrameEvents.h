#pragma once
// What the main window's own events mean to the file commands: closing the
// window asks to save a modified document, and files dropped on it are opened.
// Installed on the frame as an event filter, so the frame needs no knowledge
// of the file commands.
#include <QObject>
#include <string>
#include <vector>

class CFileCommands;
class QMainWindow;
class QMimeData;

class CFrameEvents : public QObject {
  Q_OBJECT
 public:
  // Installs itself on `frame` (which owns it) and lets the frame take drops.
  CFrameEvents(QMainWindow& frame, CFileCommands& commands);

  bool eventFilter(QObject* watched, QEvent* event) override;

  // The local files a drop carries, as UTF-8 paths, in order.
  static std::vector<std::string> DroppedFiles(const QMimeData* data);

 private:
  CFileCommands& m_commands;
};
