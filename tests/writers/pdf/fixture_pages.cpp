#include "fixture_pages.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace quorvane::test {

namespace {

struct Colour {
  std::uint8_t r, g, b;
};

constexpr Colour kInk{20, 20, 30};
constexpr Colour kLogo{200, 40, 30};
constexpr Colour kBand{128, 128, 128};
constexpr Colour kPaper{250, 248, 240};

void Put(TPageBitmap& page, int x, int y, Colour c) {
  if (x < 0 || y < 0 || x >= page.Width() || y >= page.Height()) return;
  if (page.PixelFormat() == pf1Bit) {
    page.SetWhite(x, y, (c.r + c.g + c.b) / 3 >= 128);
    return;
  }
  std::uint8_t* p = page.Row(y) + 3 * x;
  p[0] = c.b;
  p[1] = c.g;
  p[2] = c.r;
}

void Fill(TPageBitmap& page, int x0, int y0, int w, int h, Colour c) {
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) Put(page, x, y, c);
}

void Disc(TPageBitmap& page, int cx, int cy, int radius, Colour c) {
  for (int y = -radius; y <= radius; ++y)
    for (int x = -radius; x <= radius; ++x)
      if (x * x + y * y <= radius * radius) Put(page, cx + x, cy + y, c);
}

// A line of "words": blocks of letter-high ink with gaps, widths varying like text.
void TextLine(TPageBitmap& page, int x0, int y0, int width, int letterHeight, unsigned seed) {
  int x = x0;
  while (x < x0 + width) {
    seed = seed * 1103515245u + 12345u;
    const int word = letterHeight * (1 + static_cast<int>((seed >> 16) % 6));
    const int end = std::min(x + word, x0 + width);
    for (int letter = x; letter < end; letter += letterHeight * 2 / 3) {
      const int stem = std::max(1, letterHeight / 6);
      Fill(page, letter, y0, stem, letterHeight, kInk);
      Fill(page, letter, y0 + letterHeight - stem, letterHeight / 2, stem, kInk);
    }
    x = end + letterHeight;
  }
}

}  // namespace

TPageBitmap DrawLetterPage(int width, int height, TPagePixelFormat format) {
  TPageBitmap page(width, height, format);
  const int unit = std::max(1, width / 100);  // about a millimetre on an A4 page
  if (format == pf24RGB) Fill(page, 0, 0, width, height, kPaper);

  // Logo: a disc with a ring cut out, top right.
  Disc(page, width - 15 * unit, 15 * unit, 8 * unit, kLogo);
  Disc(page, width - 15 * unit, 15 * unit, 5 * unit, format == pf24RGB ? kPaper : Colour{255, 255, 255});
  Disc(page, width - 15 * unit, 15 * unit, 2 * unit, kLogo);

  // Address block and body text.
  unsigned seed = 7;
  for (int line = 0; line < 4; ++line) TextLine(page, 10 * unit, (12 + 4 * line) * unit, 35 * unit, 2 * unit, seed++);
  for (int line = 0; line < 12; ++line) TextLine(page, 10 * unit, (40 + 4 * line) * unit, 80 * unit, 2 * unit, seed++);

  // Table: 5 rows by 4 columns of one-pixel-wide rules with text in the cells.
  const int top = 92 * unit;
  const int rowHeight = 6 * unit;
  const int left = 10 * unit;
  const int columnWidth = 20 * unit;
  if (format == pf24RGB) Fill(page, left, top, 4 * columnWidth, rowHeight, kBand);
  for (int r = 0; r <= 5; ++r) Fill(page, left, top + r * rowHeight, 4 * columnWidth + 1, 1, kInk);
  for (int c = 0; c <= 4; ++c) Fill(page, left + c * columnWidth, top, 1, 5 * rowHeight + 1, kInk);
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 4; ++c)
      TextLine(page, left + c * columnWidth + unit, top + r * rowHeight + 2 * unit, columnWidth - 3 * unit, 2 * unit,
               seed++);

  // Signature: a slanted wave.
  for (int x = 0; x < 30 * unit; ++x) {
    const int y = top + 36 * unit + static_cast<int>(2.0 * unit * std::sin(x / (1.5 * unit))) - x / 6;
    Fill(page, 10 * unit + x, y, 1 + unit / 3, 1 + unit / 3, kInk);
  }
  return page;
}

}  // namespace quorvane::test
