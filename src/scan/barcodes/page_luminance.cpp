#include "scan/barcodes/page_luminance.h"

#include <algorithm>
#include <array>
#include <cstring>

// The colour conversion reads every byte of a page; on x86-64 a second,
// AVX2 build of it is chosen at load time when the processor has AVX2.
#if defined(__x86_64__) && defined(__GNUC__)
#define QV_WITH_AVX2_CLONE __attribute__((target_clones("avx2", "default")))
#else
#define QV_WITH_AVX2_CLONE
#endif

namespace quorvane {

namespace {

// The eight grey pixels of every byte of a 1-bit row.
using TBitExpansion = std::array<std::array<std::uint8_t, 8>, 256>;

const TBitExpansion& BitExpansion() {
  static const TBitExpansion table = [] {
    TBitExpansion t{};
    for (int byte = 0; byte < 256; ++byte) {
      for (int bit = 0; bit < 8; ++bit) t[byte][bit] = (byte & (0x80 >> bit)) ? 255 : 0;
    }
    return t;
  }();
  return table;
}

void BitRowToLuminance(const std::uint8_t* bits, int width, std::uint8_t* grey) {
  const TBitExpansion& table = BitExpansion();
  const int wholeBytes = width / 8;
  for (int i = 0; i < wholeBytes; ++i) std::memcpy(grey + 8 * i, table[bits[i]].data(), 8);
  const int rest = width % 8;
  if (rest != 0) std::memcpy(grey + 8 * wholeBytes, table[bits[wholeBytes]].data(), rest);
}

QV_WITH_AVX2_CLONE void BGRRowToLuminance(const std::uint8_t* bgr, int width, std::uint8_t* grey) {
  for (int x = 0; x < width; ++x, bgr += 3) {
    grey[x] = static_cast<std::uint8_t>((bgr[0] * 29u + bgr[1] * 150u + bgr[2] * 77u) >> 8);
  }
}

}  // namespace

TLuminanceImage PageLuminance(const TPageView& page) {
  TLuminanceImage image;
  PageLuminance(page, image);
  return image;
}

void PageLuminance(const TPageView& page, TLuminanceImage& image) {
  image.width = page.width;
  image.height = page.height;
  image.pixels.resize(static_cast<std::size_t>(page.width) * static_cast<std::size_t>(page.height));
  for (int y = 0; y < page.height; ++y) {
    std::uint8_t* grey = image.pixels.data() + static_cast<std::size_t>(page.width) * y;
    if (page.format == pf1Bit) {
      BitRowToLuminance(page.Row(y), page.width, grey);
    } else {
      BGRRowToLuminance(page.Row(y), page.width, grey);
    }
  }
}

TLuminanceImage NegativeLuminance(const TLuminanceImage& image, int x, int y, int width, int height) {
  TLuminanceImage negative{std::vector<std::uint8_t>(std::size_t(width) * std::size_t(height)), width, height};
  for (int row = 0; row < height; ++row) {
    const std::uint8_t* from = image.pixels.data() + std::size_t(image.width) * std::size_t(y + row) + x;
    std::transform(from, from + width, negative.pixels.data() + std::size_t(width) * std::size_t(row),
                   [](std::uint8_t v) { return static_cast<std::uint8_t>(255 - v); });
  }
  return negative;
}

}  // namespace quorvane
