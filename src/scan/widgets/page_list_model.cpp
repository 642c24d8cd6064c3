#include "scan/widgets/page_list_model.h"

#include <QPainter>

#include <algorithm>

#include "scan/widgets/page_thumbnail.h"

namespace quorvane {
namespace {

constexpr int kFrameWidth = 4;
const QColor kSelectionColor(Qt::yellow);
const QColor kThumbnailBackground(Qt::gray);

}  // namespace

TPageListModel::TPageListModel(TPageList& pages, QObject* parent) : QAbstractListModel(parent), pages_(pages) {}

int TPageListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant TPageListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::DecorationRole) return Framed(shown_[static_cast<std::size_t>(index.row())]);
  if (role == Qt::SizeHintRole) return QSize(edge_ + 2 * kFrameWidth, edge_ + 2 * kFrameWidth);
  return {};
}

QImage TPageListModel::Framed(const TShown& shown) const {
  QImage framed(edge_ + 2 * kFrameWidth, edge_ + 2 * kFrameWidth, QImage::Format_RGB32);
  framed.fill(shown.selected ? kSelectionColor : kThumbnailBackground);
  QPainter painter(&framed);
  const QImage& thumbnail = shown.thumbnail;
  painter.drawImage((framed.width() - thumbnail.width()) / 2, (framed.height() - thumbnail.height()) / 2, thumbnail);
  return framed;
}

void TPageListModel::SetThumbnailSize(int edge) {
  if (edge == edge_) return;
  beginResetModel();
  edge_ = edge;
  for (TShown& shown : shown_) shown.thumbnail = PageThumbnail(shown.page->Bitmap, edge_);
  endResetModel();
}

bool TPageListModel::Sync() {
  std::vector<TShown> next;
  next.reserve(static_cast<std::size_t>(pages_.PageCount()));
  bool changed = static_cast<int>(shown_.size()) != pages_.PageCount();
  for (int index = 0; index < pages_.PageCount(); ++index) {
    const TPage* page = &pages_.Page(index);
    const bool selected = pages_.IsSelected(index);
    const auto known = std::find_if(shown_.begin(), shown_.end(), [page](const TShown& s) { return s.page == page; });
    if (known != shown_.end()) {
      changed = changed || known - shown_.begin() != index || known->selected != selected;
      next.push_back({page, selected, known->thumbnail});
    } else {
      changed = true;
      next.push_back({page, selected, PageThumbnail(page->Bitmap, edge_)});
    }
  }
  if (!changed) return false;
  beginResetModel();
  shown_ = std::move(next);
  endResetModel();
  return true;
}

}  // namespace quorvane
