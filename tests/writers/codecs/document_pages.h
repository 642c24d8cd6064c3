#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvane::codecs::fixtures {

// A 1-bit image, rows of ceil(width / 8) bytes, leftmost pixel in the most
// significant bit, 1 = black.
struct Bilevel {
  Bilevel(int w, int h) : width(w), height(h), stride((w + 7) / 8), bits(static_cast<std::size_t>(stride) * h) {}

  const std::uint8_t* Row(int y) const { return bits.data() + static_cast<std::size_t>(y) * stride; }
  bool Black(int x, int y) const { return (Row(y)[x >> 3] >> (7 - (x & 7))) & 1; }
  void SetBlack(int x, int y);
  // Blackens the pixels x0 <= x < x1, y0 <= y < y1 that lie inside the image.
  void FillRect(int x0, int y0, int x1, int y1);
  // The same pixels with 1 = white.
  Bilevel Inverted() const;

  int width;
  int height;
  int stride;
  std::vector<std::uint8_t> bits;
};

// An 8-bit image with 1 (grey) or 3 (red, green, blue) samples per pixel.
struct Continuous {
  int width = 0;
  int height = 0;
  int samples = 1;
  std::vector<std::uint8_t> bytes;

  std::size_t RowBytes() const { return static_cast<std::size_t>(width) * samples; }
};

// A scanned business letter: border, logo, heading, paragraphs of text and
// a table grid. Drawn at 300 dpi proportions; any size works.
Bilevel DocumentPage(int width, int height);

// The same letter as a grey scan (paper tone, soft text edges, a photo).
Continuous GreyDocumentPage(int width, int height);

// The same letter as a colour scan (tinted paper, blue ink, a colour photo).
Continuous ColourDocumentPage(int width, int height);

// Horizontal differencing as TIFF's predictor 2 does it, row by row.
void DifferenceRows(Continuous& image);

}  // namespace quorvane::codecs::fixtures
