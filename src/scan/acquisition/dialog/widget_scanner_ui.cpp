#include "scan/acquisition/dialog/widget_scanner_ui.h"

#include "app/message_boxes.h"
#include "scan/acquisition/dialog/scanner_options_dialog.h"

namespace quorvane {

void TWidgetScannerUi::ShowMessage(const QString& text) { ShowMessageBox(parent_, text); }

bool TWidgetScannerUi::Confirm(const QString& question) { return AskYesNo(parent_, question); }

bool TWidgetScannerUi::EditScannerOptions(TDeviceOptions& options) {
  TScannerOptionsDialog dialog(options, parent_);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace quorvane
