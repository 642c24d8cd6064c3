#include "scan/barcodes/code_regions.h"

#include <algorithm>
#include <cstdint>

namespace quorvane {

namespace {

constexpr int kDark = 128;
// A matrix code's area is about half dark; print is lighter, logos darker.
constexpr int kMinCodePermille = 150;
constexpr int kMaxCodePermille = 800;
// The whole patch of a matrix code is darker and more solid than words are;
// small modules, softened by the scan, leave a lighter but square and solid patch.
constexpr int kMinPatchPermille = 350;
constexpr int kMinSolidPatchPermille = 300;
constexpr int kMaxPatchPermille = 750;
constexpr int kMinFillPermille = 500;
constexpr int kMinSolidFillPermille = 750;
// Ground dark enough to carry a light code.
constexpr int kMinDarkGroundPermille = 600;
// Largest patch taken for a matrix code, in blocks (about 70 mm).
constexpr int kMaxPatchBlocks = 50;
constexpr int kMaxAspect = 3;

// Block edge: about 1.35 mm on a page of A4 width, so the smallest codes on
// documents, with their quiet zones, cover at least two blocks either way
// whatever the resolution.
int BlockSize(int pageWidth) {
  return std::clamp(pageWidth / 155, 8, 32);
}

// Dark pixels counted per square block of the page.
class BlockMap {
 public:
  explicit BlockMap(const TLuminanceImage& image)
      : image_(image), block_(BlockSize(image.width)), columns_((image.width + block_ - 1) / block_),
        rows_((image.height + block_ - 1) / block_), dark_(std::size_t(columns_) * std::size_t(rows_), 0) {
    for (int y = 0; y < image.height; ++y) {
      CountDarkInRow(image.pixels.data() + std::size_t(image.width) * std::size_t(y),
                     dark_.data() + std::size_t(y / block_) * std::size_t(columns_));
    }
  }

  int Block() const { return block_; }
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  int Dark(int i) const { return dark_[std::size_t(i)]; }
  int Pixels(int i) const {
    return std::min(block_, image_.width - (i % columns_) * block_) *
           std::min(block_, image_.height - (i / columns_) * block_);
  }
  int Permille(int i) const { return Dark(i) * 1000 / Pixels(i); }

 private:
  void CountDarkInRow(const std::uint8_t* row, int* blockCounts) const {
    for (int x0 = 0, b = 0; x0 < image_.width; x0 += block_, ++b) {
      const int x1 = std::min(x0 + block_, image_.width);
      int dark = 0;
      for (int x = x0; x < x1; ++x) dark += row[x] < kDark;
      blockCounts[b] += dark;
    }
  }

  const TLuminanceImage& image_;
  int block_, columns_, rows_;
  std::vector<int> dark_;
};

struct Patch {
  int x0, y0, x1, y1;  // block bounds, inclusive
  long long dark = 0;  // dark pixels of its blocks
  long long pixels = 0;
  int blocks = 0;

  int Width() const { return x1 - x0 + 1; }
  int Height() const { return y1 - y0 + 1; }
};

// Connected (4-neighbour) patches of the blocks `take` accepts.
template <typename Take>
std::vector<Patch> Patches(const BlockMap& map, Take take) {
  const int columns = map.Columns(), rows = map.Rows();
  std::vector<std::uint8_t> mask(std::size_t(columns) * std::size_t(rows));
  for (int i = 0; i < columns * rows; ++i) mask[std::size_t(i)] = take(i);
  std::vector<Patch> patches;
  std::vector<int> stack;
  for (int start = 0; start < columns * rows; ++start) {
    if (!mask[std::size_t(start)]) continue;
    Patch patch{start % columns, start / columns, start % columns, start / columns};
    mask[std::size_t(start)] = 0;
    stack.assign(1, start);
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      const int bx = i % columns, by = i / columns;
      patch.x0 = std::min(patch.x0, bx);
      patch.y0 = std::min(patch.y0, by);
      patch.x1 = std::max(patch.x1, bx);
      patch.y1 = std::max(patch.y1, by);
      patch.dark += map.Dark(i);
      patch.pixels += map.Pixels(i);
      ++patch.blocks;
      const int neighbours[4][2] = {{bx - 1, by}, {bx + 1, by}, {bx, by - 1}, {bx, by + 1}};
      for (const auto& [nx, ny] : neighbours) {
        if (nx < 0 || ny < 0 || nx >= columns || ny >= rows) continue;
        const int n = ny * columns + nx;
        if (mask[std::size_t(n)]) {
          mask[std::size_t(n)] = 0;
          stack.push_back(n);
        }
      }
    }
    patches.push_back(patch);
  }
  return patches;
}

bool CouldBeMatrixCode(const Patch& p) {
  const int w = p.Width(), h = p.Height();
  const long long permille = p.dark * 1000 / p.pixels;
  const int fillPermille = p.blocks * 1000 / (w * h);
  if (w < 2 || h < 2 || w > kMaxPatchBlocks || h > kMaxPatchBlocks || w > kMaxAspect * h || h > kMaxAspect * w ||
      permille > kMaxPatchPermille) {
    return false;
  }
  const bool solid = w >= 3 && h >= 3 && fillPermille >= kMinSolidFillPermille;
  return (permille >= kMinPatchPermille && fillPermille >= kMinFillPermille) ||
         (solid && permille >= kMinSolidPatchPermille);
}

// Twice the patch, centred on it; smaller at the page's edges, so the patch stays in the middle.
TPageRegion CentredRegion(const Patch& p, int block, const TLuminanceImage& image) {
  const int cx = std::min((p.x0 + p.x1 + 1) * block / 2, image.width - 1);
  const int cy = std::min((p.y0 + p.y1 + 1) * block / 2, image.height - 1);
  const int half =
      std::min({(std::max(p.Width(), p.Height()) + 1) * block, cx, cy, image.width - cx, image.height - cy});
  return {cx - half, cy - half, 2 * half, 2 * half};
}

// The patch with room on every side, within the page: a light code on dark
// ground lies inside its ground, which the code itself may break up.
TPageRegion SurroundingRegion(const Patch& p, int block, const TLuminanceImage& image) {
  const int room = std::max({2, p.Width() / 2, p.Height() / 2});
  const int x0 = std::max(0, (p.x0 - room) * block), y0 = std::max(0, (p.y0 - room) * block);
  const int x1 = std::min(image.width, (p.x1 + 1 + room) * block);
  const int y1 = std::min(image.height, (p.y1 + 1 + room) * block);
  return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace

TCodeRegions FindCodeRegions(const TLuminanceImage& image) {
  const BlockMap map(image);
  TCodeRegions regions;
  const auto codeLike = [&](int i) {
    const int permille = map.Permille(i);
    return permille >= kMinCodePermille && permille <= kMaxCodePermille;
  };
  for (const Patch& p : Patches(map, codeLike)) {
    if (CouldBeMatrixCode(p)) regions.matrix.push_back(CentredRegion(p, map.Block(), image));
  }
  const auto darkGround = [&](int i) { return map.Permille(i) >= kMinDarkGroundPermille; };
  for (const Patch& p : Patches(map, darkGround)) {
    if (p.Width() >= 2 && p.Height() >= 2) regions.darkGround.push_back(SurroundingRegion(p, map.Block(), image));
  }
  return regions;
}

}  // namespace quorvane
