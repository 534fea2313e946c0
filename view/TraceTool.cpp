// The trace tool: a press takes the region of like colour around the
// pressed pixel of the picture as a closed polygon; while the button is held,
// dragging right raises and left lowers the tolerance (one a window pixel)
// and the outline follows in exclusive-or; the release adds the polygon as
// one undo step. It reads the decoded picture, whatever the zoom or the
// picture's display mode.
#include <algorithm>
#include <mutex>
#include <string>

#include "image/RegionTrace.h"
#include "model/ZorvaDoc.h"
#include "platform/StringTable.h"
#include "view/CreationHelpers.h"
#include "view/Tool.h"
#include "view/ViewCore.h"

namespace {

constexpr unsigned kTraceStatus = 65090;     // tolerance and vertex count while held
constexpr unsigned kOutsidePicture = 65091;
constexpr unsigned kNoPicture = 65092;
constexpr unsigned kTraceAdded = 65093;

class CTraceTool : public CTool {
 public:
  using CTool::CTool;

  void Press(unsigned, CPoint p) override {
    create::DropUnfinished(m_view);
    CZorvaDoc& doc = m_view.m_doc;
    {
      // The loader replaces the bitmap under this lock; a picture still
      // loading counts as none.
      std::unique_lock<std::mutex> lock(doc.m_mutexPicture, std::try_to_lock);
      if (!lock || !doc.m_pBitmap || !doc.m_bPictureLoaded) return Status(zorva::LoadStringUtf8(kNoPicture));
      if (p.x < 0 || p.y < 0 || p.x >= doc.m_pBitmap->Width() || p.y >= doc.m_pBitmap->Height())
        return Status(zorva::LoadStringUtf8(kOutsidePicture));
    }
    auto area = std::make_unique<CArea>();
    area->m_nType = AREA_POLYGON;
    area->m_bClosed = true;
    m_seed = p;
    m_pressX = m_view.m_coords.ToWindow(p).x;
    m_tolerance = std::clamp(m_view.m_traceSettings.tolerance, 0, zorva::kMaxTraceTolerance);
    if (!Retrace(*area)) return Status(zorva::LoadStringUtf8(kNoPicture));
    create::ReleaseSelection(m_view);
    CArea* traced = create::BeginNew(m_view, std::move(area));
    m_view.m_toolState.Start(GestureKind::RegionTrace);
    m_view.m_canvas.DrawXor(*traced);
    ShowProgress(*traced);
  }

  void Move(unsigned, CPoint p) override {
    if (CArea* traced = Gesture()) Follow(*traced, p);
  }

  void Release(unsigned, CPoint p) override {
    CArea* traced = Gesture();
    if (!traced) return;
    Follow(*traced, p);
    m_view.m_canvas.DrawXor(*traced);
    m_view.m_canvas.DrawSelection(*traced, true);
    traced->RecalcBound();
    create::CommitNew(m_view);
    Status(zorva::FormatString(kTraceAdded, {std::to_string(m_tolerance), std::to_string(traced->m_listPoint.size())}));
  }

  void Cancel(CPoint) override {
    CArea* traced = Gesture();
    if (!traced) return;
    m_view.m_canvas.DrawXor(*traced);
    create::DiscardNew(m_view);
    Status(std::string());
  }

  ViewCursor Cursor(bool, const CToolState&) const override { return ViewCursor::Trace; }

 private:
  // Only this tool's gesture in progress: the traced outline selected and
  // not yet in the document.
  CArea* Gesture() {
    CArea* traced = m_view.m_doc.m_pSelArea;
    if (!m_view.m_toolState.Is(GestureKind::RegionTrace) || !traced || traced != m_view.m_pNewArea.get()) {
      create::DropUnfinished(m_view);
      return nullptr;
    }
    return traced;
  }

  // The tolerance follows the pointer's distance in window pixels from the
  // press, so it changes as fast at every zoom.
  void Follow(CArea& traced, const CPoint& p) {
    const int tolerance = std::clamp(m_view.m_traceSettings.tolerance + (m_view.m_coords.ToWindow(p).x - m_pressX), 0,
                                     zorva::kMaxTraceTolerance);
    if (tolerance == m_tolerance) return;
    const int before = m_tolerance;
    m_tolerance = tolerance;
    m_view.m_canvas.DrawXor(traced);
    if (!Retrace(traced)) m_tolerance = before;  // the picture is being replaced: keep the outline
    m_view.m_canvas.DrawXor(traced);
    ShowProgress(traced);
  }

  // The polygon for the present tolerance; false when the picture cannot be
  // read now (a load holds it) or is gone.
  bool Retrace(CArea& traced) {
    CZorvaDoc& doc = m_view.m_doc;
    std::unique_lock<std::mutex> lock(doc.m_mutexPicture, std::try_to_lock);
    if (!lock || !doc.m_pBitmap || !doc.m_bPictureLoaded) return false;
    const zorva::TraceResult result =
        zorva::TraceRegion(*doc.m_pBitmap, m_seed, m_tolerance, m_view.m_traceSettings.epsilon);
    if (result.polygon.empty()) return false;
    traced.m_listPoint.clear();
    traced.m_listPoint.reserve(result.polygon.size());
    for (const CPoint& v : result.polygon) traced.AddPoint(v.x, v.y);
    traced.RecalcBound();
    return true;
  }

  void ShowProgress(const CArea& traced) {
    Status(zorva::FormatString(kTraceStatus, {std::to_string(m_tolerance), std::to_string(traced.m_listPoint.size())}));
  }
  void Status(const std::string& text) { m_view.m_frame.SetStatusPane(0, text); }

  CPoint m_seed;
  int32_t m_pressX = 0;
  int m_tolerance = zorva::kDefaultTraceTolerance;
};

}  // namespace

std::unique_ptr<CTool> MakeTraceTool(CViewCore& view) { return std::make_unique<CTraceTool>(view); }
