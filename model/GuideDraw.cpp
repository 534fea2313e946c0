// Drawing a guide line across the whole scroll area.
#include "model/Guide.h"
#include "platform/DC.h"

void CGuide::Draw(int32_t sx, int32_t sy, Zoom zoom, CDC& dc, int rop, int32_t totalWidth,
                  int32_t totalHeight) const {
  if (!zoom.IsDrawable()) return;
  CDCStateGuard guard(dc);
  dc.SelectPen(CPen::Solid(kGuideColor));
  dc.SetROP2(rop);
  dc.SelectBrush(CBrush::Null());
  if (m_bHorizontal) {
    int32_t y = zoom.ToWindow(m_nPos, sy);
    dc.MoveTo(0, y);
    dc.LineTo(totalWidth, y);
  } else {
    int32_t x = zoom.ToWindow(m_nPos, sx);
    dc.MoveTo(x, 0);
    dc.LineTo(x, totalHeight);
  }
}
