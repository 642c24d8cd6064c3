#include "fixture_pages.h"

#include <zint.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <stdexcept>

namespace quorvane::testing {

namespace {

constexpr double kA4WidthMm = 210;

struct Rgb {
  float r, g, b;
};

// Working canvas in floating point colour; turned into a page at the end.
class Canvas {
 public:
  Canvas(int width, int height, Rgb paper) : width_(width), height_(height), pixels_(std::size_t(width) * height, paper) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb& At(int x, int y) { return pixels_[std::size_t(y) * width_ + x]; }

  void FillRect(int x0, int y0, int x1, int y1, Rgb colour) {
    for (int y = std::max(0, y0); y < std::min(height_, y1); ++y) {
      for (int x = std::max(0, x0); x < std::min(width_, x1); ++x) At(x, y) = colour;
    }
  }

 private:
  int width_, height_;
  std::vector<Rgb> pixels_;
};

struct ZintSymbolDeleter {
  void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};

// zint's raster of the code at one pixel per module, quiet zones included.
struct CodeRaster {
  int width = 0, height = 0;
  std::vector<bool> dark;
  bool Dark(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height && dark[std::size_t(y) * width + x]; }
};

CodeRaster RenderCode(const TFixtureCode& code) {
  std::unique_ptr<zint_symbol, ZintSymbolDeleter> symbol(ZBarcode_Create());
  symbol->symbology = code.symbology;
  symbol->scale = 0.5f;  // one pixel per module
  symbol->show_hrt = 0;
  symbol->height = 40;   // linear codes: bar height in modules
  symbol->output_options |= BARCODE_QUIET_ZONES;
  const auto* data = reinterpret_cast<const unsigned char*>(code.text.data());
  if (ZBarcode_Encode_and_Buffer(symbol.get(), data, int(code.text.size()), 0) >= ZINT_ERROR) {
    throw std::runtime_error(std::string("zint: ") + symbol->errtxt);
  }
  CodeRaster raster;
  raster.width = symbol->bitmap_width;
  raster.height = symbol->bitmap_height;
  raster.dark.resize(std::size_t(raster.width) * raster.height);
  for (std::size_t i = 0; i < raster.dark.size(); ++i) raster.dark[i] = symbol->bitmap[3 * i] < 128;
  return raster;
}

// Draws the code with area sampling (4 x 4 per pixel), as a scanner sees edges.
void DrawCode(Canvas& canvas, const TFixtureCode& code, double pxPerMm, Rgb ink, Rgb ground) {
  const CodeRaster raster = RenderCode(code);
  const double module = code.moduleMm * pxPerMm;
  const double cx = code.centreXMm * pxPerMm, cy = code.centreYMm * pxPerMm;
  const double a = code.angle * std::numbers::pi / 180;
  const double c = std::cos(a), s = std::sin(a);
  // Labels keep 2 mm of ground around the code, beyond the symbology's own quiet zone.
  const double margin = 2 / code.moduleMm;
  const double halfDiagonal = 0.5 * module * std::hypot(raster.width + 2 * margin, raster.height + 2 * margin) + 2;
  if (code.inverted) std::swap(ink, ground);
  for (int y = int(cy - halfDiagonal); y <= int(cy + halfDiagonal); ++y) {
    for (int x = int(cx - halfDiagonal); x <= int(cx + halfDiagonal); ++x) {
      if (x < 0 || y < 0 || x >= canvas.Width() || y >= canvas.Height()) continue;
      int inside = 0, darkSamples = 0;
      for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
          const double dx = x + (sx + 0.5) / 4 - cx, dy = y + (sy + 0.5) / 4 - cy;
          // Page y grows downwards, so a counter-clockwise turn rotates by -angle here.
          const double u = (c * dx - s * dy) / module + raster.width / 2.0;
          const double v = (s * dx + c * dy) / module + raster.height / 2.0;
          if (u < -margin || v < -margin || u >= raster.width + margin || v >= raster.height + margin) continue;
          ++inside;
          darkSamples += raster.Dark(int(std::floor(u)), int(std::floor(v)));
        }
      }
      if (inside == 0) continue;
      const double k = double(darkSamples) / 16, g = double(inside - darkSamples) / 16, rest = 1 - k - g;
      Rgb& p = canvas.At(x, y);
      p = {float(k * ink.r + g * ground.r + rest * p.r), float(k * ink.g + g * ground.g + rest * p.g),
           float(k * ink.b + g * ground.b + rest * p.b)};
    }
  }
}

// Lines of "words": each letter a few strokes, so the texture resembles print.
void DrawTextBlock(Canvas& canvas, std::mt19937& random, double pxPerMm, double x0Mm, double y0Mm, double widthMm,
                   int lines, double letterMm, Rgb ink) {
  std::uniform_int_distribution<int> wordLength(2, 9), strokes(1, 3), pattern(0, 5);
  const int h = std::max(2, int(letterMm * pxPerMm));
  const int w = std::max(2, int(h * 0.6));
  const int stroke = std::max(1, h / 7);
  for (int line = 0; line < lines; ++line) {
    int x = int(x0Mm * pxPerMm);
    const int y = int((y0Mm + line * letterMm * 1.8) * pxPerMm);
    const int xEnd = int((x0Mm + widthMm) * pxPerMm);
    while (x + w * 3 < xEnd) {
      const int letters = wordLength(random);
      for (int l = 0; l < letters && x + w < xEnd; ++l, x += w + stroke) {
        for (int k = strokes(random); k > 0; --k) {
          switch (pattern(random)) {
            case 0: canvas.FillRect(x, y, x + stroke, y + h, ink); break;
            case 1: canvas.FillRect(x + w - stroke, y, x + w, y + h, ink); break;
            case 2: canvas.FillRect(x, y, x + w, y + stroke, ink); break;
            case 3: canvas.FillRect(x, y + h - stroke, x + w, y + h, ink); break;
            case 4: canvas.FillRect(x, y + h / 2, x + w, y + h / 2 + stroke, ink); break;
            default: canvas.FillRect(x + w / 2, y - h / 3, x + w / 2 + stroke, y + h, ink); break;
          }
        }
      }
      x += 2 * w;
    }
  }
}

void DrawTable(Canvas& canvas, double pxPerMm, double x0Mm, double y0Mm, double widthMm, int rows, Rgb ink) {
  const int line = std::max(1, int(0.25 * pxPerMm));
  const int x0 = int(x0Mm * pxPerMm), x1 = int((x0Mm + widthMm) * pxPerMm);
  for (int r = 0; r <= rows; ++r) {
    const int y = int((y0Mm + r * 7) * pxPerMm);
    canvas.FillRect(x0, y, x1, y + line, ink);
  }
  for (double colMm : {0.0, 0.15, 0.6, 0.8, 1.0}) {
    const int x = int((x0Mm + colMm * widthMm) * pxPerMm);
    canvas.FillRect(x, int(y0Mm * pxPerMm), x + line, int((y0Mm + rows * 7) * pxPerMm) + line, ink);
  }
}

Rgb Paper(TFixtureColour colour) {
  switch (colour) {
    case TFixtureColour::BlackWhite: return {255, 255, 255};
    case TFixtureColour::Grey: return {242, 242, 242};
    case TFixtureColour::Colour: return {250, 246, 232};
  }
  return {255, 255, 255};
}

// Scanner noise, then the pixel format of the colour mode.
TPageBitmap ToPage(Canvas& canvas, TFixtureColour colour, unsigned seed) {
  std::minstd_rand random(seed);
  const int w = canvas.Width(), h = canvas.Height();
  TPageBitmap page(w, h, colour == TFixtureColour::BlackWhite ? pf1Bit : pf24RGB);
  auto clamp = [](double v) { return std::uint8_t(std::clamp(std::lround(v), 0L, 255L)); };
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = page.Row(y);
    for (int x = 0; x < w; ++x) {
      const Rgb p = canvas.At(x, y);
      const double n = double(random() % 13) - 6;  // scanner noise, +-6 levels
      if (colour == TFixtureColour::Colour) {
        row[3 * x] = clamp(p.b + n);
        row[3 * x + 1] = clamp(p.g + n);
        row[3 * x + 2] = clamp(p.r + n);
        continue;
      }
      const double grey = 0.299 * p.r + 0.587 * p.g + 0.114 * p.b + n;
      if (colour == TFixtureColour::Grey) {
        std::fill_n(row + 3 * x, 3, clamp(grey));
      } else {
        page.SetWhite(x, y, grey >= 128);
      }
    }
  }
  return page;
}

Canvas PaperCanvas(int dpi, TFixtureColour colour, double heightMm) {
  const double pxPerMm = dpi / 25.4;
  return Canvas(int(std::lround(kA4WidthMm * pxPerMm)), int(std::lround(heightMm * pxPerMm)), Paper(colour));
}

}  // namespace

TPageBitmap DrawDocumentPage(int dpi, TFixtureColour colour, const std::vector<TFixtureCode>& codes, double heightMm) {
  const double pxPerMm = dpi / 25.4;
  Canvas canvas = PaperCanvas(dpi, colour, heightMm);
  std::mt19937 random(unsigned(dpi) * 31u + unsigned(codes.size()));
  const Rgb ink{25, 25, 30};
  const Rgb accent = colour == TFixtureColour::Colour ? Rgb{20, 70, 160} : Rgb{90, 90, 90};
  // Letterhead: logo block and sender line.
  canvas.FillRect(int(20 * pxPerMm), int(15 * pxPerMm), int(45 * pxPerMm), int(35 * pxPerMm), accent);
  DrawTextBlock(canvas, random, pxPerMm, 50, 18, 70, 2, 4, accent);
  DrawTextBlock(canvas, random, pxPerMm, 20, 50, 70, 4, 2.5, ink);           // address
  DrawTextBlock(canvas, random, pxPerMm, 20, 80, 170, 12, 2.5, ink);         // letter text
  if (heightMm > 175) DrawTable(canvas, pxPerMm, 20, 140, 170, 5, ink);
  if (heightMm > 250) DrawTextBlock(canvas, random, pxPerMm, 20, 185, 170, 14, 2.5, ink);
  for (const TFixtureCode& code : codes) DrawCode(canvas, code, pxPerMm, ink, Paper(colour));
  return ToPage(canvas, colour, unsigned(dpi));
}

TPageBitmap DrawBlankPage(int dpi, TFixtureColour colour, double heightMm) {
  Canvas canvas = PaperCanvas(dpi, colour, heightMm);
  return ToPage(canvas, colour, 7u);
}

}  // namespace quorvane::testing
