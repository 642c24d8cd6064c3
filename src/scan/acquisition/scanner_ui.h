#pragma once

#include <QString>

#include "scan/acquisition/device_options.h"

namespace quorvane {

// What the scanner list needs of the window: message boxes and the options
// dialog of the settings-only run. The command-line tool and tests bring their own.
class TScannerUi {
 public:
  virtual ~TScannerUi() = default;
  virtual void ShowMessage(const QString& text) = 0;
  // Yes (true) or No.
  virtual bool Confirm(const QString& question) = 0;
  // Lets the user change the device's options; false when cancelled.
  virtual bool EditScannerOptions(TDeviceOptions& options) = 0;
};

}  // namespace quorvane
