#include "ui/ImageSelectDlg.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "html/DialogTexts.h"
#include "ui/UiText.h"

namespace {
constexpr unsigned kDlg = zorva::kDlgImageSelect;
constexpr int kListControl = 1024;

}  // namespace

CImageSelectDlg::CImageSelectDlg(const std::vector<std::string>& lines, QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this)) {
  setWindowTitle(UiText(zorva::DialogCaptionId(kDlg)));
  auto* prompt = new QLabel(UiText(zorva::DialogLabelId(kDlg, 1)));
  prompt->setTextFormat(Qt::PlainText);
  prompt->setWordWrap(true);
  auto* headings = new QHBoxLayout;
  headings->addWidget(new QLabel(UiText(zorva::DialogLabelId(kDlg, 2))));
  headings->addWidget(new QLabel(UiText(zorva::DialogLabelId(kDlg, 3))), 1);

  // The lines are laid out in columns of characters.
  m_list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  m_list->setObjectName(QStringLiteral("ctl%1").arg(kListControl));
  for (const std::string& line : lines) m_list->addItem(QString::fromUtf8(line));
  if (m_list->count() > 0) m_list->setCurrentRow(0);
  connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    m_list->setCurrentItem(item);
    accept();
  });

  auto* buttons = OkCancelButtons(this, kDlg);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addLayout(headings);
  layout->addWidget(m_list);
  layout->addWidget(buttons);
}

void CImageSelectDlg::accept() {
  m_chosen = m_list->currentRow();
  QDialog::accept();
}

void CImageSelectDlg::reject() {
  m_chosen = -1;
  QDialog::reject();
}

int ChooseImageModal(const std::vector<std::string>& lines, QWidget* parent) {
  CImageSelectDlg dlg(lines, parent);
  return dlg.exec() == QDialog::Accepted ? dlg.Chosen() : -1;
}
