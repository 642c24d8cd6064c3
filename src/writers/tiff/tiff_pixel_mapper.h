#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "writers/common/page_bitmap.h"

namespace quorvane {

// Maps the pixels of a 24-bit page that is written with one sample per pixel
// to their output byte: the grey level when every pixel has equal red, green
// and blue (what grey scans hold), else an index into a palette of at most 256 colours.
class TTIFFPixelMapper {
 public:
  // Reads the whole image once.
  explicit TTIFFPixelMapper(const TPageView& image);

  bool IsGrey() const { return grey_; }
  // Red, green, blue of each palette entry (empty for a grey image).
  const std::vector<std::array<std::uint8_t, 3>>& Palette() const { return palette_; }
  // One row of blue, green, red pixels to one byte per pixel.
  void MapRow(const std::uint8_t* bgr, int width, std::uint8_t* out) const;

 private:
  static std::uint32_t Key(const std::uint8_t* bgr) {
    return static_cast<std::uint32_t>(bgr[2]) << 16 | static_cast<std::uint32_t>(bgr[1]) << 8 | bgr[0];
  }
  bool CollectColours(const TPageView& image);
  void UseUniformPalette();

  bool grey_ = true;
  bool exact_ = true;  // every colour of the image is in the palette
  std::vector<std::array<std::uint8_t, 3>> palette_;
  std::unordered_map<std::uint32_t, std::uint8_t> index_;
};

}  // namespace quorvane
