#include "view/PaintPass.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <mutex>
#include <utility>

#include "model/ZorvaDoc.h"
#include "platform/DC.h"

CSize ScrollTotalSize(const CSize& picture, Zoom zoom) {
  return CSize{zoom.ToWindow(picture.cx, 0), zoom.ToWindow(picture.cy, 0)};
}

namespace {

// Vertex marks reach this far beyond an area's bounds.
constexpr int32_t kMarkReach = 5;

// The clip rectangle in picture pixels, widened so that every area whose
// drawing (vertex marks included) may touch the clip overlaps it. Comparing
// bounds against it costs four compares an area instead of eight divisions.
CRect PictureClip(const CRect& clip, Zoom zoom) {
  auto toPicture = [&](int64_t w, int64_t slack) {
    const int64_t v = zoom.PictureLength(w) + slack;
    return int32_t(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
  };
  return CRect(toPicture(int64_t(clip.left) - kMarkReach - 1, -2),
               toPicture(int64_t(clip.top) - kMarkReach - 1, -2),
               toPicture(int64_t(clip.right) + kMarkReach + 1, 2),
               toPicture(int64_t(clip.bottom) + kMarkReach + 1, 2));
}

bool MayTouch(const CArea& area, const CRect& pictureClip) {
  const CRect& r = area.m_rcBound;
  return std::min(r.left, r.right) <= pictureClip.right &&
         std::max(r.left, r.right) >= pictureClip.left &&
         std::min(r.top, r.bottom) <= pictureClip.bottom &&
         std::max(r.top, r.bottom) >= pictureClip.top;
}

// Areas fetched a few ahead of the one drawn: they and their points lie
// wherever they were allocated, and the walk would wait on memory at each.
// The points only of areas that will be drawn (`willDraw`).
template <class Drawn>
void FetchAhead(const COwnedList<CArea>& areas, size_t i, const Drawn& willDraw) {
  constexpr size_t kAhead = 4;
  const size_t count = areas.size();
  if (i + kAhead < count) {
    const CArea* next = areas.begin()[std::ptrdiff_t(i + kAhead)];
    __builtin_prefetch(&next->m_rcBound);
    __builtin_prefetch(&next->m_listPoint);
  }
  if (i + kAhead / 2 >= count) return;
  // Its object arrived by now, so the ends of its point list are known. A
  // list's nodes mostly sit together in its blocks: when the ends lie close,
  // the lines between them are fetched too, since drawing walks the nodes
  // one pointer after another.
  const CArea& area = *areas.begin()[std::ptrdiff_t(i + kAhead / 2)];
  const CPointList& points = area.m_listPoint;
  if (points.empty() || !willDraw(area)) return;
  uintptr_t a = reinterpret_cast<uintptr_t>(&points.front());
  uintptr_t b = reinterpret_cast<uintptr_t>(&points.back());
  if (b < a) std::swap(a, b);
  if (b - a > 2048) {
    __builtin_prefetch(reinterpret_cast<const void*>(a));
    __builtin_prefetch(reinterpret_cast<const void*>(b));
    return;
  }
  for (uintptr_t line = a; line <= b; line += 64) __builtin_prefetch(reinterpret_cast<const void*>(line));
}

}  // namespace

bool PaintDocument(CZorvaDoc& doc, CDC& dc, const PaintSettings& s) {
  std::unique_lock<std::mutex> lock(doc.m_mutexPicture, std::try_to_lock);
  if (!lock.owns_lock()) return false;

  const CSize drawn = ScrollTotalSize(doc.m_sizePicture, s.zoom);
  const int32_t dw = drawn.cx, dh = drawn.cy;

  const bool covered = doc.m_pBitmap && (s.imageMode != ImageMode::Show || doc.m_bPictureLoaded);
  if (s.eraseUncovered && !covered) dc.FillSolidRect(CRect(0, 0, dw, dh), s.background);
  if (doc.m_pBitmap) {
    const CBitmap& bmp = *doc.m_pBitmap;
    switch (s.imageMode) {
      case ImageMode::Show:
        if (doc.m_bPictureLoaded)
          dc.StretchBlt(0, 0, dw, dh, bmp, 0, 0, doc.m_sizePicture.cx, doc.m_sizePicture.cy, SRCCOPY);
        break;
      case ImageMode::Light: {
        // Every other pixel shows the picture, the ones between are white.
        CBrush previous = dc.SelectBrush(CBrush::Halftone());
        dc.PatBlt(0, 0, dw, dh, PATCOPY);
        if (doc.m_bPictureLoaded)
          dc.StretchBlt(0, 0, dw, dh, bmp, 0, 0, doc.m_sizePicture.cx, doc.m_sizePicture.cy, SRCPAINT);
        dc.SelectBrush(previous);
        break;
      }
      case ImageMode::Hidden:
        dc.FillSolidRect(CRect(0, 0, dw, dh), RGB(255, 255, 255));
        break;
    }
  }

  if (s.showGuides)
    for (const CGuide* g : doc.m_listGuide)
      g->Draw(0, 0, s.zoom, dc, R2_COPYPEN, s.totalWidth, s.totalHeight);

  const CRect pictureClip = s.clipped ? PictureClip(s.clip, s.zoom) : CRect();
  auto willDraw = [&](const CArea& a) { return !s.clipped || MayTouch(a, pictureClip); };
  for (size_t i = 0; i < doc.m_listArea.size(); ++i) {
    FetchAhead(doc.m_listArea, i, willDraw);
    const CArea* a = doc.m_listArea.begin()[std::ptrdiff_t(i)];
    if (willDraw(*a))
      a->Draw(0, 0, s.zoom, dc, R2_COPYPEN, kAreaColor, false, nullptr, false);
  }

  if (doc.m_pSelArea)
    doc.m_pSelArea->Draw(0, 0, s.zoom, dc, R2_COPYPEN, kSelectionColor, true, &doc.m_listSelPoint,
                         false);
  return true;
}
