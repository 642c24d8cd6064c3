#pragma once

#include <QComboBox>
#include <QStringList>

namespace quorvane {

// A drop-down of paper sizes, each with its small picture; the item index is
// the value stored in the profile (0 Auto, 1 A4, 2 the scanner's own).
class TPaperSizeBox : public QComboBox {
 public:
  TPaperSizeBox(const QStringList& sizes, QWidget* parent = nullptr);
};

}  // namespace quorvane
