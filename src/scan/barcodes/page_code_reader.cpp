#define ZX_USE_UTF8 1
#include "scan/barcodes/page_code_reader.h"

#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "scan/barcodes/code_regions.h"
#include "scan/barcodes/page_luminance.h"

namespace quorvane {

namespace {

// The symbologies whose detectors search from the middle of the image only.
constexpr auto kCentredFormats = ZXing::BarcodeFormat::DataMatrix | ZXing::BarcodeFormat::Aztec |
                                 ZXing::BarcodeFormat::MaxiCode;

ZXing::DecodeHints Hints(ZXing::BarcodeFormats formats) {
  ZXing::DecodeHints hints;
  hints.setFormats(formats);
  hints.setTryHarder(true);
  hints.setTryRotate(true);
  // The library's own downscaling trips an assertion when it meets a linear
  // code on two scales (ZXing-C++ 1.4); pages are read at scan resolution.
  hints.setTryDownscale(false);
  hints.setBinarizer(ZXing::Binarizer::LocalAverage);
  return hints;
}

// On the whole page only the symbologies found anywhere; the others get regions of their own.
ZXing::DecodeHints PageHints() {
  return Hints(ZXing::BarcodeFormat::LinearCodes | ZXing::BarcodeFormat::QRCode | ZXing::BarcodeFormat::MicroQRCode |
               ZXing::BarcodeFormat::PDF417);
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

ZXing::ImageView View(const TLuminanceImage& image) {
  return {image.pixels.data(), image.width, image.height, ZXing::ImageFormat::Lum};
}

// Light codes on dark ground: the decoder reads the negative of the region.
void ReadNegative(const TLuminanceImage& image, const TPageRegion& r, const ZXing::DecodeHints& hints,
                  std::vector<TFoundCode>& found) {
  const TLuminanceImage negative = NegativeLuminance(image, r.x, r.y, r.width, r.height);
  AddNew(found, ZXing::ReadBarcodes(View(negative), hints), r.x, r.y);
}

}  // namespace

QStringList DecodeLuminance(const TLuminanceImage& image, const TCodeRegions& regions) {
  const ZXing::ImageView page = View(image);
  const ZXing::DecodeHints centred = Hints(kCentredFormats);
  const ZXing::DecodeHints any = Hints(ZXing::BarcodeFormat::Any);
  std::vector<TFoundCode> found;
  AddNew(found, ZXing::ReadBarcodes(page, PageHints()), 0, 0);
  for (const TPageRegion& r : regions.matrix) {
    AddNew(found, ZXing::ReadBarcodes(page.cropped(r.x, r.y, r.width, r.height), centred), r.x, r.y);
  }
  for (const TPageRegion& r : regions.matrix) ReadNegative(image, r, centred, found);
  for (const TPageRegion& r : regions.darkGround) ReadNegative(image, r, any, found);
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(found.size()));
  for (const TFoundCode& code : found) texts.append(QString::fromStdString(code.result.text()));
  return texts;
}

QStringList ReadPageCodes(const TPageView& page) {
  if (page.data == nullptr || page.width <= 0 || page.height <= 0) {
    throw std::invalid_argument("page image is empty");
  }
  // Kept from page to page: a batch reads page after page of the same size,
  // and memory handed back to the system would have to be faulted in again.
  thread_local TLuminanceImage luminance;
  PageLuminance(page, luminance);
  return DecodeLuminance(luminance, FindCodeRegions(luminance));
}

bool IsBarcodePluginAvailable() {
  try {
    const std::vector<std::uint8_t> white(16 * 16, 255);
    ZXing::ReadBarcodes({white.data(), 16, 16, ZXing::ImageFormat::Lum}, Hints(ZXing::BarcodeFormat::Any));
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace quorvane
