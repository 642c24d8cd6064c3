#include <gtest/gtest.h>

#include <QImage>
#include <QListView>
#include <QTest>

#include "scan/page_list.h"
#include "scan/widgets/page_list_model.h"
#include "scan/widgets/scan_view.h"
#include "widget_test_environment.h"

namespace quorvane {
namespace {

// A page of one colour: 1-bit black or white, or 24-bit in `rgb`.
TPage SolidPage(TPagePixelFormat format, int width, int height, bool black, QRgb rgb = 0) {
  TPage page;
  page.Bitmap = TPageBitmap(width, height, format);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (format == pf1Bit) {
        page.Bitmap.SetWhite(x, y, !black);
      } else {
        std::uint8_t* pixel = page.Bitmap.Row(y) + 3 * x;
        pixel[0] = static_cast<std::uint8_t>(qBlue(rgb));
        pixel[1] = static_cast<std::uint8_t>(qGreen(rgb));
        pixel[2] = static_cast<std::uint8_t>(qRed(rgb));
      }
    }
  }
  return page;
}

QImage Thumbnail(const TPageListModel& model, int row) {
  return model.data(model.index(row), Qt::DecorationRole).value<QImage>();
}

TEST(PageListModel, FollowsPagesAndSelectionOfThePageList) {
  TPageList pages;
  TPageListModel model(pages);
  model.SetThumbnailSize(40);
  EXPECT_FALSE(model.Sync());

  pages.AddPage(SolidPage(pf1Bit, 83, 117, true));
  pages.AddPage(SolidPage(pf24RGB, 117, 83, false, qRgb(200, 30, 10)));
  ASSERT_TRUE(model.Sync());
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_FALSE(model.Sync()) << "nothing changed";

  const QImage black = Thumbnail(model, 0);
  EXPECT_EQ(black.size(), QSize(48, 48));  // the edge and a 4-pixel frame
  EXPECT_EQ(qGray(black.pixel(24, 24)), 0) << "a black 1-bit page stays black";
  EXPECT_EQ(QColor(black.pixel(1, 1)), QColor(Qt::gray));
  const QImage colour = Thumbnail(model, 1);
  EXPECT_EQ(QColor(colour.pixel(24, 24)), QColor(200, 30, 10)) << "blue, green, red rows read in their order";

  pages.SelectPage(1);
  ASSERT_TRUE(model.Sync());
  EXPECT_EQ(QColor(Thumbnail(model, 1).pixel(1, 1)), QColor(Qt::yellow));
  EXPECT_EQ(QColor(Thumbnail(model, 0).pixel(1, 1)), QColor(Qt::gray));

  pages.DeletePage(0);
  ASSERT_TRUE(model.Sync());
  ASSERT_EQ(model.rowCount(), 1);
  EXPECT_EQ(QColor(Thumbnail(model, 0).pixel(24, 24)), QColor(200, 30, 10));
}

TEST(ScanView, ScrollsTheNewestPageIntoView) {
  TPageList pages;
  TScanView view(pages);
  view.resize(300, 240);
  view.SetThumbnailSize(60);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  for (int page = 0; page < 30; ++page) {
    pages.AddPage(SolidPage(pf1Bit, 30, 40, page % 2 == 0));
    view.SyncPages();
  }
  QListView* pageView = view.PageView();
  const QRect newest = pageView->visualRect(view.Model().index(29));
  EXPECT_TRUE(pageView->viewport()->rect().intersects(newest));
  EXPECT_FALSE(pageView->viewport()->rect().intersects(pageView->visualRect(view.Model().index(0))));
}

}  // namespace
}  // namespace quorvane
