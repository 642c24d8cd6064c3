#pragma once

#include <QString>

#include <vector>

namespace quorvane {

struct TSaneDeviceInfo {
  QString Name;    // "test:0", what sane_open takes
  QString Vendor;
  QString Model;
};

// SANE is initialised once, on first use, and left when the program ends.
void EnsureSaneInitialised();

// The devices SANE knows now, local and networked.
std::vector<TSaneDeviceInfo> ListSaneDevices();

}  // namespace quorvane
