#include "app/message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace quorvane {

void ShowMessageBox(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, parent);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

bool AskYesNo(QWidget* parent, const QString& question) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(), question,
                  QMessageBox::Yes | QMessageBox::No, parent);
  box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
  box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace quorvane
