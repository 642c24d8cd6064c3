#include "scan/acquisition/scan_device.h"

namespace quorvane {

TDeviceStatusError::TDeviceStatusError(SANE_Status status)
    : std::runtime_error(sane_strstatus(status)), status_(status) {}

}  // namespace quorvane
