#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QPixmap>
#include <QString>

#include <functional>

namespace quorvane {

// One 160 x 160 tile of the board: a coloured square with a picture and a
// centred, wrapped text. Activating it opens its detail page on the board.
class TTileItem : public QAbstractButton {
  Q_OBJECT

 public:
  static constexpr int kCellSize = 160;

  TTileItem(int group, QWidget* parent = nullptr);

  int Group() const { return group_; }
  // The link to the data the tile stands for (a profile's ID).
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  const QString& DetailCaption() const { return detailCaption_; }
  void SetDetailCaption(const QString& caption) { detailCaption_ = caption; }
  QWidget* DetailPage() const { return detailPage_; }
  void SetDetailPage(QWidget* page) { detailPage_ = page; }

  // An invalid colour paints the board's default tile colour.
  void SetColor(const QColor& color);
  QColor Color() const;
  void SetPicture(const QPixmap& picture);

  // Runs after the detail page has been opened.
  std::function<void(TTileItem&)> OnActivateDetail;
  // Runs before the detail page is left; false keeps it open.
  std::function<bool(TTileItem&)> OnDeactivateDetail;

  QSize sizeHint() const override { return {kCellSize, kCellSize}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int group_;
  int tag_ = 0;
  QString detailCaption_;
  QWidget* detailPage_ = nullptr;
  QColor color_;
  QPixmap picture_;
  QFont textFont_;
};

}  // namespace quorvane
