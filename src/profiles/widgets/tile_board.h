#pragma once

#include <QList>
#include <QStackedWidget>

#include "profiles/widgets/tile_item.h"

class QLabel;
class QScrollArea;
class QToolButton;

namespace quorvane {

class TTileFlow;

// The full-window board of tiles in groups, flowing in rows and scrolling.
// Activating a tile opens its detail page, which covers the board and shows
// the tile's detail caption with a back button; only one is open at a time.
class TTileBoard : public QStackedWidget {
  Q_OBJECT

 public:
  explicit TTileBoard(const QString& title, QWidget* parent = nullptr);

  // A new tile at the end of `group`.
  TTileItem* AddTile(int group);
  void RemoveGroupTiles(int group);
  QList<TTileItem*> GroupTiles(int group) const;

  // Opens the tile's detail page (when no other one is open).
  void ActivateDetail(TTileItem& tile);
  // Leaves the open detail page, unless the tile refuses; true when the
  // board is shown afterwards.
  bool DeactivateDetail();
  TTileItem* ActiveDetailTile() const { return active_; }

 signals:
  // The action bar's "Close".
  void CloseRequested();

 private:
  TTileFlow* flow_;
  QScrollArea* scrollArea_;
  QWidget* detail_;
  QLabel* detailCaption_;
  QToolButton* backButton_;
  QStackedWidget* detailPages_;
  TTileItem* active_ = nullptr;
};

}  // namespace quorvane
