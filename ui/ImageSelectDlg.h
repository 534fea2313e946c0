#pragma once
// "イメージ選択": which of a page's several images to work on.
#include <QDialog>
#include <vector>

#include "model/DocumentHost.h"

class QTreeWidget;

class CImageSelectDlg : public QDialog {
  Q_OBJECT
 public:
  // Columns of a row.
  enum Column { kUsemapColumn, kSourceColumn, kSizeColumn };

  // One row per image, in page order; the first is selected.
  CImageSelectDlg(const std::vector<ImageChoice>& images, QWidget* parent = nullptr);

  // The chosen row's index; -1 after cancel.
  int Chosen() const { return m_chosen; }
  QTreeWidget* List() const { return m_list; }

  void accept() override;
  void reject() override;

 private:
  QTreeWidget* m_list;
  int m_chosen = -1;
};

// Shows the dialog modally; the chosen index or -1.
int ChooseImageModal(const std::vector<ImageChoice>& images, QWidget* parent);

// The size column's text for the picture file `file` (UTF-8): "W × H" from
// its header, or the "cannot open" text.
QString PictureSizeText(const std::string& file);
