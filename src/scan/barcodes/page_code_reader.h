#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "scan/barcodes/code_regions.h"
#include "scan/barcodes/page_luminance.h"
#include "writers/common/page_bitmap.h"

namespace quorvane {

// Texts of all codes found on a whole page, in the decoder's order (empty texts
// included). Throws std::exception when the page cannot be read.
using TPageCodeReader = std::function<QStringList(const TPageView& page)>;

// The decoder behind the readers: every symbology ZXing-C++ knows, in any
// rotation, dark on light and light on dark, on the whole page.
QStringList ReadPageCodes(const TPageView& page);

// The decoder's passes over a ready grey page: the whole page for the
// symbologies found anywhere on it, the matrix-code regions for those found
// only in the middle of an image, and the negative of the matrix-code and
// dark-ground regions for codes printed light on dark. A code that a later
// pass finds again at the same place is not repeated.
QStringList DecodeLuminance(const TLuminanceImage& image, const TCodeRegions& regions);

// The start-up check: true when the barcode library answers a call.
bool IsBarcodePluginAvailable();

}  // namespace quorvane
