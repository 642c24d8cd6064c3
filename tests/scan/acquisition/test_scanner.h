#pragma once

#include <memory>
#include <vector>

#include "scan/acquisition/device_source.h"

namespace quorvane::testing {

// SANE's test backend, first device, as the program opens a scanner.
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
