#pragma once

#include <QColor>
#include <QPushButton>

namespace quorvane {

// The tile colour picker: shows the colour, opens a colour dialog on a click,
// and Ctrl+Del clears the colour (the tile then takes the board's colour).
class TColorEdit : public QPushButton {
  Q_OBJECT

 public:
  explicit TColorEdit(QWidget* parent = nullptr);

  // An invalid colour shows "kein".
  void SetColor(const QColor& color);
  QColor Color() const { return color_; }

 signals:
  void ColorChosen(const QColor& color);
  void ColorCleared();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ChooseColor();

  QColor color_;
};

}  // namespace quorvane
