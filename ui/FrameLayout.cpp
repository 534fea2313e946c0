#include "ui/FrameLayout.h"

#include <algorithm>

FramePlacement PlaceMainWindow(const QRect& work) {
  FramePlacement p;
  const int w = std::min(work.width(), 800);
  const int h = std::min(work.height(), 600);
  p.rect = QRect(work.left() + (work.width() - w) / 2, work.top() + (work.height() - h) / 2, w, h);
  p.tallScreen = h > 570;
  return p;
}

ViewPaneLayout LayOutViewPane(const QRect& offered, bool rulers) {
  ViewPaneLayout l;
  if (!rulers) {
    l.view = offered;
    return l;
  }
  const int x = offered.left(), y = offered.top();
  const int w = offered.width(), h = offered.height();
  constexpr int kCorner = 17, kThick = 16;
  l.corner = QRect(x, y, kCorner, kCorner);
  l.hRuler = QRect(x + kCorner, y, std::max(0, w - kCorner), kThick);
  l.vRuler = QRect(x, y + kCorner, kThick, std::max(0, h - kCorner));
  l.view = QRect(x + kThick, y + kThick, std::max(0, w - kThick), std::max(0, h - kThick));
  return l;
}
