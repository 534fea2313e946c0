#include "ui/UiText.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "html/DialogTexts.h"
#include "platform/StringTable.h"

QString UiText(unsigned id) { return QString::fromStdString(zorva::LoadStringUtf8(id)); }

QDialogButtonBox* OkCancelButtons(QDialog* dialog, unsigned dialogId) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(UiText(zorva::DialogControlTextId(dialogId, 1)));
  buttons->button(QDialogButtonBox::Cancel)->setText(UiText(zorva::DialogControlTextId(dialogId, 2)));
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}
