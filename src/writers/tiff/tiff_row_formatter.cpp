#include "tiff_row_formatter.h"

#include <algorithm>

namespace quorvane {

namespace {
std::size_t OutputRowBytes(int width, TTIFFOutputKind kind) {
  const auto w = static_cast<std::size_t>(width);
  switch (kind) {
    case TTIFFOutputKind::Bilevel: return (w + 7) / 8;
    case TTIFFOutputKind::Grey:
    case TTIFFOutputKind::Palette: return w;
    case TTIFFOutputKind::Rgb: return 3 * w;
  }
  return 0;
}
}  // namespace

TTIFFRowFormatter::TTIFFRowFormatter(const TPageBitmap& image, const TTIFFWriterContext& context)
    : image_(image), context_(context), rowBytes_(OutputRowBytes(image.Width(), context.Kind)) {
  if (context.Kind != TTIFFOutputKind::Bilevel) row_.resize(rowBytes_);
}

const std::uint8_t* TTIFFRowFormatter::Row(int y) {
  const std::uint8_t* source = image_.Row(y);
  const int samples = static_cast<int>(context_.SamplesPerPixel);
  switch (context_.Kind) {
    case TTIFFOutputKind::Bilevel:
      return source;
    case TTIFFOutputKind::Grey:
    case TTIFFOutputKind::Palette:
      if (image_.PixelFormat() == pf1Bit)
        Spread1Bit(source, samples);
      else
        context_.qt->MapRow(source, image_.Width(), row_.data());
      break;
    case TTIFFOutputKind::Rgb:
      if (image_.PixelFormat() == pf1Bit)
        Spread1Bit(source, samples);
      else
        ToRGB(source);
      if (context_.Predictor == 2) Difference();
      break;
  }
  return row_.data();
}

// Black and white become 0 and 255 in every sample.
void TTIFFRowFormatter::Spread1Bit(const std::uint8_t* bits, int samples) {
  std::uint8_t* out = row_.data();
  for (int x = 0; x < image_.Width(); ++x) {
    const std::uint8_t value = (bits[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
    out = std::fill_n(out, samples, value);
  }
}

void TTIFFRowFormatter::ToRGB(const std::uint8_t* bgr) {
  std::uint8_t* out = row_.data();
  for (int x = 0; x < image_.Width(); ++x, bgr += 3, out += 3) {
    out[0] = bgr[2];
    out[1] = bgr[1];
    out[2] = bgr[0];
  }
}

// From the right end to the second pixel: sample minus the same sample of the pixel to its left.
void TTIFFRowFormatter::Difference() {
  for (std::size_t i = rowBytes_; i-- > 3;) row_[i] = static_cast<std::uint8_t>(row_[i] - row_[i - 3]);
}

}  // namespace quorvane
