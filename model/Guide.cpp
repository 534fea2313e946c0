#include "model/Guide.h"

#include "model/Area.h"

bool CGuide::HitTest(int32_t x, int32_t y) const {
  int64_t v = m_bHorizontal ? y : x;
  return int64_t(m_nPos) - kPickTolerance <= v && v <= int64_t(m_nPos) + kPickTolerance;
}
