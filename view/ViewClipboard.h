#pragma once
// The view's own clipboard: one area copied, never the desktop's. A copy
// keeps the charset its texts were in, so a paste into a document of
// another charset converts them (once).
#include "model/Area.h"
#include "platform/Charset.h"
#include "platform/Types.h"

class CViewClipboard {
 public:
  void Hold(const CArea& area, zorva::ECharset charset) {
    m_area.CopyFrom(area);
    m_charset = charset;
    m_bFull = true;
  }
  bool IsFull() const { return m_bFull; }
  const CArea& Area() const { return m_area; }
  // The held area with its texts in `charset`.
  const CArea& AreaIn(zorva::ECharset charset) {
    m_area.ConvertTexts(m_charset, charset);
    m_charset = charset;
    return m_area;
  }

  // Where a paste or a duplicate puts its copy, relative to the original:
  // 20 pixels down and right, or as far as the last Alt-drag moved its copy.
  CPoint m_ptPasteOffset{20, 20};

 private:
  CArea m_area;
  zorva::ECharset m_charset = zorva::ECharset::ShiftJis;
  bool m_bFull = false;
};
