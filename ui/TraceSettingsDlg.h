#pragma once
// "自動トレースの設定": the tolerance a press of the trace tool starts from
// and how far the outline may be simplified.
#include <QDialog>

#include "image/RegionTrace.h"

class QDoubleSpinBox;
class QSpinBox;

class CTraceSettingsDlg : public QDialog {
  Q_OBJECT
 public:
  CTraceSettingsDlg(const zorva::TraceSettings& settings, QWidget* parent = nullptr);

  zorva::TraceSettings Settings() const;
  QSpinBox* ToleranceBox() const { return m_tolerance; }
  QDoubleSpinBox* EpsilonBox() const { return m_epsilon; }

 private:
  QSpinBox* m_tolerance = nullptr;
  QDoubleSpinBox* m_epsilon = nullptr;
};
