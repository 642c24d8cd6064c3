#include <gtest/gtest.h>

#include "scan/page_list.h"

namespace quorvane {
namespace {

// Pages told apart by their width.
TPage PageOfWidth(int width) {
  TPage page;
  page.Bitmap = TPageBitmap(width, 1, pf1Bit);
  return page;
}

std::vector<int> Widths(TPageList& list) {
  std::vector<int> widths;
  for (int i = 0; i < list.PageCount(); ++i) widths.push_back(list.PageWidth(i));
  return widths;
}

TEST(PageList, NewPagesGoToTheCurrentPageElseToTheEnd) {
  TPageList list;
  list.AddPage(PageOfWidth(1));
  list.AddPage(PageOfWidth(2));
  list.SelectPage(1);
  EXPECT_EQ(list.AddPage(PageOfWidth(3)), 1);
  EXPECT_EQ(Widths(list), (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(list.CurrentPage(), 2) << "the current page moves with its page";
  list.UnselectPage(list.CurrentPage());
  EXPECT_EQ(list.AddPage(PageOfWidth(4)), 3);
  EXPECT_EQ(Widths(list), (std::vector<int>{1, 3, 2, 4}));
}

TEST(PageList, SelectionKeepsSelectionOrderAndFollowsDeletions) {
  TPageList list;
  for (int w = 1; w <= 5; ++w) list.AddPage(PageOfWidth(w));
  list.BeginMultiSelection();
  list.SelectPage(3);
  list.SelectPage(0);
  list.SelectPage(4);
  list.SelectPage(0);  // already selected: stays where it was
  list.EndMultiSelection();
  EXPECT_EQ(list.SelectedPages(), (std::vector<int>{3, 0, 4}));

  list.DeletePage(1);
  EXPECT_EQ(list.SelectedPages(), (std::vector<int>{2, 0, 3}));
  list.DeleteSelectedPages();
  EXPECT_EQ(Widths(list), (std::vector<int>{3}));
  EXPECT_TRUE(list.SelectedPages().empty());
  EXPECT_EQ(list.CurrentPage(), -1);
}

TEST(PageList, SelectingOutsideAMultiSelectionReplacesTheSelection) {
  TPageList list;
  for (int w = 1; w <= 3; ++w) list.AddPage(PageOfWidth(w));
  list.SelectPage(0);
  list.SelectPage(2);
  EXPECT_EQ(list.SelectedPages(), std::vector<int>{2});
  EXPECT_FALSE(list.IsSelected(0));
  list.SelectLastPage();
  EXPECT_EQ(list.CurrentPage(), 2);
  list.DeselectAll();
  EXPECT_TRUE(list.SelectedPages().empty());
}

TEST(PageList, ABorrowedPageCannotBeDeletedUntilGivenBack) {
  TPageList list;
  list.AddPage(PageOfWidth(7));
  {
    TBorrowedImage borrowed = list.BorrowImage(0);
    EXPECT_EQ(borrowed.Image().Width(), 7);
    EXPECT_THROW(list.DeletePage(0), std::logic_error);
    EXPECT_THROW(list.Clear(), std::logic_error);
  }
  list.Clear();
  EXPECT_EQ(list.PageCount(), 0);
  EXPECT_THROW(list.BorrowImage(0), std::out_of_range);
}

}  // namespace
}  // namespace quorvane
