#include "scan/acquisition/device_source.h"

#include "app/log.h"
#include "scan/acquisition/frame_reader.h"
#include "scan/acquisition/scan_policy.h"
#include "scan/acquisition/settings_block.h"

namespace quorvane {
namespace {

TAcquisitionError DeviceError(const TDeviceStatusError& error) {
  return TAcquisitionError(TAcquisitionErrorKind::DeviceError, QString::fromUtf8(error.what()));
}

// Ends the frame sequence however the acquisition leaves.
class TCancelOnExit {
 public:
  explicit TCancelOnExit(TScanDevice& device) : device_(device) {}
  ~TCancelOnExit() { device_.Cancel(); }
  TCancelOnExit(const TCancelOnExit&) = delete;
  TCancelOnExit& operator=(const TCancelOnExit&) = delete;

 private:
  TScanDevice& device_;
};

}  // namespace

TDeviceSource::TDeviceSource(std::unique_ptr<TScanDevice> device, const QString& description)
    : device_(std::move(device)), options_(*device_), description_(description), requestedDpi_(TIOParams().DpiX) {}

void TDeviceSource::RefreshCapabilities() {
  try {
    options_.Reload();
  } catch (const TDeviceStatusError& error) {
    throw DeviceError(error);
  }
}

TPaperState TDeviceSource::PaperState() {
  try {
    return ReadPaperState(options_);
  } catch (const TDeviceStatusError& error) {
    throw DeviceError(error);
  }
}

void TDeviceSource::LoadSettingsBlock(const QByteArray& block) {
  for (const QString& line : ReplaySettingsBlock(options_, block)) WriteLogMsg(line);
}

QByteArray TDeviceSource::CaptureBlock() {
  try {
    return CaptureSettingsBlock(options_);
  } catch (const TDeviceStatusError& error) {
    throw DeviceError(error);
  }
}

void TDeviceSource::Prepare(const TScanSettings& settings) {
  try {
    if (settings.Settings) LoadSettingsBlock(*settings.Settings);
    requestedDpi_ = settings.DPI;
    ApplyScanSettings(options_, settings);
  } catch (const TDeviceStatusError& error) {
    throw DeviceError(error);
  }
}

TAcquireOutcome TDeviceSource::Acquire(const TPageArrived& pageArrived) {
  TAcquireOutcome outcome;
  TPreparedScan scan;
  try {
    scan = CurrentScan(options_, requestedDpi_);
  } catch (const TDeviceStatusError& error) {
    throw DeviceError(error);
  }
  TCancelOnExit cancel(*device_);
  for (;;) {
    try {
      device_->Start();
      TPage page = ReadFrame(*device_, scan.DpiX, scan.DpiY, staging_);
      ++outcome.PageCount;
      pageArrived(std::move(page));
    } catch (const TDeviceStatusError& error) {
      const bool emptyFeeder = error.Status() == SANE_STATUS_NO_DOCS;
      if (outcome.PageCount == 0)
        throw emptyFeeder ? TAcquisitionError(TAcquisitionErrorKind::NoPaper, {}) : DeviceError(error);
      // The feeder ran empty: the stack is done. Anything else interrupts it,
      // and the pages that arrived stay with the caller.
      if (!emptyFeeder) outcome.Interrupted = DeviceError(error);
      return outcome;
    }
    if (!scan.Feeder) return outcome;
  }
}

}  // namespace quorvane
