#include "ui/ImageSelectDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "html/DialogTexts.h"
#include "ui/UiText.h"

namespace {
constexpr unsigned kDlg = zorva::kDlgImageSelect;
constexpr int kListControl = 1024;

QString Label(unsigned order) { return UiText(zorva::DialogLabelId(kDlg, order)); }

}  // namespace

QString PictureSizeText(const std::string& file) {
  // Only the header is read: a page's pictures may be large.
  QImageReader reader(QString::fromStdString(file));
  const QSize size = file.empty() ? QSize() : reader.size();
  if (!size.isValid()) return Label(7);
  return QStringLiteral("%1 × %2").arg(size.width()).arg(size.height());
}

CImageSelectDlg::CImageSelectDlg(const std::vector<ImageChoice>& images, QWidget* parent)
    : QDialog(parent), m_list(new QTreeWidget(this)) {
  setWindowTitle(UiText(zorva::DialogCaptionId(kDlg)));
  auto* prompt = new QLabel(Label(1));
  prompt->setTextFormat(Qt::PlainText);
  prompt->setWordWrap(true);

  // A page's images often differ only at the end of a long source: the
  // source is shown whole (shortened in the middle when it must be) with the
  // picture's size beside it, so that rows can be told apart.
  m_list->setObjectName(QStringLiteral("ctl%1").arg(kListControl));
  m_list->setHeaderLabels({Label(2), Label(3), Label(4)});
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setAllColumnsShowFocus(true);
  m_list->setTextElideMode(Qt::ElideMiddle);
  for (const ImageChoice& image : images) {
    auto* row = new QTreeWidgetItem(m_list);
    row->setText(kUsemapColumn, image.hasUsemap ? Label(5) : Label(6));
    if (image.hasUsemap) row->setToolTip(kUsemapColumn, QString::fromStdString(image.usemap));
    row->setText(kSourceColumn, QString::fromStdString(image.source));
    row->setToolTip(kSourceColumn, QString::fromStdString(image.source));
    row->setText(kSizeColumn, PictureSizeText(image.file));
  }
  if (m_list->topLevelItemCount() > 0) m_list->setCurrentItem(m_list->topLevelItem(0));
  m_list->header()->setStretchLastSection(false);
  m_list->header()->setSectionResizeMode(kUsemapColumn, QHeaderView::ResizeToContents);
  m_list->header()->setSectionResizeMode(kSourceColumn, QHeaderView::Stretch);
  m_list->header()->setSectionResizeMode(kSizeColumn, QHeaderView::ResizeToContents);
  connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    m_list->setCurrentItem(item);
    accept();
  });

  auto* buttons = OkCancelButtons(this, kDlg);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(prompt);
  layout->addWidget(m_list);
  layout->addWidget(buttons);

  // Wide enough for the longest source, within the screen.
  int widest = 0;
  for (const ImageChoice& image : images)
    widest = std::max(widest, m_list->fontMetrics().horizontalAdvance(QString::fromStdString(image.source)));
  const int available = screen() ? screen()->availableGeometry().width() * 4 / 5 : 1000;
  resize(std::clamp(widest + 260, 480, std::max(480, available)), sizeHint().height());
}

void CImageSelectDlg::accept() {
  QTreeWidgetItem* current = m_list->currentItem();
  m_chosen = current ? m_list->indexOfTopLevelItem(current) : -1;
  QDialog::accept();
}

void CImageSelectDlg::reject() {
  m_chosen = -1;
  QDialog::reject();
}

int ChooseImageModal(const std::vector<ImageChoice>& images, QWidget* parent) {
  CImageSelectDlg dlg(images, parent);
  return dlg.exec() == QDialog::Accepted ? dlg.Chosen() : -1;
}
