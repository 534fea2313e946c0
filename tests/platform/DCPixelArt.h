#pragma once
// Pictures of a device context's buffer as text, one character per pixel and
// one line per row, so expected drawings can be written down as they look.
#include <map>
#include <string>

#include "platform/DC.h"

namespace zorva::test {

// '.' is white and '#' black unless the legend says otherwise; any other
// colour shows as '?'.
inline std::string PixelArt(const CDC& dc, const std::map<COLORREF, char>& legend = {}) {
  std::string s;
  for (int32_t y = 0; y < dc.Height(); ++y) {
    for (int32_t x = 0; x < dc.Width(); ++x) {
      COLORREF c = dc.Pixel(x, y);
      auto it = legend.find(c);
      if (it != legend.end())
        s += it->second;
      else
        s += c == RGB(255, 255, 255) ? '.' : c == 0 ? '#' : '?';
    }
    s += '\n';
  }
  return s;
}

// Joins rows given one per argument, each followed by a line end.
template <class... Rows>
std::string Art(const Rows&... rows) {
  std::string s;
  ((s += std::string(rows) + '\n'), ...);
  return s;
}

}  // namespace zorva::test
