#include "ui/TraceSettingsDlg.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "html/DialogTexts.h"
#include "ui/UiText.h"

CTraceSettingsDlg::CTraceSettingsDlg(const zorva::TraceSettings& settings, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("自動トレースの設定"));
  m_tolerance = new QSpinBox(this);
  m_tolerance->setRange(0, zorva::kMaxTraceTolerance);
  m_tolerance->setValue(settings.tolerance);
  m_tolerance->setToolTip(QStringLiteral("押した点の色との差 (赤、緑、青の差の最大) がこれ以下の画素を領域に含めます"));
  m_epsilon = new QDoubleSpinBox(this);
  m_epsilon->setRange(0, zorva::kMaxTraceEpsilon);
  m_epsilon->setDecimals(1);
  m_epsilon->setSingleStep(0.5);
  m_epsilon->setSuffix(QStringLiteral(" ピクセル"));
  m_epsilon->setValue(settings.epsilon);
  m_epsilon->setToolTip(QStringLiteral("輪郭がもとの画素の縁から離れてよい距離。大きいほど頂点が減ります (0: 減らさない)"));
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("許容値(&T):"), m_tolerance);
  form->addRow(QStringLiteral("輪郭の単純化(&S):"), m_epsilon);
  auto* note = new QLabel(QStringLiteral("押したまま左右にドラッグすると、許容値はその場で変えられます。"), this);
  note->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(OkCancelButtons(this, zorva::kDlgHtmlSettings));
}

zorva::TraceSettings CTraceSettingsDlg::Settings() const {
  return {m_tolerance->value(), m_epsilon->value()};
}
