#pragma once

#include "scan/acquisition/scanner_ui.h"

class QWidget;

namespace quorvane {

// The scanner list's messages as German message boxes, the settings-only run
// as our options dialog.
class TWidgetScannerUi : public TScannerUi {
 public:
  explicit TWidgetScannerUi(QWidget* parent) : parent_(parent) {}

  void ShowMessage(const QString& text) override;
  bool Confirm(const QString& question) override;
  bool EditScannerOptions(TDeviceOptions& options) override;

 private:
  QWidget* parent_;
};

}  // namespace quorvane
