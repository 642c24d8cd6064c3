#pragma once

#include <cstdint>
#include <vector>

#include "scan/acquisition/scan_device.h"
#include "writers/common/page.h"

namespace quorvane {

// Reads the frame the device has just started into a page: a 1-bit page for
// 1-bit grey frames, a 24-bit page otherwise (grey frames with equal samples).
// Rows are converted as they arrive; `staging` is the read buffer, kept by the
// caller so that a stack of pages reuses it. A frame that ends early keeps the
// rows that arrived. Throws TDeviceStatusError.
TPage ReadFrame(TScanDevice& device, int dpiX, int dpiY, std::vector<std::uint8_t>& staging);

}  // namespace quorvane
