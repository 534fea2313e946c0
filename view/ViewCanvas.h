#pragma once
// The view's back buffer and its drawing. Invalidated rectangles are
// collected and rendered by the paint pass clipped to them when the host
// paints or when a change must show at once; incremental drawing (a
// selection change drawn as a pair, exclusive-or images of working copies
// and guides) goes straight into the buffer after any pending rendering, and
// the host is told which rectangle to show.
#include "platform/DC.h"
#include "platform/Types.h"
#include "view/PaintPass.h"

class CArea;
class CGuide;
class CViewCoords;
class CZorvaDoc;
class IViewHost;

class CViewCanvas {
 public:
  CViewCanvas(CZorvaDoc& doc, IViewHost& host, const CViewCoords& coords);

  // The back buffer, the size of the client area; the host shows it.
  const CDC& BackBuffer() const { return m_dcBack; }
  // The colour outside the picture (the desktop's menu colour).
  void SetBackgroundColor(COLORREF color);
  // Renders what was invalidated; the host calls it before it shows the buffer.
  void OnPaint();
  void Invalidate(bool erase = true);
  void InvalidateRect(const CRect& rc, bool erase = true);
  // The client area changed size: so does the buffer.
  void OnSize();
  // The scroll position changed: everything is invalidated. False when the
  // buffer already shows this position.
  bool OnScrolled();
  // Renders the invalidated region at once and shows it.
  void UpdateWindow();
  // Invalidate, erase and repaint at once.
  void RepaintRect(const CRect& rc);
  void RepaintArea(const CArea& area);
  void RepaintGuide(const CGuide& guide);
  // Shows an area as selected (selection colour) or not (black), with its
  // exclusive-or vertex marks, so drawing a selection change as a pair leaves
  // no stale marks.
  void DrawSelection(const CArea& area, bool selected);
  // The exclusive-or image of a working copy; drawing it twice removes it.
  void DrawXor(const CArea& area);
  // One exclusive-or segment between two picture points (freehand tracing).
  void DrawXorSegment(const CPoint& a, const CPoint& b);
  // A guide line with the exclusive-or or the copy pen.
  void DrawGuide(const CGuide& guide, int rop);
  // The segment from the last placed vertex to the pointer while a polygon's
  // vertices are placed (picture points), or none. It is part of every
  // rendering, so a repaint keeps it, and changing it repaints both places.
  void SetRubberBand(bool shown, CPoint from = {}, CPoint to = {});
  bool HasRubberBand() const { return m_bRubber; }

  // While held (an event of the window being handled), what is to be shown
  // is gathered and told to the host once when the last hold ends: one
  // rectangle to show at once, one for the next paint. The user sees the
  // same, since the window paints nothing in the middle of an event.
  void HoldShows() { ++m_nHolds; }
  void ReleaseShows();

  // What the picture shows: the picture itself (shown, light, hidden) and
  // the guides.
  ImageMode m_imageMode = ImageMode::Show;
  bool m_bShowGuides = true;

 private:
  void RenderRect(const CRect& rc);
  // Shows the part of the back buffer covered by drawing `area` at the
  // present scroll position and zoom.
  void ShowAreaDrawing(const CArea& area);
  void Show(const CRect& rc, bool now);

  CZorvaDoc& m_doc;
  IViewHost& m_host;
  const CViewCoords& m_coords;
  CDC m_dcBack{0, 0};
  COLORREF m_colorBack = RGB(212, 208, 200);
  CRect m_rcPending;  // invalidated, not yet rendered (empty: nothing)
  CPoint m_ptScrollShown;  // the scroll position the back buffer shows
  bool m_bRubber = false;
  CPoint m_ptRubberFrom, m_ptRubberTo;
  // The window rectangle the rubber band covers.
  CRect RubberRect() const;
  int m_nHolds = 0;
  CRect m_rcShowNow, m_rcShowLater;  // gathered while held (empty: nothing)
};

