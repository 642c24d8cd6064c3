#pragma once

#include <QImage>

#include "writers/common/page_bitmap.h"

namespace quorvane {

// A copy of the page fitted into an `edge` x `edge` square, keeping its shape.
QImage PageThumbnail(const TPageBitmap& bitmap, int edge);

}  // namespace quorvane
