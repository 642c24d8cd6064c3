#pragma once

#include <cstdint>
#include <vector>

#include "writers/common/page_bitmap.h"

namespace quorvane {

// An 8-bit grey copy of a page, rows without padding (0 = black, 255 = white),
// the form the barcode decoder works on.
struct TLuminanceImage {
  std::vector<std::uint8_t> pixels;
  int width = 0;
  int height = 0;
};

// Black/white pixels become 0 and 255; colour pixels get their luminance
// (R*77 + G*150 + B*29) / 256, so a grey page keeps its grey values.
TLuminanceImage PageLuminance(const TPageView& page);
// The same into `image`, whose memory is reused when it is large enough.
void PageLuminance(const TPageView& page, TLuminanceImage& image);

// The part of `image` at (x, y) with light turned into dark and back, for
// codes printed light on dark. The part must lie within the image.
TLuminanceImage NegativeLuminance(const TLuminanceImage& image, int x, int y, int width, int height);

}  // namespace quorvane
