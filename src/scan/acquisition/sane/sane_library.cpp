#include "scan/acquisition/sane/sane_library.h"

#include <sane/sane.h>

#include "scan/acquisition/scan_device.h"

namespace quorvane {
namespace {

// SANE stays initialised until the process ends, without sane_exit: called
// from a static destructor it reaches backends loaded later (genesys) after
// their own static data is gone, and crashes the program at exit.
void InitialiseSane() {
  SANE_Int version = 0;
  const SANE_Status status = sane_init(&version, nullptr);
  if (status != SANE_STATUS_GOOD) throw TDeviceStatusError(status);
}

QString FromSane(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

}  // namespace

void EnsureSaneInitialised() {
  [[maybe_unused]] static const bool initialised = (InitialiseSane(), true);
}

std::vector<TSaneDeviceInfo> ListSaneDevices() {
  EnsureSaneInitialised();
  const SANE_Device** devices = nullptr;
  const SANE_Status status = sane_get_devices(&devices, SANE_FALSE);
  if (status != SANE_STATUS_GOOD) throw TDeviceStatusError(status);
  std::vector<TSaneDeviceInfo> result;
  for (const SANE_Device** device = devices; device && *device; ++device)
    result.push_back({FromSane((*device)->name), FromSane((*device)->vendor), FromSane((*device)->model)});
  return result;
}

}  // namespace quorvane
