#include "model/BoundsGrid.h"

#include <algorithm>
#include <cmath>

namespace {

// A rectangle over more cells than this is kept aside: a few huge areas must
// not fill the whole grid.
constexpr int64_t kMaxCellsEach = 64;

// The value a fraction `q` of the way through the sorted `v` (which it
// reorders).
int64_t Quantile(std::vector<int64_t>& v, double q) {
  const size_t at = std::min(v.size() - 1, size_t(double(v.size() - 1) * q));
  std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(at), v.end());
  return v[at];
}

}  // namespace

CBoundsGrid::CBoundsGrid(const std::vector<BoundsRect>& rects) : m_rects(rects) {
  const size_t n = rects.size();
  if (n == 0) return;
  // The extent leaves out the outer hundredth each way, so one area far off
  // does not stretch every cell; what lies beyond lands in the edge cells.
  // A sample of a thousand or so tells the extent well enough.
  const size_t step = std::max<size_t>(1, n / 1024);
  std::vector<int64_t> v;
  v.reserve(n / step + 1);
  auto bound = [&](auto field, double q) {
    v.clear();
    for (size_t i = 0; i < n; i += step) v.push_back(rects[i].*field);
    return Quantile(v, q);
  };
  m_x0 = bound(&BoundsRect::left, 0.01);
  m_y0 = bound(&BoundsRect::top, 0.01);
  const int64_t x1 = std::max(m_x0, bound(&BoundsRect::right, 0.99));
  const int64_t y1 = std::max(m_y0, bound(&BoundsRect::bottom, 0.99));
  // About one cell per four rectangles, square in picture pixels: finer
  // cells enter each rectangle in more of them for little gain.
  const double w = double(x1 - m_x0) + 1, h = double(y1 - m_y0) + 1;
  const double side = std::max(1.0, std::sqrt(4 * w * h / double(n)));
  m_cols = std::clamp<int64_t>(int64_t(w / side) + 1, 1, 4096);
  m_rows = std::clamp<int64_t>(int64_t(h / side) + 1, 1, 4096);
  m_cellW = std::max<int64_t>(1, int64_t(w / double(m_cols)) + 1);
  m_cellH = std::max<int64_t>(1, int64_t(h / double(m_rows)) + 1);

  // Two passes, counting then filling, so the cells take two blocks in all.
  std::vector<uint32_t> counts(size_t(m_cols * m_rows) + 1, 0);
  auto each = [&](auto visit) {
    for (size_t i = 0; i < n; ++i) {
      const BoundsRect& r = rects[i];
      const int64_t c0 = CellX(r.left), c1 = CellX(r.right), r0 = CellY(r.top), r1 = CellY(r.bottom);
      if ((c1 - c0 + 1) * (r1 - r0 + 1) > kMaxCellsEach) {
        visit(i, -1);
        continue;
      }
      for (int64_t y = r0; y <= r1; ++y)
        for (int64_t x = c0; x <= c1; ++x) visit(i, y * m_cols + x);
    }
  };
  each([&](size_t i, int64_t cell) {
    if (cell < 0) m_wide.push_back(uint32_t(i));
    else ++counts[size_t(cell) + 1];
  });
  for (size_t c = 1; c < counts.size(); ++c) counts[c] += counts[c - 1];
  m_starts = counts;
  m_entries.resize(m_starts.back());
  each([&](size_t i, int64_t cell) {
    if (cell >= 0) m_entries[counts[size_t(cell)]++] = uint32_t(i);
  });
}

int64_t CBoundsGrid::CellX(int64_t x) const {
  return x < m_x0 ? 0 : std::min(m_cols - 1, (x - m_x0) / m_cellW);
}

int64_t CBoundsGrid::CellY(int64_t y) const {
  return y < m_y0 ? 0 : std::min(m_rows - 1, (y - m_y0) / m_cellH);
}

template <typename Keep>
void CBoundsGrid::Collect(const BoundsRect& r, Keep keep, std::vector<uint32_t>& out) const {
  out.clear();
  if (m_rects.empty()) return;
  const int64_t c0 = CellX(r.left), c1 = CellX(r.right), r0 = CellY(r.top), r1 = CellY(r.bottom);
  for (int64_t y = r0; y <= r1; ++y)
    for (int64_t x = c0; x <= c1; ++x) {
      const size_t cell = size_t(y * m_cols + x);
      for (uint32_t k = m_starts[cell]; k < m_starts[cell + 1]; ++k)
        if (keep(m_rects[m_entries[k]])) out.push_back(m_entries[k]);
    }
  // One cell's entries are in order already; those of several cells are
  // sorted, and a rectangle over several of them is found in each.
  const bool oneCell = c0 == c1 && r0 == r1;
  if (!oneCell) {
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
  }
  const auto cells = std::ptrdiff_t(out.size());
  for (uint32_t i : m_wide)
    if (keep(m_rects[i])) out.push_back(i);
  std::inplace_merge(out.begin(), out.begin() + cells, out.end());
}

void CBoundsGrid::Containing(int64_t x, int64_t y, std::vector<uint32_t>& out) const {
  Collect({x, y, x, y}, [&](const BoundsRect& b) { return b.left <= x && x <= b.right && b.top <= y && y <= b.bottom; },
          out);
}

void CBoundsGrid::Overlapping(const BoundsRect& r, std::vector<uint32_t>& out) const {
  Collect(r, [&](const BoundsRect& b) { return b.left <= r.right && r.left <= b.right && b.top <= r.bottom && r.top <= b.bottom; },
          out);
}
