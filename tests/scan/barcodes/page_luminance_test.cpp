#include "scan/barcodes/page_luminance.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(PageLuminance, KeepsGreyValuesAndWeighsColours) {
  // 37 pixels a row: not a multiple of any vector width, rows padded.
  TPageBitmap page(37, 3, pf24RGB);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 37; ++x) {
      std::uint8_t* p = page.Row(y) + 3 * x;
      const auto v = static_cast<std::uint8_t>(x * 7 + y);
      if (y < 2) {
        p[0] = p[1] = p[2] = v;  // grey: three equal samples
      } else {
        p[0] = 0;    // blue
        p[1] = 0;    // green
        p[2] = 255;  // red
      }
    }
  }
  const TLuminanceImage grey = PageLuminance(page.View());
  ASSERT_EQ(grey.pixels.size(), 37u * 3u);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 37; ++x) EXPECT_EQ(grey.pixels[std::size_t(y * 37 + x)], std::uint8_t(x * 7 + y));
  }
  EXPECT_EQ(grey.pixels[2 * 37 + 36], 76);  // 255 * 77 / 256
}

TEST(PageLuminance, OneBitPixelsBecomeBlackAndWhite) {
  TPageBitmap page(13, 2, pf1Bit);
  page.SetWhite(0, 0, false);
  page.SetWhite(12, 1, false);
  const TLuminanceImage grey = PageLuminance(page.View());
  for (int i = 0; i < 26; ++i) EXPECT_EQ(grey.pixels[std::size_t(i)], (i == 0 || i == 25) ? 0 : 255) << i;
}

TEST(PageLuminance, NegativeOfAPart) {
  TPageBitmap page(4, 3, pf1Bit);
  page.SetWhite(2, 1, false);
  const TLuminanceImage negative = NegativeLuminance(PageLuminance(page.View()), 1, 1, 2, 2);
  EXPECT_EQ(negative.width, 2);
  EXPECT_EQ(negative.pixels, std::vector<std::uint8_t>({0, 255, 0, 0}));
}

}  // namespace
}  // namespace quorvane
