#pragma once
// The program's help requests: the contents from the Help menu and the topic
// of a widget for F1, served by one help window opened on first use; a
// missing help collection or a widget without a topic is reported in a
// message box.
#include <QPointer>
#include <QString>
#include <QUrl>
#include <vector>

#include "ui/HelpWindow.h"

class QWidget;

class CHelpSystem {
 public:
  // `collectionFile`: the help collection (.qhc) with the manual; message
  // boxes belong to `owner`, the help window stands above it.
  CHelpSystem(QString collectionFile, QWidget* owner);
  ~CHelpSystem();

  const QString& CollectionFile() const { return m_collection; }
  void SetCollectionFile(const QString& path);

  // The help window at the contents. False (after the message) when the
  // collection is missing.
  bool ShowContents();
  // The topic of `widget`: the first of its context chain (HelpContext.h)
  // that the manual has a page for. False (after the message) when the
  // collection is missing or has no page for any of them.
  bool ShowContext(const QWidget* widget);
  // The same for a chain of context ids, nearest first.
  bool ShowContext(const std::vector<unsigned>& chain);

  // The window once a request opened it, else null.
  CHelpWindow* Window() const { return m_window; }

 private:
  // The window, opened on the collection (or a writable copy of it).
  CHelpWindow* OpenWindow();
  void Tell(const QString& text) const;

  QString m_collection;
  QWidget* m_owner;
  QPointer<CHelpWindow> m_window;
};
