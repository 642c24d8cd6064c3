#include "scan/acquisition/sane/sane_library.h"

#include <sane/sane.h>

#include "scan/acquisition/scan_device.h"

namespace quorvane {
namespace {

class TSaneLibrary {
 public:
  TSaneLibrary() {
    SANE_Int version = 0;
    const SANE_Status status = sane_init(&version, nullptr);
    if (status != SANE_STATUS_GOOD) throw TDeviceStatusError(status);
  }
  ~TSaneLibrary() { sane_exit(); }
  TSaneLibrary(const TSaneLibrary&) = delete;
  TSaneLibrary& operator=(const TSaneLibrary&) = delete;
};

QString FromSane(const char* text) { return text ? QString::fromUtf8(text) : QString(); }

}  // namespace

void EnsureSaneInitialised() { static const TSaneLibrary library; }

std::vector<TSaneDeviceInfo> ListSaneDevices() {
  EnsureSaneInitialised();
  const SANE_Device** devices = nullptr;
  const SANE_Status status = sane_get_devices(&devices, SANE_FALSE);
  if (status != SANE_STATUS_GOOD) throw TDeviceStatusError(status);
  std::vector<TSaneDeviceInfo> result;
  for (const SANE_Device** device = devices; device && *device; ++device)
    result.push_back({FromSane((*device)->name), FromSane((*device)->vendor), FromSane((*device)->model),
                      FromSane((*device)->type)});
  return result;
}

}  // namespace quorvane
