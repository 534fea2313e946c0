#pragma once
// A view over a document with the headless host, frame and panel, and short
// ways to build areas and guides and to drive the mouse in picture pixels.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "model/ZorvaDoc.h"
#include "view/HeadlessHost.h"
#include "view/ViewKeys.h"
#include "view/ViewPanel.h"
#include "view/ZorvaView.h"

// The copy of the earlier state a change record keeps; null for other records.
template <typename T>
const T* CopyBefore(const CUndoRecord* r) {
  const auto* change = dynamic_cast<const CChangeRecord<T>*>(r);
  return change ? &change->Copy() : nullptr;
}

namespace zorva::test {

class ViewFixture {
 public:
  explicit ViewFixture(CSize picture = {400, 300}, CSize client = {800, 600}) {
    host.client = client;
    doc.m_sizePicture = picture;
    view = std::make_unique<CZorvaView>(doc, host, frame, &panel);
    host.SetView(view.get());
    view->OnSize();
    view->OnUpdate();
    view->m_canvas.OnPaint();
  }

  CArea* AddRect(int l, int t, int r, int b) { return AddTwoPoint(AREA_RECT, l, t, r, b); }
  CArea* AddEllipse(int l, int t, int r, int b) { return AddTwoPoint(AREA_ELLIPSE, l, t, r, b); }
  CArea* AddPolygon(std::initializer_list<CPoint> points, bool closed) {
    return &AddArea(doc, AREA_POLYGON, points, closed);
  }
  CGuide* AddGuide(bool horizontal, int pos) {
    auto* g = new CGuide;
    g->m_bHorizontal = horizontal;
    g->m_nPos = pos;
    doc.m_listGuide.push_back(std::unique_ptr<CGuide>(g));
    return g;
  }

  // Mouse in picture pixels (at 1:1 without scrolling they are client pixels).
  CPoint Client(int x, int y) const { return view->m_coords.ToWindow(CPoint(x, y)); }
  void Press(int x, int y, unsigned mods = 0) {
    host.pointer = Client(x, y);
    view->OnLButtonDown(MK_LBUTTON | mods, host.pointer);
  }
  void Move(int x, int y, unsigned mods = 0) {
    host.pointer = Client(x, y);
    view->OnMouseMove(MK_LBUTTON | mods, host.pointer);
  }
  void Release(int x, int y, unsigned mods = 0) {
    host.pointer = Client(x, y);
    view->OnLButtonUp(mods, host.pointer);
  }
  void RightPress(int x, int y) {
    host.pointer = Client(x, y);
    view->OnRButtonDown(MK_RBUTTON, host.pointer);
  }
  void Drag(int x0, int y0, int x1, int y1, unsigned mods = 0) {
    Press(x0, y0, mods);
    Move((x0 + x1) / 2, (y0 + y1) / 2, mods);
    Move(x1, y1, mods);
    Release(x1, y1, mods);
  }
  void Tool(ToolId code) { view->ChooseTool(code); }
  void Key(unsigned vk, bool down) {
    host.keys[vk] = down;
    if (down) view->m_keys->OnKeyDown(vk, false);
    else view->m_keys->OnKeyUp(vk);
  }

  // The back buffer after every pending paint, as the window would show it.
  std::vector<uint32_t> Pixels() {
    view->m_canvas.OnPaint();
    const CDC& dc = view->m_canvas.BackBuffer();
    return std::vector<uint32_t>(dc.Bits(), dc.Bits() + size_t(dc.Width()) * dc.Height());
  }
  // What a full repaint from scratch shows.
  std::vector<uint32_t> FreshPixels() {
    view->m_canvas.Invalidate();
    return Pixels();
  }
  // How many pixels of the buffer as shown differ from a full repaint (0: no
  // stale drawing is left). (Read in this order on purpose: as two arguments of one call the
  // repaint could run first and make both sides fresh.)
  size_t StalePixels() {
    const std::vector<uint32_t> shown = Pixels();
    const std::vector<uint32_t> fresh = FreshPixels();
    size_t differ = 0;
    for (size_t i = 0; i < shown.size() && i < fresh.size(); ++i) differ += shown[i] != fresh[i];
    return differ;
  }

  CZorvaDoc doc;
  CHeadlessViewHost host;
  CHeadlessFrame frame;
  CMemoryPropertyPanel panel;
  std::unique_ptr<CZorvaView> view;

 private:
  CArea* AddTwoPoint(int type, int l, int t, int r, int b) { return &AddArea(doc, type, {{l, t}, {r, b}}); }
};

// The area's points in list order.
inline std::vector<CPoint> PointsOf(const CArea& a) { return {a.m_listPoint.begin(), a.m_listPoint.end()}; }

// Every selected point is a point of the selected area: nothing dangles.
inline bool SelectionIsOwnedBySelArea(const CZorvaDoc& doc) {
  if (!doc.m_pSelArea) return doc.m_listSelPoint.empty();
  const CPointList& pts = doc.m_pSelArea->m_listPoint;
  return std::all_of(doc.m_listSelPoint.begin(), doc.m_listSelPoint.end(), [&](const CPoint* p) {
    return std::any_of(pts.begin(), pts.end(), [p](const CPoint& q) { return &q == p; });
  });
}

}  // namespace zorva::test
