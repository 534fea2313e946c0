#include "ui/HelpSystem.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <utility>

#include "ui/HelpContext.h"
#include "ui/HelpWindow.h"
#include "ui/UiText.h"

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
  auto* window = new CHelpWindow(m_collection, m_owner);
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
