#include "profiles/widgets/tile_item.h"

#include <QLinearGradient>
#include <QPainter>

namespace quorvane {
namespace {

const QColor kDefaultTileColor(0x2d, 0x7d, 0x9a);
constexpr int kTextMargin = 10;

QColor TextColorOn(const QColor& background) {
  return background.lightnessF() > 0.6 ? QColor(Qt::black) : QColor(Qt::white);
}

}  // namespace

TTileItem::TTileItem(int group, QWidget* parent) : QAbstractButton(parent), group_(group) {
  setFixedSize(kCellSize, kCellSize);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
  textFont_ = font();
  textFont_.setPointSize(12);
}

void TTileItem::SetColor(const QColor& color) {
  color_ = color;
  update();
}

QColor TTileItem::Color() const { return color_.isValid() ? color_ : kDefaultTileColor; }

void TTileItem::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

void TTileItem::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor base = Color();
  // The tile's texture: a soft gradient from its colour, stretched over the tile.
  QLinearGradient gradient(rect().topLeft(), rect().bottomRight());
  gradient.setColorAt(0, base);
  gradient.setColorAt(1, base.darker(isDown() ? 140 : 115));
  painter.fillRect(rect(), gradient);

  if (!picture_.isNull()) {
    const QSize fitted = picture_.size().scaled(size() * 0.7, Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, picture_);
  }
  if (!text().isEmpty()) {
    painter.setFont(textFont_);
    painter.setPen(TextColorOn(base));
    painter.drawText(rect().adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin),
                     Qt::AlignCenter | Qt::TextWordWrap, text());
  }
  if (underMouse() || hasFocus()) {
    painter.setPen(QPen(TextColorOn(base), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
  }
}

}  // namespace quorvane
