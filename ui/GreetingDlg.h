#pragma once
// The greeting at start-up when no file was named: start from a picture, or
// open an existing file.
#include <QDialog>

class QRadioButton;

enum class GreetingChoice { Cancel, New, Open };

class CGreetingDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr unsigned kDialogId = 182;
  static constexpr int kNewButton = 1027;
  static constexpr int kOpenButton = 1028;

  explicit CGreetingDlg(QWidget* parent = nullptr);

  // The radio button with control id 1027 or 1028, or null.
  QRadioButton* Button(int controlId) const;
  // What the selected button asks for (after OK).
  GreetingChoice Choice() const;

 private:
  QRadioButton* m_new;
  QRadioButton* m_open;
};

// Shows the greeting modally; Cancel for any ending but OK.
GreetingChoice RunGreeting(QWidget* parent);
