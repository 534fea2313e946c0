#include "ui/AboutDlg.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "html/DialogTexts.h"
#include "ui/HelpContext.h"
#include "ui/UiText.h"

namespace {
constexpr unsigned kVersionText = 57345;
constexpr int kIconSize = 32;
constexpr int kPictureSize = 128;
}  // namespace

CLinkLabel::CLinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  QPalette blue = palette();
  blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
  setPalette(blue);
}

void CLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
  QLabel::mouseReleaseEvent(event);
}

void CLinkLabel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space) emit clicked();
  else QLabel::keyPressEvent(event);
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  using zorva::DialogCaptionId;
  using zorva::DialogControlTextId;
  setWindowTitle(UiText(DialogCaptionId(kDialogId)));

  auto* icon = new QLabel(this);
  icon->setPixmap(QPixmap(QStringLiteral(":/icons/zorva-32.png")).scaled(kIconSize, kIconSize));
  icon->setAlignment(Qt::AlignTop);
  m_version = new QLabel(UiText(kVersionText), this);
  auto* second = new QLabel(UiText(zorva::DialogLabelId(kDialogId, 1)), this);

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("ctl%1").arg(kPictureControl));
  picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture->setAlignment(Qt::AlignCenter);
  picture->setPixmap(QPixmap(QStringLiteral(":/icons/zorva-128.png")));
  picture->setMinimumSize(kPictureSize + 16, kPictureSize + 16);

  // What is true of this installation: where its manual lies, opened as a
  // folder; with no manual installed, nothing.
  const QFileInfo manual(DefaultHelpCollection());
  m_link = new CLinkLabel(QDir::toNativeSeparators(manual.absolutePath()), this);
  m_link->setObjectName(QStringLiteral("ctl%1").arg(kLinkControl));
  m_link->setVisible(manual.exists());
  const QString folder = manual.absolutePath();
  connect(m_link, &CLinkLabel::clicked, this, [folder] { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); });

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setText(UiText(DialogControlTextId(kDialogId, 1)));
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* top = new QGridLayout;
  top->addWidget(icon, 0, 0, 2, 1);
  top->addWidget(m_version, 0, 1);
  top->addWidget(second, 1, 1);
  top->setColumnStretch(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(picture, 0, Qt::AlignHCenter);
  layout->addWidget(m_link, 0, Qt::AlignHCenter);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}
