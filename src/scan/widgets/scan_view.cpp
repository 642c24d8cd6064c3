#include "scan/widgets/scan_view.h"

#include <QLabel>
#include <QListView>
#include <QStatusBar>
#include <QVBoxLayout>

#include "scan/widgets/page_list_model.h"

namespace quorvane {
namespace {

constexpr int kStatusBarHeight = 20;
constexpr int kThumbnailGap = 5;

}  // namespace

TScanView::TScanView(TPageList& pages, QWidget* parent)
    : QWidget(parent), model_(new TPageListModel(pages, this)) {
  setObjectName(QStringLiteral("Panel1"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  pageView_ = new QListView(this);
  pageView_->setObjectName(QStringLiteral("PageView"));
  pageView_->setModel(model_);
  pageView_->setViewMode(QListView::IconMode);
  pageView_->setMovement(QListView::Static);
  pageView_->setResizeMode(QListView::Adjust);
  pageView_->setUniformItemSizes(true);
  pageView_->setSpacing(kThumbnailGap);
  pageView_->setSelectionMode(QAbstractItemView::NoSelection);
  pageView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  pageView_->setFocusPolicy(Qt::NoFocus);
  pageView_->setStyleSheet(QStringLiteral("QListView { background: #f0f0f0; }"));
  layout->addWidget(pageView_, 1);

  statusBar_ = new QStatusBar(this);
  statusBar_->setObjectName(QStringLiteral("dxStatusBar"));
  statusBar_->setFixedHeight(kStatusBarHeight);
  statusBar_->setSizeGripEnabled(false);
  auto* fixedPanel = new QLabel(QStringLiteral("Status"), statusBar_);
  statusBar_->addWidget(fixedPanel);
  statusLine_ = new QLabel(statusBar_);
  statusLine_->setObjectName(QStringLiteral("StatusLine"));
  statusBar_->addWidget(statusLine_, 1);
  layout->addWidget(statusBar_);
}

void TScanView::SetThumbnailSize(int edge) {
  model_->SetThumbnailSize(edge);
  pageView_->setIconSize(QSize(edge + 8, edge + 8));
}

void TScanView::SetStatusText(const QString& text) { statusLine_->setText(text); }

QString TScanView::StatusText() const { return statusLine_->text(); }

void TScanView::SyncPages() {
  const int before = model_->rowCount();
  if (!model_->Sync()) return;
  if (model_->rowCount() > before) pageView_->scrollToBottom();
}

}  // namespace quorvane
