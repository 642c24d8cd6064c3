#pragma once

#include <memory>
#include <vector>

#include "writers/common/page.h"

namespace quorvane {

class TPageList;

// A page image lent out by the page list; the page cannot be deleted while
// it is borrowed, and it is given back when this goes out of scope.
class TBorrowedImage {
 public:
  TBorrowedImage(TPageList& list, int index);
  ~TBorrowedImage();
  TBorrowedImage(const TBorrowedImage&) = delete;
  TBorrowedImage& operator=(const TBorrowedImage&) = delete;

  const TPageBitmap& Image() const;

 private:
  TPageList& list_;
  TPage& page_;
};

// The pages of the current scan job in acquisition order (page 1 is index 0),
// each an image with its parameters, and the selection in selection order.
class TPageList {
 public:
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TPage& Page(int index);
  const TPage& Page(int index) const;
  int PageWidth(int index) const { return Page(index).Bitmap.Width(); }
  int PageHeight(int index) const { return Page(index).Bitmap.Height(); }

  // New pages go to the current page when one is selected, else to the end.
  // Returns the new page's index.
  int AddPage(TPage page);

  TBorrowedImage BorrowImage(int index) { return TBorrowedImage(*this, index); }

  void DeletePage(int index);
  void DeleteSelectedPages();
  void Clear();

  // Makes page index the current page: the whole selection outside a
  // multi-selection, an addition to it inside one.
  void SelectPage(int index);
  void SelectLastPage();
  void UnselectPage(int index);
  void DeselectAll();
  void BeginMultiSelection() { multiSelecting_ = true; }
  void EndMultiSelection() { multiSelecting_ = false; }
  bool IsSelected(int index) const;
  // -1 when no page is current.
  int CurrentPage() const { return current_; }
  // Indices of the selected pages in the order they were selected.
  const std::vector<int>& SelectedPages() const { return selection_; }

  // The pages in list order, for the writers; valid until the list changes.
  std::vector<TPage*> Pages();

 private:
  friend class TBorrowedImage;
  struct TEntry {
    std::unique_ptr<TPage> page;
    int borrowed = 0;
  };
  void CheckIndex(int index) const;
  void CheckNotBorrowed(int index) const;
  void RemoveIndex(int index);

  std::vector<TEntry> pages_;
  std::vector<int> selection_;
  int current_ = -1;
  bool multiSelecting_ = false;
};

}  // namespace quorvane
