#include "ui/CoordDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <climits>
#include <cstdio>

#include "html/DialogTexts.h"
#include "ui/UiText.h"
#include "view/PanelPoints.h"

namespace {

constexpr unsigned kDlg = CCoordDlg::kDialogId;

constexpr unsigned kNotAnInteger = 61712;


std::string Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return std::string(s);
}

// "%4s": right-aligned in at least four characters.
std::string PadLeft(const std::string& s) {
  return s.size() >= 4 ? s : std::string(4 - s.size(), ' ') + s;
}


// An integer as a number field takes one: blanks around it allowed, nothing
// else, and within 32 bits.
std::optional<int> ReadInteger(const QString& text) {
  bool ok = false;
  const qlonglong v = text.trimmed().toLongLong(&ok, 10);
  if (!ok || v < INT_MIN || v > INT_MAX) return std::nullopt;
  return int(v);
}

}  // namespace

std::optional<CoordRow> ReadCoordRow(std::string_view row) {
  const ParsedPointRow parsed = ParsePointRow(row);
  if (parsed.form == PointRowForm::Other) return std::nullopt;
  CoordRow r;
  r.x = parsed.point.x;
  r.y = parsed.point.y;
  if (parsed.form == PointRowForm::Handles) {
    r.handles = true;
    std::string* values[4] = {&r.h1x, &r.h1y, &r.h2x, &r.h2y};
    size_t start = row.find(',', row.find(',') + 1) + 1;
    for (std::string* v : values) {
      const size_t comma = row.find(',', start);
      *v = Trimmed(row.substr(start, comma == std::string_view::npos ? comma : comma - start));
      start = comma + 1;
    }
  }
  return r;
}

std::string BuildCoordRow(const CoordRow& row) {
  char point[32];
  std::snprintf(point, sizeof point, "%4d,%4d", row.x, row.y);
  if (!row.handles) return point;
  return std::string(point) + ", " + PadLeft(row.h1x) + "," + PadLeft(row.h1y) + ", " +
         PadLeft(row.h2x) + "," + PadLeft(row.h2y);
}

CCoordDlg::CCoordDlg(const CoordRow& row, std::function<void(unsigned)> report, QWidget* parent)
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
  m_fields[0]->setText(QString::number(row.x));
  m_fields[1]->setText(QString::number(row.y));

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
    const std::optional<int> v = ReadInteger(m_fields[i]->text());
    if (!v) {
      if (m_report) m_report(kNotAnInteger);
      m_fields[i]->setFocus();
      m_fields[i]->selectAll();
      return;
    }
    values[i] = *v;
  }
  m_row.x = values[0];
  m_row.y = values[1];
  std::string* texts[4] = {&m_row.h1x, &m_row.h1y, &m_row.h2x, &m_row.h2y};
  for (int i = 0; i < 4; ++i) *texts[i] = m_fields[i + 2]->text().toStdString();
  QDialog::accept();
}

std::optional<std::string> EditCoordRow(const std::string& row,
                                        const std::function<void(unsigned)>& report,
                                        QWidget* parent) {
  const std::optional<CoordRow> read = ReadCoordRow(row);
  if (!read) return std::nullopt;
  CCoordDlg dlg(*read, report, parent);
  if (dlg.exec() != QDialog::Accepted) return std::nullopt;
  return BuildCoordRow(dlg.Result());
}
