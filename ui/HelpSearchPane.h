#pragma once
// The help window's search tab: a field, the pages holding what is typed
// (searched as it is typed), and a note when none does.
#include <QList>
#include <QUrl>
#include <QWidget>
#include <functional>

#include "ui/HelpSearch.h"

class QLabel;
class QLineEdit;
class QTextBrowser;

class CHelpSearchPane : public QWidget {
  Q_OBJECT
 public:
  // `loadPages` is called once, at the first search.
  CHelpSearchPane(std::function<QList<HelpPage>()> loadPages, QWidget* parent = nullptr);

  QLineEdit* Input() const { return m_input; }
  QTextBrowser* Results() const { return m_results; }
  QLabel* Note() const { return m_note; }
  // The pages found by the last search, in the order shown, and choosing one.
  const QList<HelpHit>& Hits() const { return m_hits; }
  const HelpPage& PageOf(const HelpHit& hit) const { return m_index.Page(hit.page); }
  void Choose(int hit);

 signals:
  // A result was chosen: its page, and the text searched for.
  void PageChosen(const QUrl& page, const QString& query);

 private:
  void Search();
  void ShowHits();

  std::function<QList<HelpPage>()> m_loadPages;
  CHelpIndex m_index;
  QList<HelpHit> m_hits;
  bool m_loaded = false;
  QLineEdit* m_input = nullptr;
  QTextBrowser* m_results = nullptr;
  QLabel* m_note = nullptr;
};
