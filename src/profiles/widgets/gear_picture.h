#pragma once

#include <QColor>
#include <QPixmap>

namespace quorvane {

// The settings tile's picture: a gear of `color` on a transparent square.
QPixmap GearPicture(int size, const QColor& color);

}  // namespace quorvane
