#include "tiff_pixel_mapper.h"

namespace quorvane {

TTIFFPixelMapper::TTIFFPixelMapper(const TPageView& image) {
  for (int y = 0; y < image.height && grey_; ++y) {
    const std::uint8_t* p = image.Row(y);
    for (int x = 0; x < image.width; ++x, p += 3) {
      if (p[0] != p[1] || p[1] != p[2]) {
        grey_ = false;
        break;
      }
    }
  }
  if (grey_) return;
  if (!CollectColours(image)) UseUniformPalette();
}

// The palette of the image's own colours when there are at most 256 of them.
bool TTIFFPixelMapper::CollectColours(const TPageView& image) {
  for (int y = 0; y < image.height; ++y) {
    const std::uint8_t* p = image.Row(y);
    for (int x = 0; x < image.width; ++x, p += 3) {
      const std::uint32_t key = Key(p);
      if (index_.contains(key)) continue;
      if (palette_.size() == 256) return false;
      index_.emplace(key, static_cast<std::uint8_t>(palette_.size()));
      palette_.push_back({p[2], p[1], p[0]});
    }
  }
  return true;
}

// More colours than a palette holds: 8 levels of red and green, 4 of blue.
void TTIFFPixelMapper::UseUniformPalette() {
  exact_ = false;
  index_.clear();
  palette_.clear();
  for (int i = 0; i < 256; ++i) {
    palette_.push_back({static_cast<std::uint8_t>((i >> 5) * 255 / 7), static_cast<std::uint8_t>(((i >> 2) & 7) * 255 / 7),
                        static_cast<std::uint8_t>((i & 3) * 255 / 3)});
  }
}

void TTIFFPixelMapper::MapRow(const std::uint8_t* bgr, int width, std::uint8_t* out) const {
  for (int x = 0; x < width; ++x, bgr += 3) {
    if (grey_)
      out[x] = bgr[2];
    else if (exact_)
      out[x] = index_.at(Key(bgr));
    else
      out[x] = static_cast<std::uint8_t>((bgr[2] >> 5) << 5 | (bgr[1] >> 5) << 2 | (bgr[0] >> 6));
  }
}

}  // namespace quorvane
