#pragma once
// "座標値変更": the coordinates of one point row of the property panel as
// numbers, and for a row that carries Bezier handles the two handles as texts.
// The row's text is read and written by view/PanelPoints.
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "view/PanelPoints.h"

class QLineEdit;

class CCoordDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr unsigned kDialogId = 176;
  static constexpr int kX = 1023, kY = 1024, kH1X = 1025, kH1Y = 1026, kH2X = 1027, kH2Y = 1028;

  // Shows a numbered message with its arguments.
  using Report = std::function<void(unsigned, const std::vector<std::string>&)>;

  // `report` shows 61712 when x or y is no integer, 65028 (naming the range)
  // when it is one beyond the coordinate range.
  CCoordDlg(const PointRow& row, Report report, QWidget* parent = nullptr);

  QLineEdit* Field(int id) const;
  // The fields as they stand after OK.
  const PointRow& Result() const { return m_row; }

  void accept() override;

 private:
  QLineEdit* m_fields[6] = {};
  PointRow m_row;
  Report m_report;
};

// Runs the dialog modally on `row`; the rewritten row after OK, nothing after
// cancel or for a row that holds no point.
std::optional<std::string> EditCoordRow(const std::string& row,
                                        const CCoordDlg::Report& report,
                                        QWidget* parent);
