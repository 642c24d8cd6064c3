#include "writers/common/pixel_rows.h"

#include <algorithm>

namespace quorvane {

void BgrToRgbRow(const std::uint8_t* bgr, int width, std::uint8_t* rgb) {
  for (int x = 0; x < width; ++x, bgr += 3, rgb += 3) {
    rgb[0] = bgr[2];
    rgb[1] = bgr[1];
    rgb[2] = bgr[0];
  }
}

void SpreadBitRow(const std::uint8_t* bits, int width, int samples, std::uint8_t* out) {
  for (int x = 0; x < width; ++x) {
    const std::uint8_t value = (bits[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
    out = std::fill_n(out, samples, value);
  }
}

}  // namespace quorvane
