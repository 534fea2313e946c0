#pragma once
// "カラーパレット": the 256 colours of the palette the picture is shown
// through, as 16 × 16 cells of 8 × 8 pixels; cell (row R, column C) shows
// entry 16·R + C.
#include <QDialog>
#include <QImage>
#include <optional>

#include "image/ColourReduction.h"

class CBitmap;
class CZorvaDoc;
class QLabel;

// The palette the chart shows for a document whose display bitmap is
// `bitmap`: an 8-bit bitmap's own palette (the picture is drawn through it;
// on a palette display it is the document's palette); for a full-colour
// picture the palette the colour reduction would build for it; none without
// a picture.
std::optional<zorva::Palette256> ChartPalette(const CBitmap* bitmap);

// The 128 × 128 chart of `palette`.
QImage DrawPaletteChart(const zorva::Palette256& palette);

// How wide a window must be for a title bar to show `title` whole.
int TitleBarWidth(const QString& title);

class CPaletteChartDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr unsigned kDialogId = 203;
  static constexpr unsigned kChartControl = 1049;
  static constexpr int kCellSize = 8;

  // Reads the document's picture under its picture lock.
  explicit CPaletteChartDlg(CZorvaDoc& doc, QWidget* parent = nullptr);

  // The chart shown (null without a picture) and the note shown instead.
  const QImage& Chart() const { return m_chart; }
  QLabel* Note() const { return m_note; }

 private:
  QImage m_chart;
  QLabel* m_note = nullptr;
};
