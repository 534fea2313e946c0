#include <gtest/gtest.h>

#include <QRect>
#include <fstream>

#include "TestSupport.h"
#include "ui/FrameLayout.h"
#include "ui/KeyLocks.h"

TEST(FrameLayout, WindowSizeComesFromTheWorkArea) {
  struct Case {
    QRect work;
    QRect window;
    bool tall;
  };
  const Case cases[] = {
      // 1024 x 768 with a 28-pixel task bar at the bottom.
      {QRect(0, 0, 1024, 740), QRect(112, 70, 800, 600), true},
      // A task bar at the top moves the centre down with the work area.
      {QRect(0, 28, 1024, 740), QRect(112, 98, 800, 600), true},
      {QRect(0, 0, 800, 572), QRect(0, 0, 800, 572), true},
      {QRect(0, 0, 800, 570), QRect(0, 0, 800, 570), false},
      // An odd remainder goes to the right and the bottom.
      {QRect(0, 0, 1025, 603), QRect(112, 1, 800, 600), true},
  };
  for (const Case& c : cases) {
    const FramePlacement p = PlaceMainWindow(c.work);
    EXPECT_EQ(p.rect, c.window) << c.work.width() << "x" << c.work.height();
    EXPECT_EQ(p.tallScreen, c.tall) << c.work.height();
  }
}

TEST(FrameLayout, RulersCornerAndViewFollowTheOfferedRectangle) {
  struct Case {
    QRect offered;
    bool rulers;
    QRect corner, h, v, view;
  };
  const Case cases[] = {
      {QRect(0, 0, 500, 400), true, QRect(0, 0, 17, 17), QRect(17, 0, 483, 16),
       QRect(0, 17, 16, 383), QRect(16, 16, 484, 384)},
      {QRect(30, 50, 200, 100), true, QRect(30, 50, 17, 17), QRect(47, 50, 183, 16),
       QRect(30, 67, 16, 83), QRect(46, 66, 184, 84)},
      {QRect(30, 50, 200, 100), false, QRect(), QRect(), QRect(), QRect(30, 50, 200, 100)},
      // Smaller than the corner: nothing gets a negative size.
      {QRect(0, 0, 10, 10), true, QRect(0, 0, 17, 17), QRect(17, 0, 0, 16), QRect(0, 17, 16, 0),
       QRect(16, 16, 0, 0)},
  };
  for (const Case& c : cases) {
    const ViewPaneLayout l = LayOutViewPane(c.offered, c.rulers);
    EXPECT_EQ(l.corner, c.corner);
    EXPECT_EQ(l.hRuler, c.h);
    EXPECT_EQ(l.vRuler, c.v);
    EXPECT_EQ(l.view, c.view);
  }
}

TEST(KeyLocks, LitWhenAnyKeyboardShowsTheLight) {
  zorva::test::TempDir leds;
  auto light = [&](const std::string& name, const std::string& value) {
    std::filesystem::create_directories(leds.path() / name);
    std::ofstream(leds.path() / name / "brightness") << value;
  };
  light("input3::capslock", "0\n");
  light("input7::capslock", "1\n");
  light("input3::numlock", "0\n");
  light("input3::kana", "garbage");
  light("phy0-led", "1\n");
  const KeyLockState s = ReadKeyLocks(leds.path());
  EXPECT_EQ(s.caps, 1);
  EXPECT_EQ(s.num, 0);
  EXPECT_EQ(s.scroll, -1);  // no light
  EXPECT_EQ(s.kana, -1);    // unreadable
  const KeyLockState none = ReadKeyLocks(leds.path() / "missing");
  EXPECT_EQ(none.caps, -1);
}
