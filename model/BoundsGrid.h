#pragma once
// A uniform grid over many rectangles (the areas' bounds), so a question
// about one point or one rectangle looks at the few rectangles near it
// instead of every one. Built once for a fixed set; rectangles are named by
// their index in the set given.
#include <cstddef>
#include <cstdint>
#include <vector>

struct BoundsRect {
  int64_t left = 0, top = 0, right = 0, bottom = 0;  // right and bottom included
};

class CBoundsGrid {
 public:
  CBoundsGrid() = default;
  explicit CBoundsGrid(const std::vector<BoundsRect>& rects);

  // The indexes, ascending, of the rectangles that hold the point (edges
  // included).
  void Containing(int64_t x, int64_t y, std::vector<uint32_t>& out) const;
  // The indexes, ascending, of the rectangles that share a point with `r`.
  void Overlapping(const BoundsRect& r, std::vector<uint32_t>& out) const;

  size_t size() const { return m_rects.size(); }
  const BoundsRect& Rect(size_t i) const { return m_rects[i]; }

 private:
  int64_t CellX(int64_t x) const;
  int64_t CellY(int64_t y) const;
  template <typename Keep>
  void Collect(const BoundsRect& r, Keep keep, std::vector<uint32_t>& out) const;

  std::vector<BoundsRect> m_rects;
  int64_t m_x0 = 0, m_y0 = 0, m_cellW = 1, m_cellH = 1;
  int64_t m_cols = 0, m_rows = 0;
  // Cell c holds m_entries[m_starts[c] .. m_starts[c + 1]), ascending.
  std::vector<uint32_t> m_starts, m_entries;
  // Rectangles over too many cells to enter in each: looked at every time.
  std::vector<uint32_t> m_wide;
};
