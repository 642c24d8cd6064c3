#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "scan/barcodes/matrix_code_regions.h"
#include "scan/barcodes/page_luminance.h"
#include "writers/common/page_bitmap.h"

namespace quorvane {

// Texts of all codes found on a whole page, in the decoder's order (empty texts
// included). Throws std::exception when the page cannot be read.
using TPageCodeReader = std::function<QStringList(const TPageView& page)>;

// The decoder behind the readers: every symbology ZXing-C++ knows, in any
// rotation, dark on light and light on dark, on the whole page.
QStringList ReadPageCodes(const TPageView& page);

// The decoder's passes over a ready grey page: the whole page for every
// symbology, then the matrix-code regions; the same over the negative, which
// holds the codes printed light on dark. Codes already found are not repeated.
QStringList DecodeLuminance(const TLuminanceImage& image, const TLuminanceImage& negative,
                            const std::vector<TPageRegion>& regions);

// The start-up check: true when the barcode library answers a call.
bool IsBarcodePluginAvailable();

}  // namespace quorvane
