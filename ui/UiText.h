#pragma once
// The program's numbered texts as Qt shows them, and the OK/cancel row the
// product's dialogs share.
#include <QString>

class QDialog;
class QDialogButtonBox;

// The text with string number `id`.
QString UiText(unsigned id);

// OK and cancel with the dialog's own button texts (controls 1 and 2 of
// dialog `dialogId`), wired to accept and reject `dialog`.
QDialogButtonBox* OkCancelButtons(QDialog* dialog, unsigned dialogId);
