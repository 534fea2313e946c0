#pragma once
// "イメージ選択": which of a page's several images to work on.
#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

class CImageSelectDlg : public QDialog {
  Q_OBJECT
 public:
  // One line per image (UTF-8), in page order; the first is selected.
  CImageSelectDlg(const std::vector<std::string>& lines, QWidget* parent = nullptr);

  // The chosen line's index; -1 after cancel.
  int Chosen() const { return m_chosen; }
  QListWidget* List() const { return m_list; }

  void accept() override;
  void reject() override;

 private:
  QListWidget* m_list;
  int m_chosen = -1;
};

// Shows the dialog modally; the chosen index or -1.
int ChooseImageModal(const std::vector<std::string>& lines, QWidget* parent);
