#include "ui/GreetingDlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "html/DialogTexts.h"
#include "ui/UiText.h"

CGreetingDlg::CGreetingDlg(QWidget* parent) : QDialog(parent) {
  using zorva::DialogCaptionId;
  using zorva::DialogControlTextId;
  setWindowTitle(UiText(DialogCaptionId(kDialogId)));

  // The program's own icon when one is installed, otherwise the style's.
  QIcon icon = QApplication::windowIcon();
  if (icon.isNull()) icon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
  auto* picture = new QLabel(this);
  const int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  picture->setPixmap(icon.pixmap(side, side));
  picture->setAlignment(Qt::AlignTop);
  auto* welcome = new QLabel(UiText(zorva::DialogLabelId(kDialogId, 1)), this);
  welcome->setTextFormat(Qt::PlainText);

  m_new = new QRadioButton(UiText(DialogControlTextId(kDialogId, kNewButton)), this);
  m_open = new QRadioButton(UiText(DialogControlTextId(kDialogId, kOpenButton)), this);
  m_new->setObjectName(QStringLiteral("ctl%1").arg(kNewButton));
  m_open->setObjectName(QStringLiteral("ctl%1").arg(kOpenButton));
  auto* group = new QButtonGroup(this);
  group->addButton(m_new);
  group->addButton(m_open);
  m_new->setChecked(true);

  auto* top = new QHBoxLayout;
  top->addWidget(picture);
  top->addWidget(welcome, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(m_new);
  layout->addWidget(m_open);
  layout->addWidget(OkCancelButtons(this, kDialogId));
}

QRadioButton* CGreetingDlg::Button(int controlId) const {
  if (controlId == kNewButton) return m_new;
  if (controlId == kOpenButton) return m_open;
  return nullptr;
}

GreetingChoice CGreetingDlg::Choice() const {
  return m_open->isChecked() ? GreetingChoice::Open : GreetingChoice::New;
}

GreetingChoice RunGreeting(QWidget* parent) {
  CGreetingDlg dlg(parent);
  return dlg.exec() == QDialog::Accepted ? dlg.Choice() : GreetingChoice::Cancel;
}
