#pragma once
// The help window: the manual from a Qt help collection, with its contents,
// keyword index and text search at the left and the page at the right.
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

#include "ui/HelpSearch.h"

class QHelpEngine;
class QHelpLink;
class QLineEdit;
class QTabWidget;
class CHelpSearchPane;

// Shows pages of the help engine's documentation (qthelp: addresses) and
// hands addresses of other kinds to the desktop.
class CHelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  CHelpBrowser(QHelpEngine& engine, QWidget* parent);
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  void OnAnchor(const QUrl& link);

  QHelpEngine& m_engine;
};

class CHelpWindow : public QWidget {
  Q_OBJECT
 public:
  enum Tab { kContentsTab, kIndexTab, kSearchTab };

  // Opens the collection `collectionFile`, which must exist.
  explicit CHelpWindow(const QString& collectionFile, QWidget* parent = nullptr);
  ~CHelpWindow() override;

  // The collection holds the manual: its start page can be shown.
  bool HasManual() const;
  // The page of context id `contextId` (HelpContext.h), empty when the
  // manual has none.
  QUrl TopicOf(unsigned contextId) const;
  QUrl StartPage() const;

  // Show the window with the contents in front, at the start page the first
  // time.
  void ShowContents();
  // Show the window at `page`.
  void ShowTopic(const QUrl& page);

  QHelpEngine* Engine() const { return m_engine; }
  CHelpBrowser* Browser() const { return m_browser; }
  QTabWidget* Tabs() const { return m_tabs; }
  CHelpSearchPane* SearchPane() const { return m_search; }
  // Every page of the manual, in the contents' order.
  QList<HelpPage> ManualPages() const;

 private:
  void ShowTab(Tab tab);
  void OpenIndexLinks(const QList<QHelpLink>& links);
  void FollowInContents(const QUrl& page);
  void ShowFound(const QUrl& page, const QString& query);

  QHelpEngine* m_engine = nullptr;
  QTabWidget* m_tabs = nullptr;
  QLineEdit* m_indexFilter = nullptr;
  CHelpBrowser* m_browser = nullptr;
  CHelpSearchPane* m_search = nullptr;
};
