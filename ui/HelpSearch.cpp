#include "ui/HelpSearch.h"

#include <algorithm>
#include <memory>

namespace {

constexpr qsizetype kExcerptBefore = 20;
constexpr qsizetype kExcerptLength = 60;

// A character and the marks that belong to it ("ﾊ" and "ﾟ" fold into one
// "パ" only together).
bool JoinsThePrevious(QChar c) {
  return c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_SpacingCombining ||
         c.unicode() == 0xFF9E || c.unicode() == 0xFF9F || c.isLowSurrogate();
}

struct FoldedText {
  QString text;
  QList<qsizetype> origin;  // for each folded character, where its source starts
};

FoldedText Fold(const QString& source) {
  FoldedText out;
  for (qsizetype i = 0; i < source.size();) {
    qsizetype end = i + 1;
    while (end < source.size() && JoinsThePrevious(source[end])) ++end;
    QString piece = source.mid(i, end - i);
    if (piece.size() == 1 && piece[0].isSpace()) {
      if (!out.text.endsWith(QLatin1Char(' '))) {
        out.text.append(QLatin1Char(' '));
        out.origin.append(i);
      }
    } else {
      piece = piece.normalized(QString::NormalizationForm_KC).toCaseFolded();
      out.text.append(piece);
      for (qsizetype k = 0; k < piece.size(); ++k) out.origin.append(i);
    }
    i = end;
  }
  return out;
}

int CountOf(const QString& haystack, const QString& needle) {
  int count = 0;
  for (qsizetype at = haystack.indexOf(needle); at >= 0; at = haystack.indexOf(needle, at + needle.size()))
    ++count;
  return count;
}

QString ExcerptAt(const QString& text, qsizetype at) {
  const qsizetype from = std::max<qsizetype>(0, at - kExcerptBefore);
  QString excerpt = text.mid(from, kExcerptLength).simplified();
  if (from > 0) excerpt.prepend(QStringLiteral("…"));
  if (from + kExcerptLength < text.size()) excerpt.append(QStringLiteral("…"));
  return excerpt;
}

}  // namespace

QString FoldForSearch(const QString& text) { return Fold(text).text; }

struct CHelpIndex::Entry {
  HelpPage page;
  FoldedText text;
  QString title;
};

CHelpIndex::CHelpIndex(const QList<HelpPage>& pages) {
  // Folded once: a search runs at every keystroke.
  for (const HelpPage& page : pages)
    m_entries.append(std::make_shared<const Entry>(Entry{page, Fold(page.text), FoldForSearch(page.title)}));
}

const HelpPage& CHelpIndex::Page(int index) const { return m_entries[index]->page; }

QList<HelpHit> CHelpIndex::Search(const QString& query) const {
  const QStringList parts = FoldForSearch(query).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  QList<HelpHit> hits;
  if (parts.isEmpty()) return hits;
  for (int i = 0; i < m_entries.size(); ++i) {
    const FoldedText& text = m_entries[i]->text;
    const QString& title = m_entries[i]->title;
    const QString& original = m_entries[i]->page.text;
    HelpHit hit;
    hit.page = i;
    hit.inTitle = true;
    bool all = true;
    for (const QString& part : parts) {
      const bool inTitle = title.contains(part);
      const int n = std::max(CountOf(text.text, part), inTitle ? 1 : 0);
      if (n == 0) {
        all = false;
        break;
      }
      hit.count += n;
      hit.inTitle = hit.inTitle && inTitle;
    }
    if (!all) continue;
    const qsizetype first = text.text.indexOf(parts.first());
    hit.excerpt = ExcerptAt(original, first >= 0 ? text.origin[first] : 0);
    hits.append(hit);
  }
  std::stable_sort(hits.begin(), hits.end(), [](const HelpHit& a, const HelpHit& b) {
    if (a.inTitle != b.inTitle) return a.inTitle;
    return a.count > b.count;
  });
  return hits;
}

QList<HelpHit> SearchHelpPages(const QList<HelpPage>& pages, const QString& query) {
  return CHelpIndex(pages).Search(query);
}
