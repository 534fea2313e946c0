#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include "FrameTestSupport.h"
#include "platform/Bitmap.h"
#include "ui/AboutDlg.h"
#include "ui/HelpContext.h"
#include "ui/PaletteChartDlg.h"
#include "view/CommandIds.h"

using zorva::test::EnsureQApplication;
using zorva::test::FrameFixture;

namespace {

// The colour of the chart's cell (row, column), checked at both its corners.
QRgb CellColour(const QImage& chart, int row, int column) {
  const int s = CPaletteChartDlg::kCellSize;
  const QRgb first = chart.pixel(column * s, row * s);
  EXPECT_EQ(first, chart.pixel(column * s + s - 1, row * s + s - 1)) << row << "," << column;
  return first & 0xFFFFFF;
}

std::unique_ptr<CBitmap> PaletteBitmap() {
  auto bitmap = CBitmap::Create8(3, 2);
  for (int i = 0; i < 256; ++i)
    bitmap->Palette()[size_t(i)] = RGB(uint8_t(i), uint8_t(255 - i), uint8_t(i / 2));
  return bitmap;
}

// 30 pixels of one colour, 10 of another and 1 white, in full colour.
std::unique_ptr<CBitmap> FullColourBitmap() {
  auto bitmap = CBitmap::Create32(41, 1);
  for (int x = 0; x < 41; ++x)
    bitmap->Row32(0)[x] = x < 30 ? RGB(203, 101, 50) : x < 40 ? RGB(13, 22, 31) : RGB(255, 255, 255);
  return bitmap;
}

}  // namespace

TEST(PaletteChart, CellsShowTheEntriesOfThePaletteThePictureIsShownThrough) {
  struct Case {
    const char* what;
    std::function<std::unique_ptr<CBitmap>()> make;
    std::vector<std::tuple<int, int, COLORREF>> cells;  // row, column, colour
  };
  const Case cases[] = {
      {"8-bit: the bitmap's own palette, entry 16R + C", PaletteBitmap,
       {{0, 0, RGB(0, 255, 0)}, {0, 1, RGB(1, 254, 0)}, {1, 0, RGB(16, 239, 8)},
        {15, 15, RGB(255, 0, 127)}, {9, 4, RGB(148, 107, 74)}}},
      {"full colour: what the reduction would build", FullColourBitmap,
       // Fixed entries 0-7 and 248-255; the three colours used, at the lower
       // corners of their cubes, in code order after the 237 smallest unused
       // codes (entries 8-244, all below them).
       {{0, 1, RGB(128, 0, 0)}, {0, 7, RGB(192, 192, 192)}, {0, 9, RGB(0, 0, 8)},
        {15, 5, RGB(8, 16, 24)}, {15, 6, RGB(200, 96, 48)}, {15, 7, RGB(248, 248, 248)},
        {15, 8, RGB(128, 128, 128)}, {15, 15, RGB(255, 255, 255)}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const auto bitmap = c.make();
    const std::optional<zorva::Palette256> palette = ChartPalette(bitmap.get());
    ASSERT_TRUE(palette);
    const QImage chart = DrawPaletteChart(*palette);
    ASSERT_EQ(chart.size(), QSize(128, 128));
    for (const auto& [row, column, colour] : c.cells) EXPECT_EQ(CellColour(chart, row, column), colour);
  }
  EXPECT_FALSE(ChartPalette(nullptr));
}

class PaletteChartCommand : public FrameFixture {};

TEST_F(PaletteChartCommand, ShowsTheDocumentsPictureOrSaysThereIsNone) {
  QAction* chart = Action(ID_PALETTE_CHART);
  ASSERT_TRUE(chart->isEnabled());
  ASSERT_TRUE(chart->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+P"))));

  // Opened modally from the command; closed by its own button.
  auto open = [&] {
    QImage shown;
    QString note;
    QTimer::singleShot(0, [&] {
      auto* dlg = qobject_cast<CPaletteChartDlg*>(QApplication::activeModalWidget());
      if (!dlg) return;
      shown = dlg->Chart();
      EXPECT_GE(dlg->width(), TitleBarWidth(dlg->windowTitle()));  // the caption is not cut
      if (dlg->Note()) note = dlg->Note()->text();
      dlg->reject();
    });
    chart->trigger();
    return std::make_pair(shown, note);
  };
  auto [none, noneNote] = open();
  EXPECT_TRUE(none.isNull());
  EXPECT_FALSE(noneNote.isEmpty());

  doc->m_pBitmap = PaletteBitmap();
  auto [shown, note] = open();
  ASSERT_FALSE(shown.isNull());
  EXPECT_TRUE(note.isEmpty());
  EXPECT_EQ(CellColour(shown, 2, 3), RGB(35, 220, 17));
}

namespace {
// Receives the addresses the desktop is asked to open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void Open(const QUrl& url) { opened.append(url); }
};
}  // namespace

TEST(AboutBox, ShowsTheVersionAndWhereTheManualLiesNoInventedAddress) {
  EnsureQApplication();
  CAboutDlg dlg;
  dlg.show();
  EXPECT_EQ(dlg.Version()->text(), QStringLiteral("ZORVA Version 0.78"));
  // Without a manual there is nothing to show.
  const QFileInfo manual(DefaultHelpCollection());
  ASSERT_FALSE(manual.exists()) << manual.filePath().toStdString();
  EXPECT_FALSE(dlg.Link()->isVisible());
  EXPECT_FALSE(dlg.Link()->text().contains(QStringLiteral("example")));

  // With one beside the program, its folder, which a click opens.
  struct ManualFile {
    QString path;
    ~ManualFile() { QFile::remove(path); }
  } file{manual.filePath()};
  {
    QFile f(file.path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }
  CAboutDlg withManual;
  withManual.show();
  CLinkLabel* link = withManual.Link();
  EXPECT_TRUE(link->isVisible());
  EXPECT_EQ(link->text(), QDir::toNativeSeparators(manual.absolutePath()));
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "Open");
  QTest::mouseClick(link, Qt::LeftButton);
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  ASSERT_EQ(catcher.opened.size(), 1);
  EXPECT_EQ(catcher.opened[0], QUrl::fromLocalFile(manual.absolutePath()));
}

#include "PaletteAboutTest.moc"
