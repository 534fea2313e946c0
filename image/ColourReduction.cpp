#include "image/ColourReduction.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <numeric>

#include "platform/Bitmap.h"

namespace zorva {

namespace {

constexpr COLORREF kLowFixed[8] = {RGB(0, 0, 0),     RGB(128, 0, 0),   RGB(0, 128, 0),
                                   RGB(128, 128, 0), RGB(0, 0, 128),   RGB(128, 0, 128),
                                   RGB(0, 128, 128), RGB(192, 192, 192)};
constexpr COLORREF kHighFixed[8] = {RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),
                                    RGB(255, 255, 0),   RGB(0, 0, 255),   RGB(255, 0, 255),
                                    RGB(0, 255, 255),   RGB(255, 255, 255)};
constexpr size_t kChosen = 240;

int32_t Red(COLORREF c) { return int32_t((c >> 16) & 0xFF); }
int32_t Green(COLORREF c) { return int32_t((c >> 8) & 0xFF); }
int32_t Blue(COLORREF c) { return int32_t(c & 0xFF); }

// Squared distance from v to the interval [lo, lo + 7], and to its far end.
int32_t NearSq(int32_t v, int32_t lo) {
  int32_t d = v < lo ? lo - v : (v > lo + 7 ? v - lo - 7 : 0);
  return d * d;
}
int32_t FarSq(int32_t v, int32_t lo) {
  int32_t d = std::max(std::abs(v - lo), std::abs(v - lo - 7));
  return d * d;
}

}  // namespace

Palette256 CColourHistogram::BuildPalette() const {
  std::vector<uint16_t> codes(m_counts.size());
  std::iota(codes.begin(), codes.end(), uint16_t(0));
  std::partial_sort(codes.begin(), codes.begin() + kChosen, codes.end(), [this](uint16_t a, uint16_t b) {
    return m_counts[a] != m_counts[b] ? m_counts[a] > m_counts[b] : a < b;
  });
  std::sort(codes.begin(), codes.begin() + kChosen);

  Palette256 palette{};
  std::copy(std::begin(kLowFixed), std::end(kLowFixed), palette.begin());
  for (size_t i = 0; i < kChosen; ++i) {
    uint16_t code = codes[i];
    palette[8 + i] = RGB(uint8_t((code >> 10) * 8), uint8_t(((code >> 5) & 31) * 8), uint8_t((code & 31) * 8));
  }
  std::copy(std::begin(kHighFixed), std::end(kHighFixed), palette.begin() + 248);
  return palette;
}

Palette256 ReductionPaletteOf(const CBitmap& bitmap) {
  CColourHistogram histogram;
  for (int32_t y = 0; y < bitmap.Height(); ++y)
    for (int32_t x = 0; x < bitmap.Width(); ++x) {
      const COLORREF c = bitmap.GetPixel(x, y);
      histogram.Add(CColourHistogram::CodeOf(uint8_t(Red(c)), uint8_t(Green(c)), uint8_t(Blue(c))));
    }
  return histogram.BuildPalette();
}

uint8_t NearestEntryPlain(const Palette256& palette, COLORREF colour) {
  int32_t best = INT32_MAX;
  uint8_t bestIndex = 0;
  for (int i = 0; i < 256; ++i) {
    int32_t dr = Red(palette[i]) - Red(colour), dg = Green(palette[i]) - Green(colour),
            db = Blue(palette[i]) - Blue(colour);
    int32_t d = dr * dr + dg * dg + db * db;
    if (d < best) {
      best = d;
      bestIndex = uint8_t(i);
    }
  }
  return bestIndex;
}

CNearestColour::CNearestColour(const Palette256& palette)
    : m_cellStart(32768, 0), m_cellCount(32768, 0) {
  for (int i = 0; i < 256; ++i) {
    m_r[i] = Red(palette[i]);
    m_g[i] = Green(palette[i]);
    m_b[i] = Blue(palette[i]);
  }
}

void CNearestColour::BuildCell(uint16_t cell) {
  int32_t r0 = (cell >> 10) * 8, g0 = ((cell >> 5) & 31) * 8, b0 = (cell & 31) * 8;
  // An entry can be nearest for some colour of the cube only when its least
  // distance to the cube is no more than the smallest greatest distance.
  int32_t nearSq[256];
  int32_t bound = INT32_MAX;
  for (int i = 0; i < 256; ++i) {
    nearSq[i] = NearSq(m_r[i], r0) + NearSq(m_g[i], g0) + NearSq(m_b[i], b0);
    bound = std::min(bound, FarSq(m_r[i], r0) + FarSq(m_g[i], g0) + FarSq(m_b[i], b0));
  }
  m_cellStart[cell] = uint32_t(m_candidates.size());
  uint16_t count = 0;
  for (int i = 0; i < 256; ++i) {
    if (nearSq[i] <= bound) {
      m_candidates.push_back(uint8_t(i));
      ++count;
    }
  }
  m_cellCount[cell] = count;
}

uint8_t CNearestColour::Find(COLORREF colour) {
  colour &= 0xFFFFFF;
  if (colour == m_lastColour) return m_lastIndex;
  int32_t r = Red(colour), g = Green(colour), b = Blue(colour);
  uint16_t cell = CColourHistogram::CodeOf(uint8_t(r), uint8_t(g), uint8_t(b));
  if (m_cellCount[cell] == 0) BuildCell(cell);
  const uint8_t* list = m_candidates.data() + m_cellStart[cell];
  int count = m_cellCount[cell];
  int32_t best = INT32_MAX;
  uint8_t bestIndex = 0;
  for (int k = 0; k < count; ++k) {
    uint8_t i = list[k];
    int32_t dr = m_r[i] - r, dg = m_g[i] - g, db = m_b[i] - b;
    int32_t d = dr * dr + dg * dg + db * db;
    if (d < best) {
      best = d;
      bestIndex = i;
    }
  }
  m_lastColour = colour;
  m_lastIndex = bestIndex;
  return bestIndex;
}

}  // namespace zorva
