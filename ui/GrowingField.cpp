#include "ui/GrowingField.h"

#include <QAbstractTextDocumentLayout>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace {

// A line break would end the attributes' text early once written out.
QString OneLine(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String(" "));
  for (QChar c : {QChar(u'\r'), QChar(u'\n'), QChar(0x2028), QChar(0x2029)}) text.replace(c, QLatin1Char(' '));
  return text;
}

}  // namespace

CGrowingField::CGrowingField(QWidget* parent) : QPlainTextEdit(parent) {
  setTabChangesFocus(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Attributes often run without a space for long stretches (URLs, styles).
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  document()->setDocumentMargin(1);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  connect(this, &QPlainTextEdit::textChanged, this, &CGrowingField::FitHeight);
  FitHeight();
}

void CGrowingField::setText(const QString& text) {
  setPlainText(OneLine(text));
  setModified(false);
  // The panel writes with the field's signals blocked.
  FitHeight();
}

bool CGrowingField::isModified() const { return document()->isModified(); }

void CGrowingField::setModified(bool modified) { document()->setModified(modified); }

void CGrowingField::insert(const QString& text) { insertPlainText(OneLine(text)); }

void CGrowingField::insertFromMimeData(const QMimeData* source) {
  if (source && source->hasText()) insertPlainText(OneLine(source->text()));
}

int CGrowingField::shownLines() const {
  int lines = 0;
  for (QTextBlock b = document()->firstBlock(); b.isValid(); b = b.next())
    lines += std::max(1, b.layout() ? b.layout()->lineCount() : 1);
  return std::max(1, lines);
}

int CGrowingField::HeightFor(int lines) const {
  const int margins = contentsMargins().top() + contentsMargins().bottom();
  const int docMargin = int(2 * document()->documentMargin());
  return lines * fontMetrics().lineSpacing() + docMargin + margins + 2;
}

QSize CGrowingField::sizeHint() const {
  const int frame = contentsMargins().left() + contentsMargins().right();
  return {17 * fontMetrics().horizontalAdvance(QLatin1Char('x')) + frame + 4, height()};
}

QSize CGrowingField::minimumSizeHint() const {
  const int frame = contentsMargins().left() + contentsMargins().right();
  return {fontMetrics().maxWidth() + frame + 4, height()};
}

void CGrowingField::FitHeight() {
  const int h = HeightFor(std::clamp(shownLines(), 1, kMaxLines));
  if (h == height() && minimumHeight() == h) return;
  setFixedHeight(h);
  emit heightChanged();
}

void CGrowingField::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  // A narrower field wraps the same text onto more lines.
  FitHeight();
}
