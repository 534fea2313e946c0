#pragma once
// The program's own GIF decoder: the first image of a GIF87a or GIF89a
// stream, as colour indices with the colour table that applies to them.
#include <array>
#include <cstdint>
#include <vector>

#include "image/PictureLimits.h"
#include "platform/Types.h"

class CGifDecoder {
 public:
  enum class Result {
    Ok,          // an image was found (damaged data leaves its remaining pixels black)
    NoImage,     // the stream ends before an image descriptor: a 0 x 0 picture
    TooLarge,    // the image is larger than the program takes on
    OutOfMemory,
    BadCodeSize, // an LZW minimum code size no decoder reads: nothing to show
  };

  // Takes the whole file; its data sub-blocks are joined in place.
  Result Decode(std::vector<uint8_t> file, int64_t maxPixels = zorva::kMaxPicturePixels);

  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  bool Interlaced() const { return m_interlaced; }

  // Indices in stream order; only the first DecodedCount() are valid.
  const uint8_t* Indices() const { return m_indices.data(); }
  size_t DecodedCount() const { return m_decoded; }

  // Each index as 0x00RRGGBB; entries past the stream's table are black.
  const std::array<COLORREF, 256>& Colours() const { return m_colours; }

  // Fills one picture row from stream row `streamRow` (0 .. height-1);
  // pixels the data did not reach are black.
  void CopyStreamRow(int32_t streamRow, uint32_t* dest) const;

  // The picture row that stream row `streamRow` belongs to: the same row,
  // or for an interlaced image rows 0, 8, 16, ... then 4, 12, ... then
  // 2, 6, ... then 1, 3, ...
  static int32_t PictureRow(int32_t streamRow, int32_t height, bool interlaced);

 private:
  void SetColours(const uint8_t* table, size_t bytes);

  int32_t m_width = 0;
  int32_t m_height = 0;
  bool m_interlaced = false;
  std::vector<uint8_t> m_indices;
  size_t m_decoded = 0;
  std::array<COLORREF, 256> m_colours{};
};
