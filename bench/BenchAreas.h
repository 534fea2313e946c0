#pragma once
// The 10,000-area document the benchmarks share: rectangles, ellipses (40 x
// 30, no circles) and 20-point polygons in turn, spread over a `w` x `h`
// field from (20, 20).
#include <memory>
#include <string>

#include "model/ZorvaDoc.h"

inline void AddBenchAreas(CZorvaDoc& doc, int w, int h, bool links) {
  for (int i = 0; i < 10000; ++i) {
    auto* a = new CArea;
    const int x = 20 + (i * 7919) % w, y = 20 + (i * 104729) % h;
    a->m_nType = i % 3 == 0 ? AREA_RECT : i % 3 == 1 ? AREA_ELLIPSE : AREA_POLYGON;
    a->m_bClosed = true;
    if (a->m_nType == AREA_POLYGON) {
      for (int k = 0; k < 20; ++k) a->AddPoint(x + (k * 37) % 60, y + (k * 53) % 50);
    } else {
      a->AddPoint(x, y);
      a->AddPoint(x + 40, y + 30);
    }
    if (links) {
      a->m_strHref = "http://www.example.com/regions/area" + std::to_string(i) + ".html";
      a->m_strAlt = "Region " + std::to_string(i);
    }
    a->SetBoundPoint(x, y);
    a->RecalcBound();
    doc.m_listArea.push_back(std::unique_ptr<CArea>(a));
  }
}
