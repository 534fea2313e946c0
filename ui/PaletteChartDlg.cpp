#include "ui/PaletteChartDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <mutex>

#include "html/DialogTexts.h"
#include "model/ZorvaDoc.h"
#include "platform/Bitmap.h"
#include "ui/UiText.h"

std::optional<zorva::Palette256> ChartPalette(const CBitmap* bitmap) {
  if (!bitmap) return std::nullopt;
  if (bitmap->BitsPerPixel() == 8) return bitmap->Palette();
  return zorva::ReductionPaletteOf(*bitmap);
}

QImage DrawPaletteChart(const zorva::Palette256& palette) {
  constexpr int kCells = 16, kSide = kCells * CPaletteChartDlg::kCellSize;
  QImage chart(kSide, kSide, QImage::Format_RGB32);
  for (int y = 0; y < kSide; ++y) {
    auto* row = reinterpret_cast<QRgb*>(chart.scanLine(y));
    for (int x = 0; x < kSide; ++x) {
      const int entry = x / CPaletteChartDlg::kCellSize + kCells * (y / CPaletteChartDlg::kCellSize);
      row[x] = 0xFF000000u | palette[size_t(entry)];  // COLORREF is 0x00RRGGBB
    }
  }
  return chart;
}

CPaletteChartDlg::CPaletteChartDlg(CZorvaDoc& doc, QWidget* parent) : QDialog(parent) {
  using zorva::DialogCaptionId;
  using zorva::DialogControlTextId;
  setWindowTitle(UiText(DialogCaptionId(kDialogId)));

  std::optional<zorva::Palette256> palette;
  {
    std::lock_guard<std::mutex> lock(doc.m_mutexPicture);
    palette = ChartPalette(doc.m_pBitmap.get());
  }

  auto* picture = new QLabel(this);
  picture->setObjectName(QStringLiteral("ctl%1").arg(kChartControl));
  picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture->setLineWidth(1);
  picture->setAlignment(Qt::AlignCenter);
  const int side = 16 * kCellSize + 2 * picture->frameWidth();
  picture->setFixedSize(side, side);
  if (palette) {
    m_chart = DrawPaletteChart(*palette);
    picture->setPixmap(QPixmap::fromImage(m_chart));
  } else {
    // No picture, no palette: the chart stays empty and says why.
    m_note = new QLabel(UiText(zorva::DialogLabelId(kDialogId, 1)), picture);
    m_note->setWordWrap(true);
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setGeometry(picture->contentsRect().adjusted(4, 4, -4, -4));
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setText(UiText(DialogControlTextId(kDialogId, 2)));
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  buttons->setCenterButtons(true);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture, 0, Qt::AlignHCenter);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  // The chart alone is narrower than a title bar needs for the caption
  // beside the window's icon and buttons; the fixed size follows the row.
  const QMargins margins = layout->contentsMargins();
  buttons->setMinimumWidth(TitleBarWidth(windowTitle()) - margins.left() - margins.right());
}

int TitleBarWidth(const QString& title) {
  QFont bold = QApplication::font();
  bold.setBold(true);
  constexpr int kIconAndButtons = 5 * 24;
  return QFontMetrics(bold).horizontalAdvance(title) + kIconAndButtons;
}
