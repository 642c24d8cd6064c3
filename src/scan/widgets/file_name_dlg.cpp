#include "scan/widgets/file_name_dlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace quorvane {
namespace {

QFont PixelFont(const QFont& base, int pixels) {
  QFont font = base;
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

TFileNameDlg::TFileNameDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("FileNameDlg"));
  setFixedSize(453, 135);
  setFont(PixelFont(font(), 11));
  setStyleSheet(QStringLiteral("QDialog#FileNameDlg { border: 1px solid palette(mid); }"));

  auto* label = new QLabel(QStringLiteral("Dateiname"), this);
  label->move(16, 8);

  knrTextEdit_ = new QLineEdit(this);
  knrTextEdit_->setObjectName(QStringLiteral("KnrTextEdit"));
  knrTextEdit_->setFont(PixelFont(font(), 13));
  knrTextEdit_->setGeometry(16, 34, 55, 23);

  fileNameTextEdit_ = new QLineEdit(this);
  fileNameTextEdit_->setObjectName(QStringLiteral("FileNameTextEdit"));
  fileNameTextEdit_->setFont(PixelFont(font(), 13));
  fileNameTextEdit_->setGeometry(16, 61, 417, 23);

  cancelButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), QStringLiteral("Abbrechen"), this);
  cancelButton_->setObjectName(QStringLiteral("CancelButton"));
  cancelButton_->setGeometry(216, 91, 107, 25);
  saveButton_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton), QStringLiteral("Speichern"), this);
  saveButton_->setObjectName(QStringLiteral("SaveButton"));
  saveButton_->setGeometry(329, 91, 104, 25);
  // Enter belongs to the text fields (their own rules below), never to a default button.
  for (QPushButton* button : {saveButton_, cancelButton_}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  setTabOrder(knrTextEdit_, fileNameTextEdit_);
  setTabOrder(fileNameTextEdit_, saveButton_);
  setTabOrder(saveButton_, cancelButton_);

  connect(saveButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
  connect(knrTextEdit_, &QLineEdit::returnPressed, this, &TFileNameDlg::KnrTextEditKeyPress);
  connect(fileNameTextEdit_, &QLineEdit::returnPressed, this, &TFileNameDlg::FileNameTextEditKeyPress);
}

TFileNameAnswer TFileNameDlg::Ask(const QString& fileName, bool showCustomerNumber) {
  knrTextEdit_->setVisible(showCustomerNumber);
  fileNameTextEdit_->setText(fileName);
  TFileNameAnswer answer;
  answer.confirmed = exec() == QDialog::Accepted;
  answer.fileName = fileNameTextEdit_->text();
  answer.customerNumber = knrTextEdit_->text();
  knrTextEdit_->clear();
  fileNameTextEdit_->clear();
  return answer;
}

void TFileNameDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TFileNameDlg::FormShow() {
  if (knrTextEdit_->isVisibleTo(this)) {
    knrTextEdit_->setFocus();
  } else {
    fileNameTextEdit_->setFocus();
  }
}

void TFileNameDlg::KnrTextEditKeyPress() { fileNameTextEdit_->setFocus(); }

void TFileNameDlg::FileNameTextEditKeyPress() { accept(); }

}  // namespace quorvane
