#include "ui/HelpSystem.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <utility>

#include "ui/HelpContext.h"
#include "ui/HelpWindow.h"
#include "ui/UiText.h"

namespace {

// Copies `from` over `to` unless `to` already has its size and time.
bool CopyIfChanged(const QString& from, const QString& to) {
  const QFileInfo source(from), copy(to);
  if (copy.exists() && copy.size() == source.size() && copy.lastModified() == source.lastModified())
    return true;
  QFile::remove(to);
  if (!QFile::copy(from, to)) return false;
  QFile out(to);
  out.setPermissions(out.permissions() | QFileDevice::WriteOwner);
  return out.open(QIODevice::ReadWrite) &&
         out.setFileTime(source.lastModified(), QFileDevice::FileModificationTime);
}

}  // namespace

QString WritableHelpCollection(const QString& collectionFile) {
  const QFileInfo info(collectionFile);
  if (QFileInfo(info.absolutePath()).isWritable()) return collectionFile;
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (cache.isEmpty() || !QDir().mkpath(cache + QStringLiteral("/help"))) return collectionFile;
  const QDir target(cache + QStringLiteral("/help"));
  // The collection names its documentation files relative to itself.
  const QDir source = info.absoluteDir();
  QStringList files = source.entryList({QStringLiteral("*.qch")}, QDir::Files);
  files.append(info.fileName());
  for (const QString& name : files)
    if (!CopyIfChanged(source.filePath(name), target.filePath(name))) return collectionFile;
  return target.filePath(info.fileName());
}

CHelpSystem::CHelpSystem(QString collectionFile, QWidget* owner)
    : m_collection(std::move(collectionFile)), m_owner(owner) {}

CHelpSystem::~CHelpSystem() { delete m_window.data(); }

void CHelpSystem::SetCollectionFile(const QString& path) {
  if (path == m_collection) return;
  m_collection = path;
  delete m_window.data();
}

bool CHelpSystem::ShowContents() {
  CHelpWindow* window = OpenWindow();
  if (!window) return false;
  window->ShowContents();
  return true;
}

bool CHelpSystem::ShowContext(const QWidget* widget) {
  return ShowContext(widget ? HelpContextChain(widget) : std::vector<unsigned>{});
}

bool CHelpSystem::ShowContext(const std::vector<unsigned>& chain) {
  CHelpWindow* window = OpenWindow();
  if (!window) return false;
  for (unsigned id : chain) {
    const QUrl page = window->TopicOf(id);
    if (page.isValid()) {
      window->ShowTopic(page);
      return true;
    }
  }
  // A widget without any context id stands for a control numbered 0.
  Tell(ContextErrorText(m_collection, chain.empty() ? kHelpControlBase : chain.front()));
  return false;
}

CHelpWindow* CHelpSystem::OpenWindow() {
  if (m_window) return m_window;
  // Opening a collection that is not there would create an empty one.
  if (!QFileInfo(m_collection).isFile()) {
    Tell(NoHelpFileText(m_collection));
    return nullptr;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  auto* window = new CHelpWindow(WritableHelpCollection(m_collection), m_owner);
  QApplication::restoreOverrideCursor();
  if (!window->HasManual()) {
    delete window;
    Tell(NoHelpFileText(m_collection));
    return nullptr;
  }
  m_window = window;
  return window;
}

void CHelpSystem::Tell(const QString& text) const {
  QMessageBox box(QMessageBox::Warning, UiText(57344), text, QMessageBox::Ok, m_owner);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}
