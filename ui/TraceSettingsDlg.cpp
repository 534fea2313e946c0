#include "ui/TraceSettingsDlg.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "html/DialogTexts.h"
#include "ui/UiText.h"

namespace {
// The dialog's texts are numbered as the other dialogs' (html/DialogTexts.h).
constexpr unsigned kDlg = 204;
}  // namespace

CTraceSettingsDlg::CTraceSettingsDlg(const zorva::TraceSettings& settings, QWidget* parent) : QDialog(parent) {
  setWindowTitle(UiText(zorva::DialogCaptionId(kDlg)));
  m_tolerance = new QSpinBox(this);
  m_tolerance->setRange(0, zorva::kMaxTraceTolerance);
  m_tolerance->setValue(settings.tolerance);
  m_tolerance->setToolTip(UiText(zorva::DialogLabelId(kDlg, 4)));
  m_epsilon = new QDoubleSpinBox(this);
  m_epsilon->setRange(0, zorva::kMaxTraceEpsilon);
  m_epsilon->setDecimals(1);
  m_epsilon->setSingleStep(0.5);
  m_epsilon->setSuffix(UiText(zorva::DialogLabelId(kDlg, 6)));
  m_epsilon->setValue(settings.epsilon);
  m_epsilon->setToolTip(UiText(zorva::DialogLabelId(kDlg, 5)));
  auto* form = new QFormLayout;
  form->addRow(UiText(zorva::DialogLabelId(kDlg, 1)), m_tolerance);
  form->addRow(UiText(zorva::DialogLabelId(kDlg, 2)), m_epsilon);
  auto* note = new QLabel(UiText(zorva::DialogLabelId(kDlg, 3)), this);
  note->setWordWrap(true);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(note);
  layout->addWidget(OkCancelButtons(this, zorva::kDlgHtmlSettings));
}

zorva::TraceSettings CTraceSettingsDlg::Settings() const {
  return {m_tolerance->value(), m_epsilon->value()};
}
