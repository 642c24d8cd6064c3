#include "profiles/widgets/gear_picture.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace quorvane {

QPixmap GearPicture(int size, const QColor& color) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.translate(size / 2.0, size / 2.0);

  constexpr int kTeeth = 8;
  const double outer = size * 0.46;
  const double inner = size * 0.36;
  QPainterPath gear;
  for (int tooth = 0; tooth < kTeeth; ++tooth) {
    // Each tooth: rise, flat top, fall, flat root; angles in steps of a quarter tooth.
    const double step = 2 * std::numbers::pi / kTeeth / 4;
    const double start = tooth * 4 * step;
    const double radii[] = {inner, outer, outer, inner};
    for (int corner = 0; corner < 4; ++corner) {
      const double angle = start + corner * step;
      const QPointF point(radii[corner] * std::cos(angle), radii[corner] * std::sin(angle));
      if (tooth == 0 && corner == 0) {
        gear.moveTo(point);
      } else {
        gear.lineTo(point);
      }
    }
  }
  gear.closeSubpath();
  gear.addEllipse(QPointF(0, 0), size * 0.15, size * 0.15);
  gear.setFillRule(Qt::OddEvenFill);
  painter.fillPath(gear, color);
  return picture;
}

}  // namespace quorvane
