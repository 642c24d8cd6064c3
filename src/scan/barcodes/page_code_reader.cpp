#define ZX_USE_UTF8 1
#include "scan/barcodes/page_code_reader.h"

#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "scan/barcodes/matrix_code_regions.h"
#include "scan/barcodes/page_luminance.h"

namespace quorvane {

namespace {

ZXing::DecodeHints PageHints() {
  ZXing::DecodeHints hints;
  hints.setFormats(ZXing::BarcodeFormat::Any);
  hints.setTryHarder(true);
  hints.setTryRotate(true);
  // The library's own downscaling trips an assertion when it meets a linear
  // code on two scales (ZXing-C++ 1.4); pages are read at scan resolution.
  hints.setTryDownscale(false);
  hints.setBinarizer(ZXing::Binarizer::LocalAverage);
  return hints;
}

// The detectors of these symbologies search from the middle of the image only.
ZXing::DecodeHints RegionHints() {
  return PageHints().setFormats(ZXing::BarcodeFormat::DataMatrix | ZXing::BarcodeFormat::Aztec |
                                ZXing::BarcodeFormat::MaxiCode);
}

// A code found once more by a later pass: same symbology and content, about
// the same place. A code printed twice on a page is two codes.
struct TFoundCode {
  ZXing::Result result;
  ZXing::PointF centre;
  double size;
};

bool SameCode(const TFoundCode& a, const TFoundCode& b) {
  return a.result.format() == b.result.format() && a.result.bytes() == b.result.bytes() &&
         ZXing::distance(a.centre, b.centre) < std::max(a.size, b.size) / 2;
}

// Adds what one decoder call found in the page area at (dx, dy).
void AddNew(std::vector<TFoundCode>& found, ZXing::Results&& more, int dx, int dy) {
  const std::size_t known = found.size();
  for (ZXing::Result& result : more) {
    const ZXing::QuadrilateralI& corners = result.position();
    const ZXing::PointF centre = ZXing::PointF(ZXing::Center(corners)) + ZXing::PointF(dx, dy);
    const double size = std::max(ZXing::distance(corners[0], corners[2]), ZXing::distance(corners[1], corners[3]));
    TFoundCode code{std::move(result), centre, size};
    const auto earlier = found.begin() + static_cast<std::ptrdiff_t>(known);
    if (std::none_of(found.begin(), earlier, [&](const TFoundCode& f) { return SameCode(f, code); })) {
      found.push_back(std::move(code));
    }
  }
}

void ReadPasses(const TLuminanceImage& image, const std::vector<TPageRegion>& regions, std::vector<TFoundCode>& found) {
  const ZXing::ImageView page(image.pixels.data(), image.width, image.height, ZXing::ImageFormat::Lum);
  AddNew(found, ZXing::ReadBarcodes(page, PageHints()), 0, 0);
  const ZXing::DecodeHints regionHints = RegionHints();
  for (const TPageRegion& r : regions) {
    AddNew(found, ZXing::ReadBarcodes(page.cropped(r.x, r.y, r.width, r.height), regionHints), r.x, r.y);
  }
}

}  // namespace

QStringList DecodeLuminance(const TLuminanceImage& image, const TLuminanceImage& negative,
                            const std::vector<TPageRegion>& regions) {
  std::vector<TFoundCode> found;
  ReadPasses(image, regions, found);
  ReadPasses(negative, regions, found);
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(found.size()));
  for (const TFoundCode& code : found) texts.append(QString::fromStdString(code.result.text()));
  return texts;
}

QStringList ReadPageCodes(const TPageView& page) {
  if (page.data == nullptr || page.width <= 0 || page.height <= 0) {
    throw std::invalid_argument("page image is empty");
  }
  const TLuminanceImage luminance = PageLuminance(page);
  return DecodeLuminance(luminance, NegativeLuminance(luminance), MatrixCodeRegions(luminance));
}

bool IsBarcodePluginAvailable() {
  try {
    const std::vector<std::uint8_t> white(16 * 16, 255);
    ZXing::ReadBarcodes({white.data(), 16, 16, ZXing::ImageFormat::Lum}, PageHints());
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace quorvane
