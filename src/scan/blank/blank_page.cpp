#include "scan/blank/blank_page.h"

#include <bit>
#include <cstdint>

namespace quorvane {

namespace {

// luminance >= 124  <=>  R*21 + G*71 + B*8 >= 12400, so the division is not needed.
constexpr unsigned kWhiteWeightedSum = 124 * 100;

std::int64_t CountWhiteRGBRow(const std::uint8_t* bgr, int width) {
  std::int64_t white = 0;
  for (int x = 0; x < width; ++x, bgr += 3) {
    const unsigned sum = bgr[0] * 8u + bgr[1] * 71u + bgr[2] * 21u;
    white += sum >= kWhiteWeightedSum;
  }
  return white;
}

std::int64_t CountWhiteBitRow(const std::uint8_t* bits, int width) {
  std::int64_t white = 0;
  const int wholeBytes = width / 8;
  for (int i = 0; i < wholeBytes; ++i) white += std::popcount(bits[i]);
  const int rest = width % 8;
  if (rest != 0) {
    // Only the pixels of the last byte; the padding bits are not part of the page.
    const auto mask = static_cast<std::uint8_t>(0xFF00u >> rest);
    white += std::popcount(static_cast<std::uint8_t>(bits[wholeBytes] & mask));
  }
  return white;
}

std::int64_t CountWhitePixels(const TPageView& page) {
  std::int64_t white = 0;
  for (int y = 0; y < page.height; ++y) {
    white += page.format == pf1Bit ? CountWhiteBitRow(page.Row(y), page.width)
                                   : CountWhiteRGBRow(page.Row(y), page.width);
  }
  return white;
}

}  // namespace

double MajorityColourShare(const TPageView& page) {
  const std::int64_t total = static_cast<std::int64_t>(page.width) * page.height;
  if (total <= 0) return -1;
  const std::int64_t white = CountWhitePixels(page);
  const std::int64_t black = total - white;
  const std::int64_t majority = white >= black ? white : black;
  const double percent = static_cast<double>(majority) / static_cast<double>(total) * 100;
  return percent / 100;
}

bool IsBlankPage(const TPageView& page, double tolerance) {
  return 1 - MajorityColourShare(page) <= tolerance;
}

}  // namespace quorvane
