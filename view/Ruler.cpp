#include "view/Ruler.h"

#include <algorithm>

void CRuler::SetOffset(int32_t offset) {
  m_nOffset = offset;
  if (m_onChanged) m_onChanged();
}

void CRuler::SetLength(int32_t length, Zoom zoom) {
  m_nLength = length;
  m_zoom = zoom;
}

CRuler::Layout CRuler::GetLayout(int32_t extent) const {
  Layout layout;
  if (m_zoom.num == 0 || m_zoom.den == 0) return layout;
  // Periods start at the picture's origin and run while below the length;
  // the ones wholly outside the ruler are left out.
  for (int64_t p = -int64_t(m_nOffset); p < m_nLength && p < extent; p += kPeriod) {
    if (p + kPeriod <= 0) {
      // Jump straight to the first period that reaches the ruler.
      p += (-p - kPeriod) / kPeriod * kPeriod;
      continue;
    }
    layout.marks.push_back({int32_t(p), std::to_string(m_zoom.PictureLength(p + m_nOffset))});
  }
  layout.beyond = std::max(0, m_nLength);
  layout.originMark = m_nOffset == 0;
  return layout;
}
