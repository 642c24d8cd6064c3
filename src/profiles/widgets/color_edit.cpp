#include "profiles/widgets/color_edit.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QPainter>

namespace quorvane {

TColorEdit::TColorEdit(QWidget* parent) : QPushButton(parent) {
  connect(this, &QPushButton::clicked, this, &TColorEdit::ChooseColor);
  SetColor(QColor());
}

void TColorEdit::SetColor(const QColor& color) {
  color_ = color;
  setText(color.isValid() ? color.name().toUpper() : QStringLiteral("kein"));
  update();
}

void TColorEdit::ChooseColor() {
  const QColor chosen = QColorDialog::getColor(color_.isValid() ? color_ : QColor(Qt::white), this,
                                               QStringLiteral("Kachel Farbe"));
  if (!chosen.isValid()) return;
  SetColor(chosen);
  emit ColorChosen(chosen);
}

void TColorEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
    SetColor(QColor());
    emit ColorCleared();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void TColorEdit::paintEvent(QPaintEvent* event) {
  QPushButton::paintEvent(event);
  if (!color_.isValid()) return;
  QPainter painter(this);
  const int edge = height() - 10;
  const QRect swatch(6, 5, edge, edge);
  painter.fillRect(swatch, color_);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(swatch);
}

}  // namespace quorvane
