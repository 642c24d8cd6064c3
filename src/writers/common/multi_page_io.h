#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "writers/common/page.h"

namespace quorvane {

// Progress of one save: percentages go to the handler, the abort flag is
// read between pages.
struct TProgressRecord {
  std::function<void(int percent)> OnProgress;
  const bool* Aborting = nullptr;

  void Report(int percent) const {
    if (OnProgress) OnProgress(percent);
  }
  bool Aborted() const { return Aborting != nullptr && *Aborting; }
};

// The pages a document writer saves, with the selection of the page view
// (when one is attached) and the save's progress and end-of-work callbacks.
struct TMultiPageIO {
  TPageSpan Pages;
  // The view's selection list in selection order; empty optional = no view attached.
  std::optional<std::vector<int>> Selection;
  std::function<void(int percent)> OnProgress;
  std::function<void()> OnFinishWork;
  // Set by an OnProgress handler to stop before the next page.
  bool Aborting = false;

  // Page k of a save: the k-th selected page or page k.
  TPage& PageToSave(int k, bool selectedOnly) const {
    const int index = selectedOnly && Selection ? Selection->at(static_cast<std::size_t>(k)) : k;
    if (index < 0 || static_cast<std::size_t>(index) >= Pages.size())
      throw std::out_of_range("page " + std::to_string(index) + " is not in the page list");
    return *Pages[static_cast<std::size_t>(index)];
  }
  int PagesToSave(bool selectedOnly) const {
    return static_cast<int>(selectedOnly && Selection ? Selection->size() : Pages.size());
  }
  TProgressRecord Progress() const { return TProgressRecord{OnProgress, &Aborting}; }
  // End of work: 100 % first, then the finish notification.
  void FinishWork() const {
    if (OnProgress) OnProgress(100);
    if (OnFinishWork) OnFinishWork();
  }
};

}  // namespace quorvane
