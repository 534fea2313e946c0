#pragma once
// One horizontal or vertical guide line at a picture coordinate.
#include "model/Object.h"
#include "model/Zoom.h"
#include "platform/Types.h"

class CDC;
class CArchive;

constexpr COLORREF kGuideColor = RGB(40, 180, 90);

class CGuide : public CObject {
 public:
  const char* GetClassName() const override { return "CGuide"; }
  void Serialize(CArchive& ar);

  bool HitTest(int32_t x, int32_t y) const;

  // Draws the guide across the whole scroll area (totalWidth x totalHeight
  // device pixels) with a one-pixel pen in the guide colour.
  void Draw(int32_t sx, int32_t sy, Zoom zoom, CDC& dc, int rop, int32_t totalWidth,
            int32_t totalHeight) const;

  bool m_bHorizontal = true;
  int32_t m_nPos = 0;
};
