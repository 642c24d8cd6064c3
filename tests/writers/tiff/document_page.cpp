#include "document_page.h"

#include <algorithm>
#include <cstdint>

namespace quorvane::testing {

namespace {

struct Rgb {
  std::uint8_t r, g, b;
};

class Painter {
 public:
  Painter(TPageBitmap& bitmap, TPageKind kind) : bitmap_(bitmap), kind_(kind) {}

  void Fill(int x0, int y0, int x1, int y1, Rgb colour) {
    for (int y = std::max(y0, 0); y < std::min(y1, bitmap_.Height()); ++y)
      for (int x = std::max(x0, 0); x < std::min(x1, bitmap_.Width()); ++x) Set(x, y, colour);
  }

  void Set(int x, int y, Rgb c) {
    if (kind_ == TPageKind::BlackWhite) {
      bitmap_.SetWhite(x, y, (c.r * 21 + c.g * 71 + c.b * 8) / 100 >= 128);
      return;
    }
    if (kind_ == TPageKind::Grey) c.r = c.g = c.b = static_cast<std::uint8_t>((c.r * 21 + c.g * 71 + c.b * 8) / 100);
    std::uint8_t* p = bitmap_.Row(y) + 3 * x;
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
  }

 private:
  TPageBitmap& bitmap_;
  TPageKind kind_;
};

// A round logo with a colour ramp, top left.
void DrawLogo(Painter& painter, int unit) {
  const int radius = 6 * unit, cx = 4 * unit + radius, cy = 4 * unit + radius;
  for (int y = cy - radius; y <= cy + radius; ++y) {
    for (int x = cx - radius; x <= cx + radius; ++x) {
      const int dx = x - cx, dy = y - cy;
      if (dx * dx + dy * dy > radius * radius || x < 0 || y < 0) continue;
      const auto shade = static_cast<std::uint8_t>(std::clamp(128 + 100 * dx / std::max(radius, 1), 0, 255));
      painter.Fill(x, y, x + 1, y + 1, Rgb{200, shade, 30});
    }
  }
}

// Words of varying length in lines, like a paragraph.
void DrawText(Painter& painter, int width, int top, int bottom, int unit) {
  std::uint32_t seed = 12345;
  const int lineHeight = 3 * unit + 2;
  for (int y = top; y + lineHeight <= bottom; y += 2 * lineHeight) {
    int x = 4 * unit;
    const int lineEnd = width - 4 * unit - (y / lineHeight % 5 == 4 ? width / 3 : 0);
    while (x < lineEnd) {
      seed = seed * 1103515245 + 12345;
      const int wordLength = (2 + static_cast<int>(seed >> 16) % 9) * (unit + 1);
      painter.Fill(x, y, std::min(x + wordLength, lineEnd), y + lineHeight - 1, Rgb{30, 30, 40});
      x += wordLength + unit + 1;
    }
  }
}

// A ruled table with a tinted header row.
void DrawTable(Painter& painter, int width, int top, int bottom, int unit) {
  const int left = 4 * unit, right = width - 4 * unit, rowHeight = 5 * unit + 2;
  if (right <= left) return;
  painter.Fill(left, top, right, top + rowHeight, Rgb{180, 200, 240});
  for (int y = top; y <= bottom; y += rowHeight) painter.Fill(left, y, right, y + std::max(unit / 3, 1), Rgb{20, 40, 120});
  for (int column = 0; column <= 4; ++column) {
    const int x = left + (right - left - 1) * column / 4;
    painter.Fill(x, top, x + std::max(unit / 3, 1), bottom, Rgb{20, 40, 120});
  }
}

}  // namespace

TPage MakeDocumentPage(int width, int height, TPageKind kind, int dpi) {
  TPage page;
  page.Bitmap = TPageBitmap(width, height, kind == TPageKind::BlackWhite ? pf1Bit : pf24RGB);
  page.Params.BitsPerSample = kind == TPageKind::BlackWhite ? 1 : 8;
  page.Params.SamplesPerPixel = kind == TPageKind::Colour ? 3 : 1;
  page.Params.DpiX = dpi;
  page.Params.DpiY = dpi;

  Painter painter(page.Bitmap, kind);
  const int unit = std::max(1, width / 200);
  DrawLogo(painter, unit);
  const int textTop = height / 5;
  const int tableTop = height * 3 / 5;
  DrawText(painter, width, textTop, tableTop - 4 * unit, unit);
  DrawTable(painter, width, tableTop, height - 4 * unit, unit);
  // A few dark pixels at the very edges, where odd widths end.
  painter.Fill(width - 1, 0, width, height, Rgb{0, 0, 0});
  painter.Fill(0, height - 1, width / 2, height, Rgb{0, 0, 0});
  return page;
}

}  // namespace quorvane::testing
