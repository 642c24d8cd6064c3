#include "profiles/widgets/pattern_edit.h"

namespace quorvane {

void TPatternEdit::focusOutEvent(QFocusEvent* event) {
  caret_ = cursorPosition();
  selectionStart_ = selectionStart();
  selectionLength_ = static_cast<int>(selectedText().size());
  QLineEdit::focusOutEvent(event);
}

void TPatternEdit::InsertVariable(const QString& text) {
  if (!hasFocus() && caret_ >= 0 && caret_ <= this->text().size()) {
    if (selectionStart_ >= 0 && selectionLength_ > 0) {
      setSelection(selectionStart_, selectionLength_);
    } else {
      setCursorPosition(caret_);
    }
  }
  insert(text);
  caret_ = cursorPosition();
  selectionStart_ = -1;
  selectionLength_ = 0;
}

}  // namespace quorvane
