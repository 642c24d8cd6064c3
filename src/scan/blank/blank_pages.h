#pragma once

namespace quorvane {

class TPageList;

// Deletes every blank page (see IsBlankPage) from the page list in one step;
// the remaining pages keep their order and their parameters. The pages are
// marked through the list's selection, one page tested at a time; the list is
// left without selection. When a page cannot be tested nothing is deleted and
// the error is passed on.
void RemoveBlankPages(TPageList& pages, double tolerance);

}  // namespace quorvane
