#include "profiles/widgets/paper_size_box.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace quorvane {
namespace {

// PaperSizeImg: 16 x 16 pictures of a sheet with a mark for the size.
QPixmap PaperSizePicture(int index) {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setPen(Qt::darkGray);
  if (index == 2) {
    // The scanner's own setting: a flatbed.
    painter.fillRect(QRect(1, 7, 14, 6), Qt::lightGray);
    painter.drawRect(QRect(1, 7, 14, 6));
    painter.drawLine(2, 5, 14, 5);
    return picture;
  }
  painter.fillRect(QRect(3, 1, 10, 14), Qt::white);
  painter.drawRect(QRect(3, 1, 10, 14));
  QFont font = painter.font();
  font.setPixelSize(7);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(index == 0 ? Qt::darkGreen : Qt::darkBlue);
  painter.drawText(QRect(3, 1, 11, 15), Qt::AlignCenter, index == 0 ? QStringLiteral("A") : QStringLiteral("4"));
  return picture;
}

}  // namespace

TPaperSizeBox::TPaperSizeBox(const QStringList& sizes, QWidget* parent) : QComboBox(parent) {
  for (int index = 0; index < sizes.size(); ++index) addItem(QIcon(PaperSizePicture(index)), sizes[index]);
}

}  // namespace quorvane
