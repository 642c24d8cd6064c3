#pragma once

#include "scan/acquisition/acquisition_source.h"
#include "scan/acquisition/device_options.h"

namespace quorvane {

// What a prepared device will do when started.
struct TPreparedScan {
  bool Feeder = false;  // pages come from a feeder until it is empty; else one page
  int DpiX = 0;
  int DpiY = 0;
};

// The paper sensor ("page-loaded") and whether the current source is a feeder.
TPaperState ReadPaperState(TDeviceOptions& options);

// Maps the profile values onto the device's well-known options: source (feeder,
// duplex), mode and depth, scan area, resolution. Values outside the known
// ones leave the device's own setting. Throws TDeviceStatusError when refused.
void ApplyScanSettings(TDeviceOptions& options, const TScanSettings& settings);

// What the device will do with its options as they are now; `fallbackDpi`
// for a device without a resolution option.
TPreparedScan CurrentScan(TDeviceOptions& options, int fallbackDpi);

}  // namespace quorvane
