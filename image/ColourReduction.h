#pragma once
// Reduction of a full-colour picture to a 256-colour palette made for it:
// 16 fixed colours and the 240 most frequent 15-bit colour codes.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/Types.h"

class CBitmap;

namespace zorva {

using Palette256 = std::array<COLORREF, 256>;

// Counts pixels by colour code (the top five bits of each channel).
class CColourHistogram {
 public:
  CColourHistogram() : m_counts(32768, 0) {}

  static uint16_t CodeOf(uint8_t r, uint8_t g, uint8_t b) {
    return uint16_t((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3));
  }
  void Add(uint16_t code) { ++m_counts[code]; }
  uint32_t Count(uint16_t code) const { return m_counts[code]; }

  // Entries 0-7 and 248-255 are the fixed colours; 8-247 are the 240 most
  // frequent codes (ties and empty codes by the smaller code) in code order,
  // each as the lower corner of its colour cube.
  Palette256 BuildPalette() const;

 private:
  std::vector<uint32_t> m_counts;
};

// The palette the reduction builds for the picture in `bitmap`: the
// histogram of its pixel colours (through its palette when it has 8 bits).
Palette256 ReductionPaletteOf(const CBitmap& bitmap);

// The palette entry nearest to a colour: the smallest squared distance in
// RGB, the lowest index among equals. Candidates are worked out once per
// colour-code cube, so most searches look at a handful of entries.
class CNearestColour {
 public:
  explicit CNearestColour(const Palette256& palette);
  uint8_t Find(COLORREF colour);

 private:
  void BuildCell(uint16_t cell);

  std::array<int32_t, 256> m_r{}, m_g{}, m_b{};
  std::vector<uint32_t> m_cellStart;  // offset into m_candidates
  std::vector<uint16_t> m_cellCount;  // 0: not yet built (every cube has a candidate)
  std::vector<uint8_t> m_candidates;  // entries in index order, cube after cube
  COLORREF m_lastColour = 0xFFFFFFFF;
  uint8_t m_lastIndex = 0;
};

// The full search the cube candidates must agree with.
uint8_t NearestEntryPlain(const Palette256& palette, COLORREF colour);

}  // namespace zorva
