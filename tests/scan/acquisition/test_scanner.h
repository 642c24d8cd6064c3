#pragma once

#include <memory>
#include <vector>

#include "scan/acquisition/device_source.h"

namespace quorvane::testing {

// SANE's test backend, first device, as the program opens a scanner.
std::unique_ptr<TDeviceSource> OpenTestScanner();

// The same device for scans that end in an error. The backend's reader thread
// is cancelled asynchronously when a scan is cancelled; cancelled while it
// still allocates its buffer, it leaves the allocator locked and the process
// hangs. This one lets the reader settle after each start first.
std::unique_ptr<TDeviceSource> OpenSettledTestScanner();

void SetOption(TDeviceSource& source, const char* name, const QString& text);
void SetOption(TDeviceSource& source, const char* name, double value);

// The pages of one acquisition, in the order they arrived.
struct TAcquired {
  std::vector<TPage> Pages;
  TAcquireOutcome Outcome;
};
TAcquired AcquireAll(TAcquisitionSource& source);

}  // namespace quorvane::testing
