#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cmath>
#include <cstdlib>

namespace {

struct Picture {
  const char* name;
  int width;
  int height;
};

// Every name the Qt layer loads, with the size it lays out for.
const Picture kPictures[] = {
    {":/cursors/arrow.png", 32, 32},      {":/cursors/arrow-copy.png", 32, 32},
    {":/cursors/cross.png", 32, 32},      {":/cursors/cross-centre.png", 32, 32},
    {":/cursors/zoom-in.png", 32, 32},    {":/cursors/zoom-out.png", 32, 32},
    {":/cursors/hand.png", 32, 32},       {":/toolbar/new.png", 16, 15},
    {":/toolbar/open.png", 16, 15},       {":/toolbar/save.png", 16, 15},
    {":/toolbar/cut.png", 16, 15},        {":/toolbar/copy.png", 16, 15},
    {":/toolbar/paste.png", 16, 15},      {":/toolbar/duplicate.png", 16, 15},
    {":/toolbar/undo.png", 16, 15},       {":/toolbar/redo.png", 16, 15},
    {":/toolbar/toolbox.png", 16, 15},    {":/toolbar/property.png", 16, 15},
    {":/toolbar/arealist.png", 16, 15},   {":/toolbar/preview.png", 16, 15},
    {":/toolbar/about.png", 16, 15},      {":/tools/arrow.png", 16, 15},
    {":/tools/rect.png", 16, 15},         {":/tools/ellipse.png", 16, 15},
    {":/tools/polygon.png", 16, 15},      {":/tools/line.png", 16, 15},
    {":/tools/bezier.png", 16, 15},       {":/tools/freehand.png", 16, 15},
    {":/tools/zoom.png", 16, 15},         {":/arealist/cross.png", 12, 12},
    {":/arealist/warning.png", 12, 12},   {":/arealist/check.png", 12, 12},
    {":/ruler/corner.png", 18, 18},       {":/icons/zorva.png", 256, 256},
    {":/icons/zorva-doc.png", 256, 256},  {":/icons/zorva-16.png", 16, 16},
    {":/icons/zorva-32.png", 32, 32},     {":/icons/zorva-48.png", 48, 48},
    {":/icons/zorva-64.png", 64, 64},     {":/icons/zorva-128.png", 128, 128},
    {":/icons/zorva-doc-16.png", 16, 16}, {":/icons/zorva-doc-32.png", 32, 32},
    {":/icons/zorva-doc-48.png", 48, 48}, {":/icons/zorva-doc-64.png", 64, 64},
    {":/icons/zorva-doc-128.png", 128, 128},
};

class ResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!QApplication::instance()) {
      static int argc = 1;
      static char arg0[] = "test_app";
      static char* argv[] = {arg0, nullptr};
      new QApplication(argc, argv);
    }
  }
};

QImage Load(const char* name) {
  return QImage(QString::fromUtf8(name)).convertToFormat(QImage::Format_ARGB32);
}

bool IsInk(const QImage& img, int x, int y) {
  if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return false;
  const QRgb p = img.pixel(x, y);
  return qAlpha(p) == 255 && qRed(p) < 64 && qGreen(p) < 64 && qBlue(p) < 64;
}

// The black pixels near the hot spot mirror onto black pixels across it, in x
// and in y: the crosshair's and the lens's centre is the hot spot.
void ExpectCentredOn(const QImage& img, int hx, int hy, double radius, const char* name) {
  int inked = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      if (std::hypot(x - hx, y - hy) > radius || !IsInk(img, x, y)) continue;
      ++inked;
      EXPECT_TRUE(IsInk(img, 2 * hx - x, y)) << name << " at " << x << "," << y;
      EXPECT_TRUE(IsInk(img, x, 2 * hy - y)) << name << " at " << x << "," << y;
    }
  }
  EXPECT_GT(inked, 8) << name;
}

}  // namespace

TEST_F(ResourcesTest, TheHandCursorLoadsAsAPixmapFromTheLinkedResources) {
  const QPixmap hand(QStringLiteral(":/cursors/hand.png"));
  ASSERT_FALSE(hand.isNull());
  EXPECT_EQ(hand.size(), QSize(32, 32));
  EXPECT_TRUE(hand.hasAlphaChannel());
}

TEST_F(ResourcesTest, EveryPictureIsCompiledInAtItsSize) {
  for (const Picture& p : kPictures) {
    const QImage img = Load(p.name);
    ASSERT_FALSE(img.isNull()) << p.name;
    EXPECT_EQ(img.size(), QSize(p.width, p.height)) << p.name;
  }
}

TEST_F(ResourcesTest, ButtonsCursorsAndMarksAreClearAroundTheirShape) {
  for (const Picture& p : kPictures) {
    const QString name = QString::fromUtf8(p.name);
    if (name.startsWith(QStringLiteral(":/ruler/"))) continue;  // an opaque box
    const QImage img = Load(p.name);
    ASSERT_FALSE(img.isNull()) << p.name;
    EXPECT_EQ(qAlpha(img.pixel(img.width() - 1, img.height() - 1)), 0) << p.name;
    bool drawn = false;
    for (int y = 0; y < img.height() && !drawn; ++y)
      for (int x = 0; x < img.width() && !drawn; ++x) drawn = qAlpha(img.pixel(x, y)) == 255;
    EXPECT_TRUE(drawn) << p.name;
  }
}

TEST_F(ResourcesTest, TheArrowsTipIsTheirHotSpot) {
  for (const char* name : {":/cursors/arrow.png", ":/cursors/arrow-copy.png"}) {
    const QImage img = Load(name);
    EXPECT_TRUE(IsInk(img, 1, 1)) << name;
    for (int y = 0; y < img.height(); ++y) {
      for (int x = 0; x < img.width(); ++x) {
        if (x < 1 || y < 1) {
          EXPECT_FALSE(IsInk(img, x, y)) << name << " at " << x << "," << y;
        }
      }
    }
    // Below the tip the arrow's edge runs straight down, right of it diagonally.
    EXPECT_TRUE(IsInk(img, 1, 8)) << name;
    EXPECT_TRUE(IsInk(img, 8, 8)) << name;
    EXPECT_FALSE(IsInk(img, 8, 1)) << name;
  }
}

TEST_F(ResourcesTest, CrosshairsAndMagnifiersAreCentredOnTheirHotSpot) {
  ExpectCentredOn(Load(":/cursors/cross.png"), 6, 6, 8, "cross");
  ExpectCentredOn(Load(":/cursors/cross-centre.png"), 6, 6, 8, "cross-centre");
  ExpectCentredOn(Load(":/cursors/zoom-in.png"), 6, 6, 4.9, "zoom-in");
  ExpectCentredOn(Load(":/cursors/zoom-out.png"), 6, 6, 4.9, "zoom-out");
  // The plain crosshair leaves the aimed pixel visible; the centre mark fills it.
  EXPECT_FALSE(IsInk(Load(":/cursors/cross.png"), 6, 6));
  EXPECT_TRUE(IsInk(Load(":/cursors/cross-centre.png"), 6, 6));
  // Plus and minus differ by the vertical stroke only.
  EXPECT_TRUE(IsInk(Load(":/cursors/zoom-in.png"), 6, 4));
  EXPECT_FALSE(IsInk(Load(":/cursors/zoom-out.png"), 6, 4));
}

TEST_F(ResourcesTest, TheHandsHotSpotLiesOnThePalm) {
  const QImage img = Load(":/cursors/hand.png");
  EXPECT_EQ(qAlpha(img.pixel(9, 11)), 255);
  // Opaque hand all round the hot spot, so the pointer never acts off the hand.
  for (int dy = -3; dy <= 3; ++dy)
    for (int dx = -3; dx <= 3; ++dx) EXPECT_EQ(qAlpha(img.pixel(9 + dx, 11 + dy)), 255);
}
