// Guides by mouse: a new one pulled out of a ruler, an existing one moved,
// copied with Alt, or removed by dropping it off the visible picture. Every
// kept change is one undo record.
#include <algorithm>
#include <cstdlib>

#include "view/GuideTool.h"

#include "model/ZorvaDoc.h"
#include "view/Ruler.h"
#include "view/ViewCore.h"

namespace {

// A guide drag starts once the pointer is further than this across the line.
constexpr int32_t kGuideDragThreshold = 5;

// Whether the window point lies on the part of the picture that is in view;
// a guide dropped anywhere else goes away.
bool IsOnVisiblePicture(const CViewCore& view, const CPoint& w) {
  const CRect client = view.m_coords.GetClientRect();
  const CSize total = view.m_coords.GetTotalSize();
  return w.x >= 0 && w.y >= 0 && w.x <= std::min(client.right, total.cx) &&
         w.y <= std::min(client.bottom, total.cy);
}

std::unique_ptr<CGuide> NewGuide(bool horizontal, int32_t pos) {
  auto g = std::make_unique<CGuide>();
  g->m_bHorizontal = horizontal;
  g->m_nPos = pos;
  return g;
}


int32_t Across(const CGuide& g, int32_t x, int32_t y) { return g.m_bHorizontal ? y : x; }

}  // namespace

void CGuideTool::OnRulerGuide(bool fromHorizontal, int32_t x, int32_t y, ToolPhase phase) {
  const int32_t pos = fromHorizontal ? y : x;
  if (phase == ToolPhase::Move) {
    CGuide* g = m_view.m_doc.m_pSelGuide;
    if (!m_view.HasCapture()) {
      m_view.Capture();
      // A guide already on its way (the capture was lost meanwhile) goes on;
      // a second one would leave the first behind as a stray image.
      if (!g) {
        g = m_view.m_doc.m_listGuide.push_back(NewGuide(fromHorizontal, pos));
        m_view.m_doc.m_pSelGuide = g;
        m_view.m_canvas.DrawGuide(*g, R2_XORPEN);
        return;
      }
    }
    if (!g) return;
    m_view.m_canvas.DrawGuide(*g, R2_XORPEN);
    g->m_nPos = pos;
    m_view.m_canvas.DrawGuide(*g, R2_XORPEN);
    return;
  }
  if (phase != ToolPhase::Release) return;

  if (CGuide* g = m_view.m_doc.m_pSelGuide) {
    if (!IsOnVisiblePicture(m_view, m_view.m_coords.ToWindow(CPoint(x, y)))) {
      // Dropped back on the ruler or beside the picture: it never existed.
      const CRect band = m_view.m_coords.GuideBand(*g);
      m_view.m_doc.m_listGuide.remove(g);
      m_view.m_canvas.RepaintRect(band);
    } else {
      // It stays where the last move put it.
      m_view.m_canvas.RepaintGuide(*g);
      m_view.m_doc.PushGuideAdded(g);
    }
    m_view.m_doc.m_pSelGuide = nullptr;
  }
  if (CRuler* r = m_view.RulerOf(!fromHorizontal)) r->m_bPressed = false;
  if (m_view.HasCapture()) m_view.ReleaseCapture();
}

void CGuideTool::OnToolGuide(unsigned flags, int32_t x, int32_t y, ToolPhase phase) {
  CZorvaDoc& doc = m_view.m_doc;
  if (phase == ToolPhase::Press) {
    // The arrow tool holds the capture when it picked an area: an area over
    // a guide wins.
    if (m_view.HasCapture()) return;
    const CPoint w = m_view.m_coords.ToWindow(CPoint(x, y));
    const CSize total = m_view.m_coords.GetTotalSize();
    if (w.x < 0 || w.y < 0 || w.x > total.cx || w.y > total.cy) return;
    for (auto it = doc.m_listGuide.rbegin(); it != doc.m_listGuide.rend(); ++it) {
      CGuide* g = *it;
      if (!g->HitTest(x, y)) continue;
      doc.m_pSelGuide = g;
      m_pWorkGuide = NewGuide(g->m_bHorizontal, g->m_nPos);
      m_view.m_canvas.DrawGuide(*m_pWorkGuide, R2_XORPEN);
      m_view.m_toolState.Start(GestureKind::GuideDrag);
      m_view.m_bDragStarted = false;
      m_view.Capture();
      return;
    }
    return;
  }

  CGuide* g = doc.m_pSelGuide;
  CGuide* work = m_pWorkGuide.get();
  if (!g || !work) return;
  const int32_t pos = Across(*g, x, y);
  if (phase == ToolPhase::Move || phase == ToolPhase::Release) {
    if (std::llabs(int64_t(pos) - g->m_nPos) > kGuideDragThreshold) m_view.m_bDragStarted = true;
    if (m_view.m_bDragStarted) {
      m_view.m_toolState.copy = (flags & MK_ALT) != 0;
    }
  }
  if (phase == ToolPhase::Move) {
    if (!m_view.m_bDragStarted) return;
    m_view.m_canvas.DrawGuide(*work, R2_XORPEN);
    work->m_nPos = pos;
    m_view.m_canvas.DrawGuide(*work, R2_XORPEN);
    return;
  }
  if (phase != ToolPhase::Release) return;

  // The copy's image has been up since the press.
  m_view.m_canvas.DrawGuide(*work, R2_XORPEN);
  const bool copy = m_view.m_toolState.copy;
  if (IsOnVisiblePicture(m_view, m_view.m_coords.ToWindow(CPoint(x, y)))) {
    // Compared at the drop point, so that a guide brought back to its own
    // place records nothing.
    if (m_view.m_bDragStarted && pos != g->m_nPos) {
      work->m_nPos = pos;
      if (!copy) {
        const CRect oldBand = m_view.m_coords.GuideBand(*g);
        doc.PushGuideMoved(g, NewGuide(g->m_bHorizontal, g->m_nPos));
        g->m_bHorizontal = work->m_bHorizontal;
        g->m_nPos = work->m_nPos;
        // The guide has left its old band before that band is repainted.
        m_view.m_canvas.RepaintRect(oldBand);
      } else {
        doc.m_pSelGuide = doc.m_listGuide.push_back(std::move(m_pWorkGuide));
        doc.PushGuideAdded(doc.m_pSelGuide);
      }
      m_view.m_canvas.RepaintGuide(*doc.m_pSelGuide);
    }
  } else if (!copy) {
    const size_t pos = doc.m_listGuide.IndexOf(g);
    if (std::unique_ptr<CGuide> owned = doc.m_listGuide.Take(g)) {
      m_view.m_canvas.RepaintGuide(*g);
      doc.PushGuideRemoved(std::move(owned), pos);  // the record keeps it for undo
    }
  }
  m_view.m_toolState.Reset();
  m_pWorkGuide = nullptr;
  doc.m_pSelGuide = nullptr;
  m_view.m_bDragStarted = false;
}

void CGuideTool::Cancel(CRuler* pressed) {
  CZorvaDoc& doc = m_view.m_doc;
  CGuide* guide = doc.m_pSelGuide;
  if (!guide) return;
  if (pressed) {
    // A guide on its way out of a ruler: it was never recorded.
    m_view.m_canvas.DrawGuide(*guide, R2_XORPEN);
    doc.m_listGuide.remove(guide);
    pressed->m_bPressed = false;
  } else {
    if (m_pWorkGuide) {
      m_view.m_canvas.DrawGuide(*m_pWorkGuide, R2_XORPEN);  // its image is up from the press on
      m_pWorkGuide.reset();
    }
    m_view.m_toolState.Reset();
  }
  doc.m_pSelGuide = nullptr;
}
