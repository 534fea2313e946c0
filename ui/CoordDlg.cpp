#include "ui/CoordDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <climits>

#include "html/DialogTexts.h"
#include "model/CoordinateRange.h"
#include "ui/UiText.h"

namespace {

constexpr unsigned kDlg = CCoordDlg::kDialogId;

constexpr unsigned kNotAnInteger = 61712;
constexpr unsigned kOutOfRange = 65028;

// An integer as a number field takes one: blanks around it allowed, nothing
// else. Its message id when it is none, or beyond the coordinate range.
unsigned ReadCoordinate(const QString& text, int& value) {
  bool ok = false;
  const qlonglong v = text.trimmed().toLongLong(&ok, 10);
  if (!ok) {
    // Digits too many for 64 bits are still an integer, only too large.
    static const QRegularExpression digits(QStringLiteral("^[+-]?[0-9]+$"));
    return digits.match(text.trimmed()).hasMatch() ? kOutOfRange : kNotAnInteger;
  }
  if (!zorva::IsCoordinateInRange(v)) return kOutOfRange;
  value = int(v);
  return 0;
}

}  // namespace

CCoordDlg::CCoordDlg(const PointRow& row, Report report, QWidget* parent)
    : QDialog(parent), m_row(row), m_report(std::move(report)) {
  setWindowTitle(UiText(zorva::DialogCaptionId(kDlg)));
  const int ids[6] = {kX, kY, kH1X, kH1Y, kH2X, kH2Y};
  const std::string* texts[4] = {&row.h1x, &row.h1y, &row.h2x, &row.h2y};
  const bool noHandles = row.h1x.empty() && row.h1y.empty() && row.h2x.empty() && row.h2y.empty();
  // A comma in a handle would split the row into more values than it has.
  auto* noComma = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^,]*")), this);
  for (int i = 0; i < 6; ++i) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("ctl%1").arg(ids[i]));
    edit->setMaxLength(INT_MAX);
    if (i >= 2) {
      edit->setText(QString::fromStdString(*texts[i - 2]));
      edit->setReadOnly(noHandles);
      edit->setValidator(noComma);
    }
    m_fields[i] = edit;
  }
  m_fields[0]->setText(QString::number(row.point.x));
  m_fields[1]->setText(QString::number(row.point.y));

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(UiText(zorva::DialogLabelId(kDlg, 4)), this), 0, 1, Qt::AlignHCenter);
  grid->addWidget(new QLabel(UiText(zorva::DialogLabelId(kDlg, 5)), this), 0, 2, Qt::AlignHCenter);
  for (int r = 0; r < 3; ++r) {
    grid->addWidget(new QLabel(UiText(zorva::DialogLabelId(kDlg, unsigned(r + 1))), this), r + 1, 0);
    grid->addWidget(m_fields[2 * r], r + 1, 1);
    grid->addWidget(m_fields[2 * r + 1], r + 1, 2);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(OkCancelButtons(this, kDialogId));
  m_fields[0]->setFocus();
  m_fields[0]->selectAll();
}

QLineEdit* CCoordDlg::Field(int id) const {
  return id >= kX && id <= kH2Y ? m_fields[id - kX] : nullptr;
}

void CCoordDlg::accept() {
  int values[2];
  for (int i = 0; i < 2; ++i) {
    const unsigned refused = ReadCoordinate(m_fields[i]->text(), values[i]);
    if (refused) {
      if (m_report) {
        std::vector<std::string> range;
        if (refused == kOutOfRange)
          range = {std::to_string(zorva::kMinCoordinate), std::to_string(zorva::kMaxCoordinate)};
        m_report(refused, range);
      }
      m_fields[i]->setFocus();
      m_fields[i]->selectAll();
      return;
    }
  }
  m_row.point = CPoint(values[0], values[1]);
  std::string* texts[4] = {&m_row.h1x, &m_row.h1y, &m_row.h2x, &m_row.h2y};
  for (int i = 0; i < 4; ++i) *texts[i] = m_fields[i + 2]->text().toStdString();
  QDialog::accept();
}

std::optional<std::string> EditCoordRow(const std::string& row,
                                        const CCoordDlg::Report& report,
                                        QWidget* parent) {
  const PointRow read = ParsePointRow(row);
  if (read.form == PointRowForm::Other) return std::nullopt;
  CCoordDlg dlg(read, report, parent);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return FormatPointRow(dlg.Result());
}
