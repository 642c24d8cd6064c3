#include "scan/blank/blank_pages.h"

#include "scan/blank/blank_page.h"
#include "scan/page_list.h"

namespace quorvane {

void RemoveBlankPages(TPageList& pages, double tolerance) {
  pages.DeselectAll();
  pages.BeginMultiSelection();
  try {
    // Marking does not move pages, so the indices stay valid through the loop.
    for (int i = 0; i < pages.PageCount(); ++i) {
      const TBorrowedImage image = pages.BorrowImage(i);
      if (IsBlankPage(image.Image().View(), tolerance)) pages.SelectPage(i);
    }
  } catch (...) {
    pages.EndMultiSelection();
    pages.DeselectAll();
    throw;
  }
  pages.EndMultiSelection();
  pages.DeleteSelectedPages();
  pages.DeselectAll();
}

}  // namespace quorvane
