#pragma once

#include <QLineEdit>

namespace quorvane {

// The file-name pattern's text box. A double-click in the variable list takes
// the focus away, and a line edit drops its selection when it loses the
// focus; the box remembers where the caret and the selection were, so the
// variable goes where the user left them.
class TPatternEdit : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

  // Replaces the (last) selection by `text`, or inserts it at the (last) caret.
  void InsertVariable(const QString& text);
  // Another profile's pattern is shown: the remembered place belongs to the old one.
  void ForgetPosition() { caret_ = -1; }

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int caret_ = -1;
  int selectionStart_ = -1;
  int selectionLength_ = 0;
};

}  // namespace quorvane
