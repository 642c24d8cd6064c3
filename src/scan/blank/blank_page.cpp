#include "scan/blank/blank_page.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "writers/common/luminance.h"

namespace quorvane {

namespace {

std::int64_t CountWhiteRGBRow(const std::uint8_t* bgr, int width) {
  std::int64_t white = 0;
  for (int x = 0; x < width; ++x, bgr += 3) {
    white += IsWhiteLuminance(bgr[2], bgr[1], bgr[0]);
  }
  return white;
}

std::int64_t CountWhiteBitRow(const std::uint8_t* bits, int width) {
  std::int64_t white = 0;
  const int wholeBytes = width / 8;
  int i = 0;
  for (; i + 8 <= wholeBytes; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, bits + i, sizeof word);
    white += std::popcount(word);
  }
  for (; i < wholeBytes; ++i) white += std::popcount(bits[i]);
  const int rest = width % 8;
  if (rest != 0) {
    // Only the pixels of the last byte; the padding bits are not part of the page.
    const auto mask = static_cast<std::uint8_t>(0xFF00u >> rest);
    white += std::popcount(static_cast<std::uint8_t>(bits[wholeBytes] & mask));
  }
  return white;
}

std::int64_t CountWhiteRow(const TPageView& page, int y) {
  return page.format == pf1Bit ? CountWhiteBitRow(page.Row(y), page.width) : CountWhiteRGBRow(page.Row(y), page.width);
}

double Share(std::int64_t majority, std::int64_t total) {
  const double percent = static_cast<double>(majority) / static_cast<double>(total) * 100;
  return percent / 100;
}

}  // namespace

double MajorityColourShare(const TPageView& page) {
  const std::int64_t total = static_cast<std::int64_t>(page.width) * page.height;
  if (total <= 0) return -1;
  std::int64_t white = 0;
  for (int y = 0; y < page.height; ++y) white += CountWhiteRow(page, y);
  const std::int64_t black = total - white;
  return Share(white >= black ? white : black, total);
}

bool IsBlankPage(const TPageView& page, double tolerance) {
  const std::int64_t total = static_cast<std::int64_t>(page.width) * page.height;
  if (total <= 0) return false;
  // Once both colours have more pixels than the tolerance allows (with a
  // pixel to spare against rounding), the minority can only grow: the page
  // is not blank, and the rest of it need not be read.
  const double limit = tolerance * static_cast<double>(total) + 1;
  std::int64_t white = 0;
  for (int y = 0; y < page.height; ++y) {
    white += CountWhiteRow(page, y);
    const std::int64_t blackSoFar = static_cast<std::int64_t>(y + 1) * page.width - white;
    if (static_cast<double>(white) > limit && static_cast<double>(blackSoFar) > limit) return false;
  }
  const std::int64_t black = total - white;
  return 1 - Share(white >= black ? white : black, total) <= tolerance;
}

}  // namespace quorvane
