#pragma once

#include <QString>

#include <vector>

#include "scan/acquisition/scan_device.h"

namespace quorvane {

// The options of an open device by name, kept current: whenever the device
// says that a change altered other options, the descriptors are read again.
class TDeviceOptions {
 public:
  explicit TDeviceOptions(TScanDevice& device);

  TScanDevice& Device() { return device_; }
  void Reload();
  const std::vector<TOptionDescriptor>& All() const { return options_; }
  int Find(const QString& name) const;  // -1 when the device has no such option
  // The option when the device has it and it is active, else nullptr.
  const TOptionDescriptor* Active(const QString& name) const;

  // First word of a bool, int or fixed option as a number.
  double Number(int index);
  QString Text(int index);

  void Set(int index, const TOptionValue& value);
  // Writes the number into every word of the option (int: rounded, fixed: exact).
  void SetNumber(int index, double value);
  void SetText(int index, const QString& text);

 private:
  TScanDevice& device_;
  std::vector<TOptionDescriptor> options_;
};

}  // namespace quorvane
