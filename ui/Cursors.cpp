#include "ui/Cursors.h"

#include <QPixmap>
#include <array>

namespace {

struct CursorImage {
  const char* path;
  int hotX, hotY;
  Qt::CursorShape fallback;
};

// Indexed by ViewCursor.
constexpr std::array<CursorImage, 8> kImages{{
    {":/cursors/arrow.png", 1, 1, Qt::ArrowCursor},
    {":/cursors/arrow-copy.png", 1, 1, Qt::DragCopyCursor},
    {":/cursors/cross.png", 6, 6, Qt::CrossCursor},
    {":/cursors/cross-centre.png", 6, 6, Qt::CrossCursor},
    {":/cursors/zoom-in.png", 6, 6, Qt::PointingHandCursor},
    {":/cursors/zoom-out.png", 6, 6, Qt::PointingHandCursor},
    {":/cursors/hand.png", 9, 11, Qt::OpenHandCursor},
    {":/cursors/trace.png", 6, 6, Qt::CrossCursor},
}};

}  // namespace

QCursor ViewCursorFor(ViewCursor cursor) {
  const size_t i = size_t(cursor);
  if (i >= kImages.size()) return QCursor(Qt::ArrowCursor);
  // QPixmap keeps loaded files in its cache, so asking again is cheap.
  const QPixmap image(QString::fromUtf8(kImages[i].path));
  if (image.isNull()) return QCursor(kImages[i].fallback);
  return QCursor(image, kImages[i].hotX, kImages[i].hotY);
}
