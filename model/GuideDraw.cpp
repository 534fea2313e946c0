// Drawing a guide line across the whole scroll area.
#include "model/Area.h"
#include "model/AreaDraw.h"
#include "model/Guide.h"
#include "platform/DC.h"

void CGuide::Draw(int32_t sx, int32_t sy, int32_t zoom, CDC& dc, int rop, int32_t totalWidth,
                  int32_t totalHeight) const {
  if (!IsDrawableZoom(zoom)) return;
  CDCStateGuard guard(dc);
  dc.SelectPen(CPen::Solid(kGuideColor));
  dc.SetROP2(rop);
  dc.SelectBrush(CBrush::Null());
  if (m_bHorizontal) {
    int32_t y = ZoomCoord(m_nPos, zoom, sy);
    dc.MoveTo(0, y);
    dc.LineTo(totalWidth, y);
  } else {
    int32_t x = ZoomCoord(m_nPos, zoom, sx);
    dc.MoveTo(x, 0);
    dc.LineTo(x, totalHeight);
  }
}
