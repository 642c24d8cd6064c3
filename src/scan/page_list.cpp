#include "page_list.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace quorvane {

TBorrowedImage::TBorrowedImage(TPageList& list, int index) : list_(list), page_(list.Page(index)) {
  ++list_.pages_[static_cast<std::size_t>(index)].borrowed;
}

TBorrowedImage::~TBorrowedImage() {
  for (TPageList::TEntry& entry : list_.pages_) {
    if (entry.page.get() == &page_) --entry.borrowed;
  }
}

const TPageBitmap& TBorrowedImage::Image() const { return page_.Bitmap; }

void TPageList::CheckIndex(int index) const {
  if (index < 0 || index >= PageCount())
    throw std::out_of_range("page " + std::to_string(index) + " is not in the page list");
}

void TPageList::CheckNotBorrowed(int index) const {
  if (pages_[static_cast<std::size_t>(index)].borrowed != 0)
    throw std::logic_error("page " + std::to_string(index) + " is still borrowed");
}

TPage& TPageList::Page(int index) {
  CheckIndex(index);
  return *pages_[static_cast<std::size_t>(index)].page;
}

const TPage& TPageList::Page(int index) const {
  CheckIndex(index);
  return *pages_[static_cast<std::size_t>(index)].page;
}

int TPageList::AddPage(TPage page) {
  const int index = current_ >= 0 ? current_ : PageCount();
  pages_.insert(pages_.begin() + index, TEntry{std::make_unique<TPage>(std::move(page)), 0});
  for (int& selected : selection_) {
    if (selected >= index) ++selected;
  }
  if (current_ >= index) ++current_;
  return index;
}

// Removes the entry and renumbers the selection behind it.
void TPageList::RemoveIndex(int index) {
  pages_.erase(pages_.begin() + index);
  std::erase(selection_, index);
  for (int& selected : selection_) {
    if (selected > index) --selected;
  }
  if (current_ == index)
    current_ = -1;
  else if (current_ > index)
    --current_;
}

void TPageList::DeletePage(int index) {
  CheckIndex(index);
  CheckNotBorrowed(index);
  RemoveIndex(index);
}

void TPageList::DeleteSelectedPages() {
  std::vector<int> doomed = selection_;
  for (int index : doomed) CheckNotBorrowed(index);
  std::sort(doomed.begin(), doomed.end(), std::greater<>());
  for (int index : doomed) RemoveIndex(index);
}

void TPageList::Clear() {
  for (int i = 0; i < PageCount(); ++i) CheckNotBorrowed(i);
  pages_.clear();
  selection_.clear();
  current_ = -1;
}

void TPageList::SelectPage(int index) {
  CheckIndex(index);
  if (!multiSelecting_) selection_.clear();
  if (!IsSelected(index)) selection_.push_back(index);
  current_ = index;
}

void TPageList::SelectLastPage() {
  if (PageCount() > 0) SelectPage(PageCount() - 1);
}

void TPageList::UnselectPage(int index) {
  std::erase(selection_, index);
  if (current_ == index) current_ = -1;
}

void TPageList::DeselectAll() {
  selection_.clear();
  current_ = -1;
}

bool TPageList::IsSelected(int index) const {
  return std::find(selection_.begin(), selection_.end(), index) != selection_.end();
}

std::vector<TPage*> TPageList::Pages() {
  std::vector<TPage*> pages;
  pages.reserve(pages_.size());
  for (TEntry& entry : pages_) pages.push_back(entry.page.get());
  return pages;
}

}  // namespace quorvane
