#include "scan/blank/blank_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

namespace quorvane {
namespace {

using PixelRGB = std::function<void(int x, int y, std::uint8_t rgb[3])>;

// A colour page (stored B, G, R) painted pixel by pixel.
TPageBitmap ColourPage(int width, int height, const PixelRGB& paint) {
  TPageBitmap page(width, height, pf24RGB);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::uint8_t rgb[3] = {255, 255, 255};
      paint(x, y, rgb);
      std::uint8_t* p = page.Row(y) + 3 * x;
      p[0] = rgb[2];
      p[1] = rgb[1];
      p[2] = rgb[0];
    }
  }
  return page;
}

TPageBitmap UniformPage(int width, int height, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return ColourPage(width, height, [&](int, int, std::uint8_t rgb[3]) {
    rgb[0] = r;
    rgb[1] = g;
    rgb[2] = b;
  });
}

// The first `dark` pixels in row order get the dark colour, the rest stay white.
TPageBitmap PageWithDarkPixels(int width, int height, int dark, std::uint8_t grey = 0) {
  TPageBitmap page(width, height, pf24RGB);
  for (int i = 0; i < dark; ++i) {
    std::uint8_t* p = page.Row(i / width) + 3 * (i % width);
    p[0] = p[1] = p[2] = grey;
  }
  return page;
}

struct ShareCase {
  std::string name;
  TPageBitmap page;
  double tolerance;
  bool blank;
};

std::vector<ShareCase> Cases() {
  std::vector<ShareCase> cases;
  cases.push_back({"white page is blank even at zero tolerance", UniformPage(40, 30, 255, 255, 255), 0, true});
  cases.push_back({"black page is blank", UniformPage(40, 30, 0, 0, 0), 0, true});
  cases.push_back({"uniform red page is blank", UniformPage(40, 30, 255, 0, 0), 0, true});
  cases.push_back({"half black page is kept at 10 %", PageWithDarkPixels(100, 10, 500), 0.1, false});
  // 1000 pixels, tolerance 0.01: 9 dark pixels (0.9 %) go, 11 (1.1 %) stay.
  cases.push_back({"0.9 % dark is removed at 1 %", PageWithDarkPixels(100, 10, 9), 0.01, true});
  cases.push_back({"1.1 % dark is kept at 1 %", PageWithDarkPixels(100, 10, 11), 0.01, false});
  cases.push_back({"grey 124 counts as white", PageWithDarkPixels(100, 10, 300, 124), 0, true});
  cases.push_back({"grey 123 counts as black", PageWithDarkPixels(100, 10, 300, 123), 0.1, false});
  return cases;
}

TEST(BlankPage, DecidesByMajorityColourAndTolerance) {
  for (const ShareCase& c : Cases()) {
    EXPECT_EQ(IsBlankPage(c.page.View(), c.tolerance), c.blank) << c.name;
  }
}

TEST(BlankPage, HalfWhiteHalfBlackTiesToWhite) {
  const TPageBitmap page = PageWithDarkPixels(100, 10, 500);
  EXPECT_DOUBLE_EQ(MajorityColourShare(page.View()), 0.5);
  EXPECT_FALSE(IsBlankPage(page.View(), 0.001));
}

TEST(BlankPage, WeighsColoursByLuminance) {
  struct Colour {
    std::uint8_t r, g, b;
    bool white;
  };
  const Colour colours[] = {
      {200, 100, 100, false},  // luminance 121
      {100, 140, 50, true},    // luminance 124
      {255, 255, 0, true},     // yellow, 234
      {255, 0, 0, false},      // red, 53
      {0, 0, 255, false},      // blue, 20
  };
  for (const Colour& c : colours) {
    // One pixel of the colour among white pixels: if it counts as black, one
    // pixel of 100 differs from the majority.
    const TPageBitmap page = ColourPage(10, 10, [&](int x, int y, std::uint8_t rgb[3]) {
      if (x == 0 && y == 0) {
        rgb[0] = c.r;
        rgb[1] = c.g;
        rgb[2] = c.b;
      }
    });
    EXPECT_DOUBLE_EQ(MajorityColourShare(page.View()), c.white ? 1.0 : 0.99)
        << int(c.r) << "," << int(c.g) << "," << int(c.b);
  }
}

TEST(BlankPage, CountsOneBitPagesWithoutTheirRowPadding) {
  // 13 pixels per row: one whole byte, 5 pixels of the next, 19 padding bits
  // that are set (white) in the buffer and must not count.
  TPageBitmap page(13, 4, pf1Bit);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 13; ++x) page.SetWhite(x, y, false);
  }
  page.SetWhite(12, 0, true);
  page.SetWhite(0, 3, true);
  EXPECT_DOUBLE_EQ(MajorityColourShare(page.View()), 50.0 / 52.0);
}

TEST(BlankPage, OneBitAndColourVersionsOfAPageAgree) {
  TPageBitmap bits(37, 11, pf1Bit);
  for (int y = 0; y < 11; ++y) {
    for (int x = 0; x < 37; ++x) bits.SetWhite(x, y, (x * 7 + y * 3) % 5 != 0);
  }
  EXPECT_DOUBLE_EQ(MajorityColourShare(bits.View()), MajorityColourShare(bits.ToRGB24().View()));
}

TEST(BlankPage, StoppingEarlyDecidesAsTheFullCountDoes) {
  // Dark rows at the top, where reading may stop early, or at the bottom.
  for (const bool darkAtTop : {true, false}) {
    for (const int darkRows : {0, 1, 2, 5, 50, 99, 100}) {
      TPageBitmap page(50, 100, pf24RGB);
      for (int r = 0; r < darkRows; ++r) {
        std::uint8_t* row = page.Row(darkAtTop ? r : 99 - r);
        std::fill_n(row, 150, std::uint8_t{30});
      }
      for (const double tolerance : {0.0, 0.01, 0.02, 0.05, 0.1}) {
        EXPECT_EQ(IsBlankPage(page.View(), tolerance), 1 - MajorityColourShare(page.View()) <= tolerance)
            << darkRows << (darkAtTop ? " rows at the top, " : " rows at the bottom, ") << tolerance;
      }
    }
  }
}

TEST(BlankPage, PageWithoutPixelsIsNeverBlank) {
  const TPageBitmap page(0, 0, pf24RGB);
  EXPECT_DOUBLE_EQ(MajorityColourShare(page.View()), -1);
  EXPECT_FALSE(IsBlankPage(page.View(), 0.1));
}

TEST(BlankPage, A4ExampleLimitIs43499DifferingPixels) {
  // 2480 x 3508 pixels at tolerance 0.005.
  const TPageBitmap atLimit = PageWithDarkPixels(2480, 3508, 43499);
  const TPageBitmap overLimit = PageWithDarkPixels(2480, 3508, 43500);
  EXPECT_TRUE(IsBlankPage(atLimit.View(), 5 / 1000.0));
  EXPECT_FALSE(IsBlankPage(overLimit.View(), 5 / 1000.0));
}

}  // namespace
}  // namespace quorvane
