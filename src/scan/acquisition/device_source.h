#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "scan/acquisition/acquisition_source.h"
#include "scan/acquisition/device_options.h"

namespace quorvane {

// A scanner as a source of pages: the profile values go onto the device's
// options, the frames come back as pages, SANE statuses become our errors.
class TDeviceSource : public TAcquisitionSource {
 public:
  TDeviceSource(std::unique_ptr<TScanDevice> device, const QString& description);

  QString Description() const override { return description_; }
  void RefreshCapabilities() override;
  TPaperState PaperState() override;
  void Prepare(const TScanSettings& settings) override;
  TAcquireOutcome Acquire(const TPageArrived& pageArrived) override;

  // The settings-only run: the block is loaded, the editor changes the device's
  // options, and the block of what it left is returned (empty when the device
  // has nothing to store). nullopt when the editor was cancelled.
  template <class Editor>
  std::optional<QByteArray> EditSettings(const std::optional<QByteArray>& stored, Editor&& edit);

  TDeviceOptions& Options() { return options_; }

 private:
  void LoadSettingsBlock(const QByteArray& block);
  QByteArray CaptureBlock();

  std::unique_ptr<TScanDevice> device_;
  TDeviceOptions options_;
  QString description_;
  int requestedDpi_;
  std::vector<std::uint8_t> staging_;  // the read buffer, reused from page to page
};

template <class Editor>
std::optional<QByteArray> TDeviceSource::EditSettings(const std::optional<QByteArray>& stored, Editor&& edit) {
  if (stored) LoadSettingsBlock(*stored);
  if (!edit(options_)) return std::nullopt;
  return CaptureBlock();
}

}  // namespace quorvane
