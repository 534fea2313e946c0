#pragma once
// Where the main window and the pieces around the view go: plain arithmetic
// on rectangles, kept apart from the widgets so the rules can be checked alone.
#include <QRect>

// The main window in the screen's work area: at most 800 x 600, centred.
// A window taller than 570 pixels leaves room for the area list at start.
struct FramePlacement {
  QRect rect;
  bool tallScreen = false;
};
FramePlacement PlaceMainWindow(const QRect& workArea);

// The rulers, their corner box and the view inside the rectangle offered to
// the view. With rulers the corner is 17 x 17 at the top-left, the rulers run
// from 17 pixels in and are 16 thick, and the view starts 16 pixels in, so
// the corner overlaps the view's first pixel. Without rulers the view takes
// the whole rectangle and the other three are empty.
struct ViewPaneLayout {
  QRect corner;
  QRect hRuler;
  QRect vRuler;
  QRect view;
};
ViewPaneLayout LayOutViewPane(const QRect& offered, bool rulers);
