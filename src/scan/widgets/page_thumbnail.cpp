#include "scan/widgets/page_thumbnail.h"

namespace quorvane {

QImage PageThumbnail(const TPageBitmap& bitmap, int edge) {
  if (bitmap.IsEmpty() || edge <= 0) return {};
  // A view of the page's own rows: nothing is copied before scaling.
  const auto stride = static_cast<qsizetype>(bitmap.RowStride());
  QImage view;
  if (bitmap.PixelFormat() == pf1Bit) {
    view = QImage(bitmap.Row(0), bitmap.Width(), bitmap.Height(), stride, QImage::Format_Mono);
    view.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
  } else {
    view = QImage(bitmap.Row(0), bitmap.Width(), bitmap.Height(), stride, QImage::Format_BGR888);
  }
  // Grey first: smooth scaling of a 1-bit page would give black and white blotches.
  if (view.format() == QImage::Format_Mono) view = view.convertToFormat(QImage::Format_Grayscale8);
  return view.scaled(edge, edge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace quorvane
