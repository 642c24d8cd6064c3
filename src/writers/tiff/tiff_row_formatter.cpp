#include "tiff_row_formatter.h"

#include "writers/common/pixel_rows.h"

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
        SpreadBitRow(source, image_.Width(), samples, row_.data());
      else
        context_.qt->MapRow(source, image_.Width(), row_.data());
      break;
    case TTIFFOutputKind::Rgb:
      if (image_.PixelFormat() == pf1Bit)
        SpreadBitRow(source, image_.Width(), samples, row_.data());
      else
        BgrToRgbRow(source, image_.Width(), row_.data());
      if (context_.Predictor == 2) Difference();
      break;
  }
  return row_.data();
}

// From the right end to the second pixel: sample minus the same sample of the pixel to its left.
void TTIFFRowFormatter::Difference() {
  for (std::size_t i = rowBytes_; i-- > 3;) row_[i] = static_cast<std::uint8_t>(row_[i] - row_[i - 3]);
}

}  // namespace quorvane
