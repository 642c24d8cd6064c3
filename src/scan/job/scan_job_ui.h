#pragma once

#include <QString>

namespace quorvane {

// What the file-name dialog hands back: both fields as they were when it closed.
struct TFileNameAnswer {
  bool confirmed = false;
  QString fileName;
  QString customerNumber;
};

// How a scan job talks to the person in front of it. The window answers with
// its status bar, message boxes and the file-name dialog; the command-line tool
// with stderr and its arguments.
class TScanJobUi {
 public:
  virtual ~TScanJobUi() = default;

  // The status line; lets pending events run so the window stays alive.
  virtual void ShowStatus(const QString& text) = 0;
  // A modal message with an OK button.
  virtual void ShowMessage(const QString& text) = 0;
  // Lets pending events run (long steps call it between pages and passes).
  virtual void ProcessMessages() = 0;
  virtual void SetBusyCursor(bool busy) = 0;
  // Shows the file-name dialog with `fileName` in the name field and the
  // customer-number field only when `showCustomerNumber` is set.
  virtual TFileNameAnswer AskFileNameDialog(const QString& fileName, bool showCustomerNumber) = 0;

  // Pages were added, deleted or the selection moved; a view repaints.
  virtual void PageListChanged() {}
  // Around steps that change many pages at once; nothing to do without a view.
  virtual void SuspendPainting() {}
  virtual void ResumePainting() {}
  // The job has ended on any path; the window returns to the tile board.
  virtual void JobClosed() {}
};

}  // namespace quorvane
