#include "profiles/widgets/tile_board.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quorvane {

// Places the tiles in rows, group after group, and wraps them at its width.
class TTileFlow : public QWidget {
 public:
  static constexpr int kMargin = 16;
  static constexpr int kSpacing = 8;
  static constexpr int kGroupGap = 32;

  explicit TTileFlow(QWidget* parent) : QWidget(parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
  }

  QList<TTileItem*> Tiles() const { return findChildren<TTileItem*>(Qt::FindDirectChildrenOnly); }

  // Keeps group order; within a group, the order of creation.
  QList<TTileItem*> OrderedTiles() const {
    QList<TTileItem*> tiles;
    for (TTileItem* tile : order_) tiles << tile;
    std::stable_sort(tiles.begin(), tiles.end(),
                     [](const TTileItem* a, const TTileItem* b) { return a->Group() < b->Group(); });
    return tiles;
  }

  void Add(TTileItem* tile) {
    order_ << tile;
    tile->show();
    Arrange();
  }
  void Remove(TTileItem* tile) {
    order_.removeOne(tile);
    Arrange();
  }

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override { return Place(width, false); }
  QSize sizeHint() const override { return {4 * TTileItem::kCellSize, heightForWidth(4 * TTileItem::kCellSize)}; }
  QSize minimumSizeHint() const override { return {TTileItem::kCellSize + 2 * kMargin, 0}; }

  void Arrange() {
    Place(width(), true);
    updateGeometry();
  }

 protected:
  void resizeEvent(QResizeEvent*) override { Place(width(), true); }

 private:
  // Lays the tiles out for `width`; returns the height they need.
  int Place(int width, bool move) const {
    const int cell = TTileItem::kCellSize;
    int x = kMargin;
    int y = kMargin;
    int lastGroup = -1;
    for (TTileItem* tile : OrderedTiles()) {
      if (lastGroup >= 0 && tile->Group() != lastGroup && x > kMargin) x += kGroupGap - kSpacing;
      if (x > kMargin && x + cell + kMargin > width) {
        x = kMargin;
        y += cell + kSpacing;
      }
      if (move) tile->move(x, y);
      x += cell + kSpacing;
      lastGroup = tile->Group();
    }
    return y + cell + kMargin;
  }

  QList<TTileItem*> order_;
};

TTileBoard::TTileBoard(const QString& title, QWidget* parent) : QStackedWidget(parent) {
  auto* board = new QWidget(this);
  auto* boardLayout = new QVBoxLayout(board);
  boardLayout->setContentsMargins(0, 0, 0, 0);
  auto* titleLabel = new QLabel(title, board);
  QFont titleFont = titleLabel->font();
  titleFont.setPointSize(20);
  titleLabel->setFont(titleFont);
  titleLabel->setContentsMargins(TTileFlow::kMargin, 12, TTileFlow::kMargin, 0);
  boardLayout->addWidget(titleLabel);

  scrollArea_ = new QScrollArea(board);
  scrollArea_->setFrameShape(QFrame::NoFrame);
  scrollArea_->setWidgetResizable(true);
  scrollArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  flow_ = new TTileFlow(scrollArea_);
  scrollArea_->setWidget(flow_);
  boardLayout->addWidget(scrollArea_, 1);

  auto* actionBar = new QWidget(board);
  actionBar->setObjectName(QStringLiteral("ActionBar"));
  auto* actionLayout = new QHBoxLayout(actionBar);
  actionLayout->addStretch();
  auto* closeButton = new QPushButton(QStringLiteral("Close"), actionBar);
  closeButton->setObjectName(QStringLiteral("dxTileControlActionBarItem1"));
  connect(closeButton, &QPushButton::clicked, this, &TTileBoard::CloseRequested);
  actionLayout->addWidget(closeButton);
  boardLayout->addWidget(actionBar);
  addWidget(board);

  detail_ = new QWidget(this);
  auto* detailLayout = new QVBoxLayout(detail_);
  detailLayout->setContentsMargins(0, 0, 0, 0);
  auto* header = new QHBoxLayout();
  header->setContentsMargins(8, 8, 8, 0);
  backButton_ = new QToolButton(detail_);
  backButton_->setObjectName(QStringLiteral("BackButton"));
  backButton_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
  backButton_->setToolTip(QStringLiteral("Zurück"));
  backButton_->setAutoRaise(true);
  backButton_->setIconSize(QSize(28, 28));
  connect(backButton_, &QToolButton::clicked, this, [this] { DeactivateDetail(); });
  header->addWidget(backButton_);
  detailCaption_ = new QLabel(detail_);
  detailCaption_->setFont(titleFont);
  header->addWidget(detailCaption_, 1);
  detailLayout->addLayout(header);
  detailPages_ = new QStackedWidget(detail_);
  detailLayout->addWidget(detailPages_, 1);
  addWidget(detail_);
}

TTileItem* TTileBoard::AddTile(int group) {
  auto* tile = new TTileItem(group, flow_);
  connect(tile, &TTileItem::clicked, this, [this, tile] { ActivateDetail(*tile); });
  flow_->Add(tile);
  return tile;
}

void TTileBoard::RemoveGroupTiles(int group) {
  for (TTileItem* tile : flow_->Tiles()) {
    if (tile->Group() != group) continue;
    if (tile == active_) active_ = nullptr;
    flow_->Remove(tile);
    tile->hide();
    tile->deleteLater();
  }
  flow_->update();
}

QList<TTileItem*> TTileBoard::GroupTiles(int group) const {
  QList<TTileItem*> tiles;
  for (TTileItem* tile : flow_->OrderedTiles()) {
    if (tile->Group() == group) tiles << tile;
  }
  return tiles;
}

void TTileBoard::ActivateDetail(TTileItem& tile) {
  if (active_) return;
  active_ = &tile;
  detailCaption_->setText(tile.DetailCaption());
  if (QWidget* page = tile.DetailPage()) {
    if (detailPages_->indexOf(page) < 0) detailPages_->addWidget(page);
    detailPages_->setCurrentWidget(page);
  }
  setCurrentWidget(detail_);
  if (tile.OnActivateDetail) tile.OnActivateDetail(tile);
}

bool TTileBoard::DeactivateDetail() {
  if (!active_) return true;
  TTileItem* leaving = active_;
  if (leaving->OnDeactivateDetail && !leaving->OnDeactivateDetail(*leaving)) return false;
  active_ = nullptr;
  setCurrentIndex(0);
  return true;
}

}  // namespace quorvane
