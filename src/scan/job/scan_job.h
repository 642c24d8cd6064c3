#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>

#include "scan/barcodes/page_code_reader.h"
#include "scan/document_saver.h"
#include "scan/job/backup_settings.h"
#include "scan/job/scan_job_ui.h"

namespace quorvane {

class TAcquisitionSource;
class TDM;
class TPageList;

// How a job ended, for callers that report it (the command-line tool's exit status).
enum class TJobOutcome {
  Saved,      // every document was written
  Cancelled,  // the user cancelled the file-name dialog
  Failed,     // no paper, a scanner error, a missing folder or an error
};

// One scan job, from the timer that a tile click arms to the saved documents:
// acquisition, backup copy, blank pages, barcodes, naming and saving, in that
// order, all on the calling thread. The profile is the table's current row.
class TScanJob {
 public:
  using TSourceProvider = std::function<TAcquisitionSource*()>;
  using TClock = std::function<QDateTime()>;

  TScanJob(TDM& dm, TPageList& pages, TScanJobUi& ui, TBackupSettings backup, TSourceProvider source);

  void SetClock(TClock clock) { clock_ = std::move(clock); }
  // The decoder behind every barcode step (tests put a stand-in here).
  void SetCodeReader(TPageCodeReader reader) { readCodes_ = std::move(reader); }

  bool ScanInProgress() const { return scanInProgress_; }

  // Runs the whole job once. Every path ends in Close; an error that no step
  // handles is passed on after Close, for the caller's general error report.
  TJobOutcome ScanTimerTimer();

  // Logs the start and scans; true when pages may follow.
  bool NewScanJob();
  // The pattern expanded; advances the profile's counter when it is used.
  QString BuildFileName(const QString& pattern, const QString& barcode, const QString& customerNumber);
  // Shows the file-name dialog with `name` and returns the confirmed, prefixed name in it.
  bool AskFileName(QString& name, bool showPrefix);
  // Writes every page as one document (".tif" form with the profile's SaveAsTif).
  TSaveResult SaveAllPages(const QString& path);
  // Writes the selected pages in selection order as one document.
  TSaveResult SaveSelectedPages(const QString& path);
  // The uncompressed copy of every scanned page in the backup folder.
  void SaveBackupTiff();
  // Splits the stack at barcode pages into documents named after their codes;
  // ends with the page list cleared.
  TJobOutcome ProcessBatch();

  // Path of the document `name` in the profile's folder, with the extension
  // the save will write.
  QString DocumentPath(const QString& name) const;
  TSaveOptions SaveOptions() const;

  QString aBarCode;
  QStringList KeyWords;
  QStringList StapelPages;

 private:
  void PageIOAfterAcquireBitmap(int index);
  void ReadFirstPageBarcode();
  TJobOutcome RunJob();
  TJobOutcome NamingLoop(QString name);
  bool ReadBatchBarcodes();
  TJobOutcome SaveBatchWithoutBarcode();
  TJobOutcome SplitBatch();
  void Close();

  TDM& dm_;
  TPageList& pages_;
  TScanJobUi& ui_;
  TBackupSettings backup_;
  TSourceProvider source_;
  TClock clock_;
  TPageCodeReader readCodes_;
  bool scanInProgress_ = false;
};

}  // namespace quorvane
