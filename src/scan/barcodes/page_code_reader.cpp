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

bool SameSymbol(const ZXing::Result& a, const ZXing::Result& b) {
  return a.format() == b.format() && a.bytes() == b.bytes();
}

void AddNew(ZXing::Results& found, ZXing::Results&& more) {
  for (ZXing::Result& result : more) {
    const bool known =
        std::any_of(found.begin(), found.end(), [&](const ZXing::Result& r) { return SameSymbol(r, result); });
    if (!known) found.push_back(std::move(result));
  }
}

void ReadPasses(const TLuminanceImage& image, const std::vector<TPageRegion>& regions, ZXing::Results& found) {
  const ZXing::ImageView page(image.pixels.data(), image.width, image.height, ZXing::ImageFormat::Lum);
  AddNew(found, ZXing::ReadBarcodes(page, PageHints()));
  const ZXing::DecodeHints regionHints = RegionHints();
  for (const TPageRegion& r : regions) {
    AddNew(found, ZXing::ReadBarcodes(page.cropped(r.x, r.y, r.width, r.height), regionHints));
  }
}

}  // namespace

QStringList DecodeLuminance(const TLuminanceImage& image, const TLuminanceImage& negative,
                            const std::vector<TPageRegion>& regions) {
  ZXing::Results found;
  ReadPasses(image, regions, found);
  ReadPasses(negative, regions, found);
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(found.size()));
  for (const ZXing::Result& result : found) texts.append(QString::fromStdString(result.text()));
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
