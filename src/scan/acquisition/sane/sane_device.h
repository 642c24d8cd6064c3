#pragma once

#include <sane/sane.h>

#include <QString>

#include "scan/acquisition/scan_device.h"

namespace quorvane {

// An open SANE device. Closing cancels a frame still running.
class TSaneDevice : public TScanDevice {
 public:
  explicit TSaneDevice(const QString& name);  // throws TDeviceStatusError
  ~TSaneDevice() override;
  TSaneDevice(const TSaneDevice&) = delete;
  TSaneDevice& operator=(const TSaneDevice&) = delete;

  int OptionCount() override;
  TOptionDescriptor Option(int index) override;
  TOptionValue Value(int index) override;
  int SetValue(int index, const TOptionValue& value) override;
  void Press(int index) override;
  void Start() override;
  SANE_Parameters Parameters() override;
  std::optional<std::size_t> Read(std::uint8_t* buffer, std::size_t size) override;
  void Cancel() override;

 private:
  const SANE_Option_Descriptor& Descriptor(int index) const;

  SANE_Handle handle_ = nullptr;
};

}  // namespace quorvane
