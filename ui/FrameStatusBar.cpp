#include "ui/FrameStatusBar.h"

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>

#include "ui/KeyLocks.h"
#include "ui/UiText.h"

namespace {
// Indicator texts: Kana, Caps, Num, Scroll lock.
constexpr unsigned kIndicatorTexts[4] = {59142, 59137, 59138, 59139};
}  // namespace

CFrameStatusBar::CFrameStatusBar(QWidget* parent) : QStatusBar(parent) {
  m_text = new QLabel(UiText(57345), this);
  m_text->setTextFormat(Qt::PlainText);
  m_progress = new QProgressBar(this);
  m_progress->setObjectName(QStringLiteral("progress108"));
  m_progress->setRange(0, 100);
  m_progress->setFixedWidth(100);
  m_progress->hide();
  addWidget(m_text, 1);
  addWidget(m_progress);

  // The coordinates pane is as wide as its first text, which leaves room for
  // four-digit coordinates.
  const QString initial = UiText(65004);
  m_point = new QLabel(initial, this);
  m_point->setMinimumWidth(m_point->fontMetrics().horizontalAdvance(initial) + 4);
  addPermanentWidget(m_point);
  for (int i = 0; i < 4; ++i) {
    const QString text = UiText(kIndicatorTexts[i]);
    m_indicators[i] = new QLabel(text, this);
    m_indicators[i]->setAlignment(Qt::AlignCenter);
    m_indicators[i]->setMinimumWidth(m_indicators[i]->fontMetrics().horizontalAdvance(text) + 6);
    m_indicators[i]->setEnabled(false);
    addPermanentWidget(m_indicators[i]);
  }
}

void CFrameStatusBar::SetPointText(const QString& text) {
  if (m_point->text() != text) m_point->setText(text);
}

void CFrameStatusBar::ShowKeyLocks(const KeyLockState& locks) {
  const int states[4] = {locks.kana, locks.caps, locks.num, locks.scroll};
  for (int i = 0; i < 4; ++i) m_indicators[i]->setEnabled(states[i] == 1);
}
