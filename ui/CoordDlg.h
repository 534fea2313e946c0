#pragma once
// "座標値変更": the coordinates of one point row of the property panel as
// numbers, and for a row that carries Bezier handles the two handles as texts.
#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QLineEdit;

// A point row taken apart: the point and, in the handle form, the four
// handle values as the row holds them (blanks trimmed).
struct CoordRow {
  bool handles = false;
  int x = 0;
  int y = 0;
  std::string h1x, h1y, h2x, h2y;
};

// Nothing for a row that holds no point. The form comes from how many values
// the row holds: a plain row of two long coordinates is as long as a short
// handle row.
std::optional<CoordRow> ReadCoordRow(std::string_view row);
// The row in the form it was read in: "%4d,%4d", or with the handles
// "%4d,%4d, %4s,%4s, %4s,%4s".
std::string BuildCoordRow(const CoordRow& row);

class CCoordDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr unsigned kDialogId = 176;
  static constexpr int kX = 1023, kY = 1024, kH1X = 1025, kH1Y = 1026, kH2X = 1027, kH2Y = 1028;

  // `report` shows a numbered message (61712 when x or y is no integer).
  CCoordDlg(const CoordRow& row, std::function<void(unsigned)> report, QWidget* parent = nullptr);

  QLineEdit* Field(int id) const;
  // The fields as they stand after OK.
  const CoordRow& Result() const { return m_row; }

  void accept() override;

 private:
  QLineEdit* m_fields[6] = {};
  CoordRow m_row;
  std::function<void(unsigned)> m_report;
};

// Runs the dialog modally on `row`; the rewritten row after OK, nothing after
// cancel or for a row that holds no point.
std::optional<std::string> EditCoordRow(const std::string& row,
                                        const std::function<void(unsigned)>& report,
                                        QWidget* parent);
