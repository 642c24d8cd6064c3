#pragma once

#include "scan/acquisition/scan_device.h"
#include "writers/common/page.h"

namespace quorvane {

// Reads the frame the device has just started into a page: a 1-bit page for
// 1-bit grey frames, a 24-bit page otherwise (grey frames with equal samples).
// A frame that ends early keeps the rows that arrived. Throws TDeviceStatusError.
TPage ReadFrame(TScanDevice& device, int dpiX, int dpiY);

}  // namespace quorvane
