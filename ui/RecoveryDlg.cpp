#include "ui/RecoveryDlg.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/UiText.h"

namespace {
constexpr unsigned kTitle = 65300, kIntro = 65301, kColumnFile = 65302, kColumnTime = 65303,
                   kColumnAreas = 65304, kRestore = 65305, kDiscard = 65306, kLater = 65307,
                   kUntitled = 65308;
}  // namespace

CRecoveryDlg::CRecoveryDlg(const std::vector<RecoveryOfferRow>& rows,
                           std::function<bool(size_t)> discard, QWidget* parent)
    : QDialog(parent), m_discard(std::move(discard)) {
  setWindowTitle(UiText(kTitle));
  auto* layout = new QVBoxLayout(this);
  auto* intro = new QLabel(UiText(kIntro), this);
  intro->setWordWrap(true);
  layout->addWidget(intro);
  m_list = new QTreeWidget(this);
  m_list->setRootIsDecorated(false);
  m_list->setHeaderLabels({UiText(kColumnFile), UiText(kColumnTime), UiText(kColumnAreas)});
  for (size_t i = 0; i < rows.size(); ++i) {
    const RecoveryOfferRow& row = rows[i];
    auto* item = new QTreeWidgetItem(m_list);
    item->setText(0, row.name.isEmpty() ? UiText(kUntitled) : row.name);
    item->setToolTip(0, item->text(0));
    item->setText(1, QLocale().toString(QDateTime::fromSecsSinceEpoch(row.savedAt),
                                        QStringLiteral("yyyy/MM/dd HH:mm:ss")));
    item->setText(2, QString::number(row.areas));
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    m_rowFile.push_back(i);
  }
  // The name takes what the time and the count leave; those show whole.
  m_list->header()->setStretchLastSection(false);
  m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  m_list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  m_list->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
  m_list->setCurrentItem(m_list->topLevelItem(0));
  layout->addWidget(m_list);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* restore = buttons->addButton(UiText(kRestore), QDialogButtonBox::AcceptRole);
  QPushButton* discardButton = buttons->addButton(UiText(kDiscard), QDialogButtonBox::DestructiveRole);
  QPushButton* later = buttons->addButton(UiText(kLater), QDialogButtonBox::RejectRole);
  restore->setDefault(true);
  connect(restore, &QPushButton::clicked, this, [this] {
    const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
    if (row < 0) return;
    m_chosen = m_rowFile[size_t(row)];
    accept();
  });
  connect(discardButton, &QPushButton::clicked, this, &CRecoveryDlg::OnDiscard);
  connect(later, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(560, 260);
}

void CRecoveryDlg::OnDiscard() {
  const int row = m_list->indexOfTopLevelItem(m_list->currentItem());
  if (row < 0 || !m_discard(m_rowFile[size_t(row)])) return;
  delete m_list->takeTopLevelItem(row);
  m_rowFile.erase(m_rowFile.begin() + row);
  if (m_rowFile.empty()) reject();
}

std::optional<size_t> RunRecoveryOffer(const std::vector<RecoveryOfferRow>& rows,
                                       const std::function<bool(size_t)>& discard, QWidget* parent) {
  CRecoveryDlg dlg(rows, discard, parent);
  dlg.exec();
  return dlg.Chosen();
}
