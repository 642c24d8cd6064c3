#pragma once

#include <memory>
#include <vector>

#include "scan/acquisition/device_source.h"

namespace quorvane::testing {

// SANE's test backend, first device, reset to its configured options.
// The backend cancels its reader thread asynchronously at the end of every
// frame; caught inside the allocator, the thread leaves it locked and the
// process hangs later. So each start waits until the reader has written the
// whole frame and ended: tests keep frames below a pipe buffer (64 KiB).
std::unique_ptr<TDeviceSource> OpenTestScanner();

void SetOption(TDeviceSource& source, const char* name, const QString& text);
void SetOption(TDeviceSource& source, const char* name, double value);

// The pages of one acquisition, in the order they arrived.
struct TAcquired {
  std::vector<TPage> Pages;
  TAcquireOutcome Outcome;
};
TAcquired AcquireAll(TAcquisitionSource& source);

}  // namespace quorvane::testing
