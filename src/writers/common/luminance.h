#pragma once

namespace quorvane {

// How scanned pages are judged in black and white: the luminance
// (R*21 + G*71 + B*8) div 100, white from 124 up. Reading an image in black-and-white
// mode and the blank-page test must draw the line at the same place.
constexpr unsigned kBlackWhiteThreshold = 124;

constexpr unsigned WeightedLuminanceSum(unsigned r, unsigned g, unsigned b) { return r * 21 + g * 71 + b * 8; }

constexpr unsigned Luminance(unsigned r, unsigned g, unsigned b) { return WeightedLuminanceSum(r, g, b) / 100; }

// The same test without the division, for loops over every pixel of a page.
constexpr bool IsWhiteLuminance(unsigned r, unsigned g, unsigned b) {
  return WeightedLuminanceSum(r, g, b) >= kBlackWhiteThreshold * 100;
}

}  // namespace quorvane
