#include "scan/acquisition/dialog/widget_scanner_ui.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "scan/acquisition/dialog/scanner_options_dialog.h"

namespace quorvane {

void TWidgetScannerUi::ShowMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, parent_);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

bool TWidgetScannerUi::Confirm(const QString& question) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(), question,
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
  return box.exec() == QMessageBox::Yes;
}

bool TWidgetScannerUi::EditScannerOptions(TDeviceOptions& options) {
  TScannerOptionsDialog dialog(options, parent_);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace quorvane
