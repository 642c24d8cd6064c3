#include "scan/barcodes/matrix_code_regions.h"

#include <algorithm>
#include <cstdint>

namespace quorvane {

namespace {

// Block edge in pixels: 1.4 mm at 300 dpi, 2 mm at 200 dpi; the smallest
// matrix codes on documents cover at least two blocks either way.
constexpr int kBlock = 16;
constexpr int kDark = 128;
// A code's area is about half dark; print, rules and logos are far lighter or darker.
constexpr int kMinDarkPermille = 250;
constexpr int kMaxDarkPermille = 800;
// Largest patch taken for a code, in blocks (about 70 mm at 300 dpi).
constexpr int kMaxPatchBlocks = 50;
constexpr int kMaxAspect = 3;

struct Patch {
  int x0, y0, x1, y1;  // block bounds, inclusive
};

// Dark pixels of one block row of one image row; a fixed-size inner loop the compiler vectorises.
void CountDarkInRow(const std::uint8_t* row, int width, int* blockCounts) {
  const int wholeBlocks = width / kBlock;
  for (int b = 0; b < wholeBlocks; ++b) {
    const std::uint8_t* p = row + b * kBlock;
    int dark = 0;
    for (int i = 0; i < kBlock; ++i) dark += p[i] < kDark;
    blockCounts[b] += dark;
  }
  for (int x = wholeBlocks * kBlock; x < width; ++x) blockCounts[wholeBlocks] += row[x] < kDark;
}

std::vector<std::uint8_t> CodeLikeBlocks(const TLuminanceImage& image, int columns, int rows) {
  std::vector<int> dark(std::size_t(columns) * rows, 0);
  for (int y = 0; y < image.height; ++y) {
    CountDarkInRow(image.pixels.data() + std::size_t(image.width) * y, image.width,
                   dark.data() + std::size_t(y / kBlock) * columns);
  }
  std::vector<std::uint8_t> codeLike(dark.size(), 0);
  for (int by = 0; by < rows; ++by) {
    for (int bx = 0; bx < columns; ++bx) {
      const int w = std::min(kBlock, image.width - bx * kBlock);
      const int h = std::min(kBlock, image.height - by * kBlock);
      const int permille = dark[std::size_t(by) * columns + bx] * 1000 / (w * h);
      codeLike[std::size_t(by) * columns + bx] = permille >= kMinDarkPermille && permille <= kMaxDarkPermille;
    }
  }
  return codeLike;
}

// Connected (4-neighbour) patches of code-like blocks; the mask is used up.
std::vector<Patch> Patches(std::vector<std::uint8_t>& mask, int columns, int rows) {
  std::vector<Patch> patches;
  std::vector<int> stack;
  for (int start = 0; start < columns * rows; ++start) {
    if (!mask[start]) continue;
    Patch patch{start % columns, start / columns, start % columns, start / columns};
    mask[start] = 0;
    stack.assign(1, start);
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      const int bx = i % columns, by = i / columns;
      patch = {std::min(patch.x0, bx), std::min(patch.y0, by), std::max(patch.x1, bx), std::max(patch.y1, by)};
      const int neighbours[4][2] = {{bx - 1, by}, {bx + 1, by}, {bx, by - 1}, {bx, by + 1}};
      for (const auto& [nx, ny] : neighbours) {
        if (nx < 0 || ny < 0 || nx >= columns || ny >= rows) continue;
        const int n = ny * columns + nx;
        if (mask[n]) {
          mask[n] = 0;
          stack.push_back(n);
        }
      }
    }
    patches.push_back(patch);
  }
  return patches;
}

bool CouldBeMatrixCode(const Patch& p) {
  const int w = p.x1 - p.x0 + 1, h = p.y1 - p.y0 + 1;
  return w >= 2 && h >= 2 && w <= kMaxPatchBlocks && h <= kMaxPatchBlocks && w <= kMaxAspect * h &&
         h <= kMaxAspect * w;
}

}  // namespace

std::vector<TPageRegion> MatrixCodeRegions(const TLuminanceImage& image) {
  const int columns = (image.width + kBlock - 1) / kBlock;
  const int rows = (image.height + kBlock - 1) / kBlock;
  std::vector<std::uint8_t> mask = CodeLikeBlocks(image, columns, rows);
  std::vector<TPageRegion> regions;
  for (const Patch& p : Patches(mask, columns, rows)) {
    if (!CouldBeMatrixCode(p)) continue;
    // Twice the patch, so the code and its quiet zone lie well inside, centred;
    // smaller at the page's edges, so the patch stays in the middle.
    const int cx = std::min((p.x0 + p.x1 + 1) * kBlock / 2, image.width - 1);
    const int cy = std::min((p.y0 + p.y1 + 1) * kBlock / 2, image.height - 1);
    const int half = std::min({(std::max(p.x1 - p.x0, p.y1 - p.y0) + 2) * kBlock, cx, cy, image.width - cx,
                               image.height - cy});
    regions.push_back({cx - half, cy - half, 2 * half, 2 * half});
  }
  return regions;
}

}  // namespace quorvane
