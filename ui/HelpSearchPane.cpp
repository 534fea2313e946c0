#include "ui/HelpSearchPane.h"

#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/UiText.h"

namespace {

constexpr unsigned kPlaceholderText = 65047;
constexpr unsigned kNoMatchText = 65048;  // %1: the text searched for

}  // namespace

CHelpSearchPane::CHelpSearchPane(std::function<QList<HelpPage>()> loadPages, QWidget* parent)
    : QWidget(parent), m_loadPages(std::move(loadPages)) {
  m_input = new QLineEdit(this);
  m_input->setClearButtonEnabled(true);
  m_input->setPlaceholderText(UiText(kPlaceholderText));
  m_note = new QLabel(this);
  m_note->setTextFormat(Qt::PlainText);
  m_note->setWordWrap(true);
  m_note->setContentsMargins(4, 4, 4, 4);
  m_note->hide();
  // Each result is the page's title as a link over the words around the first
  // place the text occurs, wrapped to the pane's width.
  m_results = new QTextBrowser(this);
  m_results->setOpenLinks(false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_input);
  layout->addWidget(m_note);
  layout->addWidget(m_results, 1);

  // The manual is a few dozen pages: searching at each keystroke is instant.
  connect(m_input, &QLineEdit::textChanged, this, &CHelpSearchPane::Search);
  connect(m_input, &QLineEdit::returnPressed, this, [this] {
    if (!m_hits.isEmpty()) Choose(0);
  });
  connect(m_results, &QTextBrowser::anchorClicked, this,
          [this](const QUrl& link) { Choose(link.fragment().toInt()); });
}

void CHelpSearchPane::Search() {
  const QString query = m_input->text();
  if (query.trimmed().isEmpty()) {
    m_hits.clear();
  } else {
    if (!m_loaded) {
      m_loaded = true;
      m_index = CHelpIndex(m_loadPages());
    }
    m_hits = m_index.Search(query);
  }
  ShowHits();
  m_note->setText(UiText(kNoMatchText).arg(query.trimmed()));
  m_note->setVisible(!query.trimmed().isEmpty() && m_hits.isEmpty());
}

void CHelpSearchPane::ShowHits() {
  // Titles and excerpts are the manual's text, never markup.
  QString html;
  for (int i = 0; i < m_hits.size(); ++i) {
    const HelpHit& hit = m_hits[i];
    html += QStringLiteral("<p style=\"margin-bottom:6px\"><a href=\"#%1\"><b>%2</b></a><br>%3</p>")
                .arg(i)
                .arg(PageOf(hit).title.toHtmlEscaped(), hit.excerpt.toHtmlEscaped());
  }
  m_results->setHtml(html);
}

void CHelpSearchPane::Choose(int hit) {
  if (hit >= 0 && hit < m_hits.size()) emit PageChosen(PageOf(m_hits[hit]).url, m_input->text().trimmed());
}
