#pragma once
// The frame's status bar: the message pane (prompts, the idle text, the
// document's progress text with its bar), the pointer's coordinates and the
// four keyboard indicators.
#include <QStatusBar>

class QLabel;
class QProgressBar;
struct KeyLockState;

class CFrameStatusBar : public QStatusBar {
  Q_OBJECT
 public:
  explicit CFrameStatusBar(QWidget* parent);

  QLabel* Text() const { return m_text; }
  QProgressBar* Progress() const { return m_progress; }

  void SetPointText(const QString& text);
  // Lights an indicator whose key is known to be locked; the others are dimmed.
  void ShowKeyLocks(const KeyLockState& locks);

 private:
  QLabel* m_text = nullptr;
  QProgressBar* m_progress = nullptr;
  QLabel* m_point = nullptr;
  QLabel* m_indicators[4] = {};
};
