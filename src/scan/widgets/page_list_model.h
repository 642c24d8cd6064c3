#pragma once

#include <QAbstractListModel>
#include <QImage>

#include <vector>

#include "scan/page_list.h"

namespace quorvane {

// The page list for the thumbnail view: one item per page, its thumbnail as
// decoration, framed in yellow while the page is selected. The job changes
// the page list directly; Sync brings the model up to date and is called
// whenever the window lets pending events run.
class TPageListModel : public QAbstractListModel {
  Q_OBJECT

 public:
  explicit TPageListModel(TPageList& pages, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // Thumbnails are squares of this edge (the profile's PreviewSize).
  void SetThumbnailSize(int edge);
  int ThumbnailSize() const { return edge_; }

  // Follows the page list; true when pages came, went or changed selection.
  bool Sync();

 private:
  struct TShown {
    const TPage* page = nullptr;
    bool selected = false;
    QImage thumbnail;
  };
  QImage Framed(const TShown& shown) const;

  TPageList& pages_;
  int edge_ = 260;
  std::vector<TShown> shown_;
};

}  // namespace quorvane
