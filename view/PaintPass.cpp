#include "view/PaintPass.h"

#include <algorithm>
#include <mutex>

#include "model/AreaDraw.h"
#include "model/ZorvaDoc.h"
#include "platform/DC.h"

CSize ScrollTotalSize(const CSize& picture, int32_t zoom) {
  return CSize{ZoomCoord(picture.cx, zoom, 0), ZoomCoord(picture.cy, zoom, 0)};
}

namespace {

// Vertex marks reach this far beyond an area's bounds.
constexpr int32_t kMarkReach = 5;

bool Intersects(const CRect& a, const CRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Whether drawing `area` at `zoom` may touch the clip rectangle.
bool MayTouch(const CArea& area, int32_t zoom, const CRect& clip) {
  const CRect& r = area.m_rcBound;
  CRect w(std::min(ZoomCoord(r.left, zoom, 0), ZoomCoord(r.right, zoom, 0)),
          std::min(ZoomCoord(r.top, zoom, 0), ZoomCoord(r.bottom, zoom, 0)),
          std::max(ZoomCoord(r.left, zoom, 0), ZoomCoord(r.right, zoom, 0)),
          std::max(ZoomCoord(r.top, zoom, 0), ZoomCoord(r.bottom, zoom, 0)));
  w = CRect(DrawOffset(w.left, -kMarkReach), DrawOffset(w.top, -kMarkReach),
            DrawOffset(w.right, kMarkReach + 1), DrawOffset(w.bottom, kMarkReach + 1));
  return Intersects(w, clip);
}

}  // namespace

bool PaintDocument(CZorvaDoc& doc, CDC& dc, const PaintSettings& s) {
  std::unique_lock<std::mutex> lock(doc.m_mutexPicture, std::try_to_lock);
  if (!lock.owns_lock()) return false;

  const CSize drawn = ScrollTotalSize(doc.m_sizePicture, s.zoom);
  const int32_t dw = drawn.cx, dh = drawn.cy;

  if (doc.m_pBitmap) {
    const CBitmap& bmp = *doc.m_pBitmap;
    switch (s.imageMode) {
      case kImageShow:
        if (doc.m_bPictureLoaded)
          dc.StretchBlt(0, 0, dw, dh, bmp, 0, 0, doc.m_sizePicture.cx, doc.m_sizePicture.cy, SRCCOPY);
        break;
      case kImageLight: {
        // Every other pixel shows the picture, the ones between are white.
        CBrush previous = dc.SelectBrush(CBrush::Halftone());
        dc.PatBlt(0, 0, dw, dh, PATCOPY);
        if (doc.m_bPictureLoaded)
          dc.StretchBlt(0, 0, dw, dh, bmp, 0, 0, doc.m_sizePicture.cx, doc.m_sizePicture.cy, SRCPAINT);
        dc.SelectBrush(previous);
        break;
      }
      case kImageHidden:
        dc.FillSolidRect(CRect(0, 0, dw, dh), RGB(255, 255, 255));
        break;
      default:
        break;
    }
  }

  if (s.showGuides)
    for (const CGuide* g : doc.m_listGuide)
      g->Draw(0, 0, s.zoom, dc, R2_COPYPEN, s.totalWidth, s.totalHeight);

  for (const CArea* a : doc.m_listArea)
    if (!s.clipped || MayTouch(*a, s.zoom, s.clip))
      a->Draw(0, 0, s.zoom, dc, R2_COPYPEN, kAreaColor, false, nullptr, false);

  if (doc.m_pSelArea)
    doc.m_pSelArea->Draw(0, 0, s.zoom, dc, R2_COPYPEN, kSelectionColor, true, &doc.m_listSelPoint,
                         false);
  return true;
}
