#pragma once
// Finding the manual's pages that contain what the user typed. Japanese text
// has no blanks between words, so a page matches when it holds the typed
// text anywhere, not when an index of blank-separated words has it.
#include <QList>
#include <QString>
#include <QUrl>
#include <memory>

struct HelpPage {
  QUrl url;
  QString title;
  QString text;  // the page as plain text, title included
};

struct HelpHit {
  int page = 0;      // index into the pages searched
  bool inTitle = false;
  int count = 0;     // occurrences in the text
  QString excerpt;   // the text around the first occurrence
};

// The folded form both sides are compared in: compatibility forms unified
// (half-width katakana, full-width Latin), letter case ignored, runs of
// blanks made one.
QString FoldForSearch(const QString& text);

// The pages, folded once, to be searched at every keystroke.
class CHelpIndex {
 public:
  explicit CHelpIndex(const QList<HelpPage>& pages = {});
  // The pages holding every blank-separated part of `query`, those whose
  // title holds them first, then by how often the parts occur, then in the
  // manual's order. Nothing for a query of blanks.
  QList<HelpHit> Search(const QString& query) const;
  const HelpPage& Page(int index) const;

 private:
  struct Entry;
  QList<std::shared_ptr<const Entry>> m_entries;
};

// The same over pages searched once.
QList<HelpHit> SearchHelpPages(const QList<HelpPage>& pages, const QString& query);
