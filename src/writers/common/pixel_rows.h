#pragma once

#include <cstdint>

namespace quorvane {

// Row conversions every writer needs from the stored page formats.

// Stored blue, green, red to red, green, blue: `width` pixels.
void BgrToRgbRow(const std::uint8_t* bgr, int width, std::uint8_t* rgb);

// A 1-bit row (most significant bit first, 1 = white) to `samples` bytes per
// pixel, each 255 for white and 0 for black.
void SpreadBitRow(const std::uint8_t* bits, int width, int samples, std::uint8_t* out);

// A sample with straight alpha (0 = transparent) laid on white paper.
constexpr std::uint8_t OverWhite(unsigned value, unsigned alpha) {
  return static_cast<std::uint8_t>((value * alpha + 255 * (255 - alpha) + 127) / 255);
}

}  // namespace quorvane
