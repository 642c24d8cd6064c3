#include "document_pages.h"

#include <algorithm>
#include <cmath>

namespace quorvane::codecs::fixtures {

void Bilevel::SetBlack(int x, int y) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  bits[static_cast<std::size_t>(y) * stride + (x >> 3)] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
}

void Bilevel::FillRect(int x0, int y0, int x1, int y1) {
  for (int y = std::max(y0, 0); y < std::min(y1, height); ++y) {
    for (int x = std::max(x0, 0); x < std::min(x1, width); ++x) SetBlack(x, y);
  }
}

Bilevel Bilevel::Inverted() const {
  Bilevel copy = *this;
  for (auto& byte : copy.bits) byte = static_cast<std::uint8_t>(~byte);
  return copy;
}

namespace {

// A letter-like glyph: a few strokes picked from the character code.
void DrawGlyph(Bilevel& page, int x, int y, int size, unsigned code) {
  const int stroke = std::max(1, size / 8);
  const int w = size * 3 / 5;
  if (code & 1) page.FillRect(x, y, x + stroke, y + size);                     // left stem
  if (code & 2) page.FillRect(x + w - stroke, y + size / 3, x + w, y + size);  // right stem
  if (code & 4) page.FillRect(x, y + size / 3, x + w, y + size / 3 + stroke);  // shoulder
  if (code & 8) page.FillRect(x, y + size - stroke, x + w, y + size);          // base
  if (code & 16) {                                                             // bowl
    const double r = w / 2.0;
    for (int dy = 0; dy < size * 2 / 3; ++dy) {
      for (int dx = 0; dx < w; ++dx) {
        const double d = std::hypot(dx - r + 0.5, dy - size / 3.0 + 0.5);
        if (d <= r && d > r - stroke) page.SetBlack(x + dx, y + size / 3 + dy);
      }
    }
  }
  if ((code & 31) == 0) page.FillRect(x + w / 2 - stroke / 2, y, x + w / 2 + stroke, y + size);
}

// A line of words; returns nothing, wraps nothing: stops at `right`.
void DrawTextLine(Bilevel& page, int x, int y, int right, int size, unsigned seed) {
  unsigned state = seed * 2654435761u + 12345u;
  while (x + size < right) {
    state = state * 1103515245u + 12345u;
    const int letters = 2 + static_cast<int>((state >> 16) % 9);
    for (int i = 0; i < letters && x + size < right; ++i) {
      state = state * 1103515245u + 12345u;
      DrawGlyph(page, x, y, size, state >> 20);
      x += size * 3 / 5 + std::max(2, size / 6);
    }
    x += size / 2;
  }
}

void DrawFrame(Bilevel& page, int x0, int y0, int x1, int y1, int thickness) {
  page.FillRect(x0, y0, x1, y0 + thickness);
  page.FillRect(x0, y1 - thickness, x1, y1);
  page.FillRect(x0, y0, x0 + thickness, y1);
  page.FillRect(x1 - thickness, y0, x1, y1);
}

void DrawLogo(Bilevel& page, int cx, int cy, int r) {
  for (int y = cy - r; y <= cy + r; ++y) {
    for (int x = cx - r; x <= cx + r; ++x) {
      const double d = std::hypot(x - cx, y - cy);
      const bool ring = d <= r && d > r * 0.8;
      const bool bar = d <= r * 0.6 && std::abs(y - cy) < r / 6;
      const bool wedge = d <= r * 0.6 && x > cx && std::abs(y - cy) < (x - cx) / 2;
      if (ring || bar || wedge) page.SetBlack(x, y);
    }
  }
}

}  // namespace

Bilevel DocumentPage(int width, int height) {
  Bilevel page(width, height);
  const int unit = std::max(1, width / 100);  // about 25 px on an A4 page at 300 dpi
  const int margin = unit * 8;
  DrawFrame(page, unit * 3, unit * 3, width - unit * 3, height - unit * 3, std::max(1, unit / 6));
  DrawLogo(page, width - margin - unit * 5, margin + unit * 5, unit * 5);
  DrawTextLine(page, margin, margin, width / 2, unit * 2, 1);  // heading
  int y = margin + unit * 14;
  unsigned line = 2;
  for (int paragraph = 0; paragraph < 3 && y < height / 2; ++paragraph) {
    for (int i = 0; i < 7; ++i, ++line, y += unit * 2) {
      const int right = i == 6 ? width / 2 : width - margin;
      DrawTextLine(page, margin, y, right, unit + unit / 5, line);
    }
    y += unit * 2;
  }
  // A table: ruled grid with a figure in every cell.
  const int columns = 5;
  const int cellHeight = unit * 3;
  const int tableRight = width - margin;
  const int rows = std::max(1, (height - margin - y) / cellHeight - 2);
  const int tableBottom = y + rows * cellHeight;
  const int rule = std::max(1, unit / 8);
  for (int r = 0; r <= rows; ++r) page.FillRect(margin, y + r * cellHeight, tableRight, y + r * cellHeight + rule);
  for (int c = 0; c <= columns; ++c) {
    const int x = margin + c * (tableRight - margin - rule) / columns;
    page.FillRect(x, y, x + rule, tableBottom + rule);
  }
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const int x = margin + c * (tableRight - margin) / columns + unit / 2;
      DrawTextLine(page, x, y + r * cellHeight + unit, x + (tableRight - margin) / columns / 2, unit, line++);
    }
  }
  return page;
}

namespace {

// Soft edges: a pixel's darkness grows with the black pixels around it.
int Darkness(const Bilevel& page, int x, int y) {
  int black = 0;
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      const int px = x + dx;
      const int py = y + dy;
      if (px >= 0 && py >= 0 && px < page.width && py < page.height && page.Black(px, py)) ++black;
    }
  }
  return black;  // 0..9
}

// A smooth photo-like patch: shaded sphere on a gradient.
int Photo(int x, int y, int size) {
  const double u = static_cast<double>(x) / size - 0.5;
  const double v = static_cast<double>(y) / size - 0.5;
  const double r2 = u * u + v * v;
  if (r2 < 0.16) return static_cast<int>(60 + 160 * (1 - std::sqrt(r2 / 0.16)) * (0.6 - 0.5 * u - 0.5 * v));
  return 120 + static_cast<int>(80 * v);
}

Continuous Shade(int width, int height, int samples, const int paper[3], const int ink[3]) {
  const Bilevel page = DocumentPage(width, height);
  Continuous image{width, height, samples,
                   std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * samples)};
  const int photoSize = std::max(1, width / 5);
  const int photoX = width / 2;
  const int photoY = std::max(1, width / 100) * 4;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int grain = ((x * 7 + y * 13) ^ (x * y)) % 3;  // faint paper structure
      const int dark = Darkness(page, x, y);
      const bool inPhoto = x >= photoX && x < photoX + photoSize && y >= photoY && y < photoY + photoSize / 2;
      std::uint8_t* pixel = &image.bytes[(static_cast<std::size_t>(y) * width + x) * samples];
      for (int s = 0; s < samples; ++s) {
        int value = paper[s] - grain + (ink[s] - paper[s]) * dark / 9;
        if (inPhoto) value = std::clamp(Photo(x - photoX, y - photoY, photoSize) + s * 20 - 20, 0, 255);
        pixel[s] = static_cast<std::uint8_t>(std::clamp(value, 0, 255));
      }
    }
  }
  return image;
}

}  // namespace

Continuous GreyDocumentPage(int width, int height) {
  const int paper[3] = {242, 0, 0};
  const int ink[3] = {38, 0, 0};
  return Shade(width, height, 1, paper, ink);
}

Continuous ColourDocumentPage(int width, int height) {
  const int paper[3] = {246, 243, 232};
  const int ink[3] = {28, 36, 92};
  return Shade(width, height, 3, paper, ink);
}

void DifferenceRows(Continuous& image) {
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* row = &image.bytes[static_cast<std::size_t>(y) * image.RowBytes()];
    for (std::size_t i = image.RowBytes() - 1; i >= static_cast<std::size_t>(image.samples); --i) {
      row[i] = static_cast<std::uint8_t>(row[i] - row[i - image.samples]);
    }
  }
}

}  // namespace quorvane::codecs::fixtures
