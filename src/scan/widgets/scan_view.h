#pragma once

#include <QWidget>

#include "scan/page_list.h"

class QLabel;
class QListView;
class QStatusBar;

namespace quorvane {

class TPageListModel;

// The scan view (Panel1): the thumbnails of the page list and, along the
// bottom, the status bar with the fixed panel "Status" and the status line.
// It only shows: the user cannot select, move or delete thumbnails.
class TScanView : public QWidget {
  Q_OBJECT

 public:
  explicit TScanView(TPageList& pages, QWidget* parent = nullptr);

  void SetThumbnailSize(int edge);
  void SetStatusText(const QString& text);
  QString StatusText() const;

  // Shows the page list as it is now; when pages came, the newest one is
  // scrolled into view.
  void SyncPages();

  QListView* PageView() const { return pageView_; }
  TPageListModel& Model() const { return *model_; }

 private:
  TPageListModel* model_;
  QListView* pageView_;
  QStatusBar* statusBar_;
  QLabel* statusLine_;
};

}  // namespace quorvane
