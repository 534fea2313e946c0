#pragma once
// The view's coordinates: its zoom, the zoomed picture's size, and the
// conversions between picture and window pixels at the scroll position the
// host keeps (division truncating towards zero).
#include <cstdint>

#include "model/Zoom.h"
#include "platform/Types.h"

class CGuide;
class IViewHost;

// Margin of every repainted area rectangle, so that vertex marks are included.
constexpr int32_t kRepaintMargin = 5;

class CViewCoords {
 public:
  explicit CViewCoords(IViewHost& host) : m_host(host) { Learn(); }

  // Pure arithmetic, for any scroll position and zoom.
  static CPoint WindowToPicture(int32_t x, int32_t y, int32_t sx, int32_t sy, Zoom zoom);
  static CPoint PictureToWindow(int32_t x, int32_t y, int32_t sx, int32_t sy, Zoom zoom);
  static CRect PictureRectToWindow(const CRect& rc, int32_t sx, int32_t sy, Zoom zoom,
                                   int32_t margin);
  static CRect GuideBandToWindow(const CGuide& guide, const CRect& client, int32_t sx, int32_t sy,
                                 Zoom zoom);

  // The same at the present scroll position and zoom.
  CPoint ToPicture(const CPoint& client) const;
  CPoint ToWindow(const CPoint& picture) const;
  CRect AreaRectToWindow(const CRect& bound) const;
  CRect GuideBand(const CGuide& guide) const;
  // The host's scroll position and client size as last learnt (Learn).
  CPoint GetScroll() const { return m_scroll; }
  CRect GetClientRect() const { return CRect(0, 0, m_client.cx, m_client.cy); }
  CSize GetClientSize() const { return m_client; }
  // Reads the scroll position and the client size from the host: whenever
  // the host says either changed, and after the scroll range changed (which
  // may move a bar). Between those the view asks nobody.
  void Learn();
  // Total size of the zoomed picture in window pixels.
  CSize GetTotalSize() const { return m_sizeTotal; }

  Zoom m_zoom = kZoom100;
  CSize m_sizeTotal;

 private:
  IViewHost& m_host;
  CPoint m_scroll;
  CSize m_client;
};
