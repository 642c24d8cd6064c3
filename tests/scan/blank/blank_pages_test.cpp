#include "scan/blank/blank_pages.h"

#include <gtest/gtest.h>

#include "scan/page_list.h"

namespace quorvane {
namespace {

// A page with `dark` black pixels at its top left, remembered by its dpi.
TPage PageWithDarkPixels(int dark, int dpi) {
  TPage page{TPageBitmap(20, 10, pf24RGB), TIOParams{}};
  for (int i = 0; i < dark; ++i) {
    std::uint8_t* p = page.Bitmap.Row(i / 20) + 3 * (i % 20);
    p[0] = p[1] = p[2] = 0;
  }
  page.Params.DpiX = dpi;
  return page;
}

std::vector<int> RemainingDpis(TPageList& pages) {
  std::vector<int> dpis;
  for (const TPage* page : pages.Pages()) dpis.push_back(page->Params.DpiX);
  return dpis;
}

TEST(RemoveBlankPages, DeletesBlankPagesAndKeepsTheOthersInOrder) {
  // 200 pixels a page, tolerance 0.01: one dark pixel (0.5 %) is blank, three (1.5 %) are not.
  TPageList pages;
  const int darkPixels[] = {50, 0, 100, 1, 3};
  for (int i = 0; i < 5; ++i) pages.AddPage(PageWithDarkPixels(darkPixels[i], 101 + i));
  pages.SelectPage(2);

  RemoveBlankPages(pages, 0.01);

  EXPECT_EQ(RemainingDpis(pages), std::vector<int>({101, 103, 105}));
  EXPECT_TRUE(pages.SelectedPages().empty());
}

TEST(RemoveBlankPages, MayEmptyTheList) {
  TPageList pages;
  pages.AddPage(PageWithDarkPixels(0, 100));
  pages.AddPage(PageWithDarkPixels(200, 100));  // all black
  RemoveBlankPages(pages, 0.001);
  EXPECT_EQ(pages.PageCount(), 0);
}

TEST(RemoveBlankPages, KeepsThePixelFormatOfTheRemainingPages) {
  TPageList pages;
  TPage bits{TPageBitmap(16, 2, pf1Bit), TIOParams{}};
  for (int x = 0; x < 16; ++x) bits.Bitmap.SetWhite(x, 0, false);  // half black
  pages.AddPage(std::move(bits));
  pages.AddPage(PageWithDarkPixels(100, 100));
  RemoveBlankPages(pages, 0.1);
  ASSERT_EQ(pages.PageCount(), 2);
  EXPECT_EQ(pages.Page(0).Bitmap.PixelFormat(), pf1Bit);
  EXPECT_EQ(pages.Page(1).Bitmap.PixelFormat(), pf24RGB);
}

}  // namespace
}  // namespace quorvane
