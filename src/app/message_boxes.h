#pragma once

#include <QString>

class QWidget;

namespace quorvane {

// A modal message with the German "OK" button, centred over `parent`.
void ShowMessageBox(QWidget* parent, const QString& text);

// A modal question with the buttons "Ja" and "Nein"; true only for "Ja"
// (closing the box without an answer is a "Nein").
bool AskYesNo(QWidget* parent, const QString& question);

}  // namespace quorvane
