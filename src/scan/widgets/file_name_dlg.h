#pragma once

#include <QDialog>

#include "scan/job/scan_job_ui.h"

class QLineEdit;
class QPushButton;

namespace quorvane {

// The small borderless dialog that asks for a document's name and, when the
// profile shows it, a customer number. One instance serves the whole run;
// both fields are empty whenever it is not shown.
class TFileNameDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TFileNameDlg(QWidget* parent = nullptr);

  // Shows the dialog modally with `fileName` in the name field; the customer
  // number field only when `showCustomerNumber` is set. Confirmed only by
  // "Speichern" or Enter in the name field.
  TFileNameAnswer Ask(const QString& fileName, bool showCustomerNumber);

  QLineEdit* KnrTextEdit() const { return knrTextEdit_; }
  QLineEdit* FileNameTextEdit() const { return fileNameTextEdit_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void KnrTextEditKeyPress();
  void FileNameTextEditKeyPress();

  QLineEdit* knrTextEdit_;
  QLineEdit* fileNameTextEdit_;
  QPushButton* saveButton_;
  QPushButton* cancelButton_;
};

}  // namespace quorvane
