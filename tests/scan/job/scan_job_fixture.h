#pragma once

#include <QDateTime>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <optional>

#include "profiles/data_module.h"
#include "scan/acquisition/acquisition_source.h"
#include "scan/job/scan_job.h"
#include "scan/page_list.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace quorvane::job_test {

// A sheet of the stack a fake scanner delivers. Each sheet has its own width,
// which is how the stand-in barcode reader tells the sheets apart.
struct TSheet {
  int width = 64;
  bool blank = false;
};

TPage MakeSheetPage(const TSheet& sheet);

class TFakeSource : public TAcquisitionSource {
 public:
  std::vector<TSheet> sheets;
  bool emptyFeeder = false;
  std::optional<TAcquisitionError> failBeforeFirstPage;
  int failAfterPages = -1;  // >= 0: the device fails after this many sheets
  TScanSettings prepared;

  QString Description() const override { return "Fake scanner (fake:0)"; }
  void RefreshCapabilities() override {}
  TPaperState PaperState() override;
  void Prepare(const TScanSettings& settings) override { prepared = settings; }
  TAcquireOutcome Acquire(const TPageArrived& pageArrived) override;
};

// Answers the file-name dialog from a queue and records everything shown.
class TRecordingUi : public TScanJobUi {
 public:
  struct TAnswer {
    bool confirmed = true;
    std::optional<QString> fileName;  // nullopt: keep the proposed name
    QString customerNumber;
  };
  std::deque<TAnswer> answers;
  QStringList statuses;
  QStringList messages;
  QStringList dialogNames;  // the name each dialog opened with
  std::vector<bool> dialogShowedCustomerNumber;
  int closed = 0;

  void ShowStatus(const QString& text) override { statuses << text; }
  void ShowMessage(const QString& text) override { messages << text; }
  void ProcessMessages() override {}
  void SetBusyCursor(bool) override {}
  TFileNameAnswer AskFileNameDialog(const QString& fileName, bool showCustomerNumber) override;
  void JobClosed() override { ++closed; }
};

// A data folder, an output folder, one profile and a job over a fake scanner.
class ScanJobTest : public ::testing::Test {
 protected:
  ScanJobTest();

  // Fills the one profile row; null fields read as 0, false or empty.
  void SetProfile(std::initializer_list<std::pair<TProfileField, QVariant>> values);
  TScanJob& Job();
  QString OutputPath(const QString& fileName) const { return outputDir.filePath(fileName); }
  QStringList OutputFiles() const;
  QStringList LogLines() const;
  // Pages of a TIFF document, counted by libtiff.
  static int TiffPageCount(const QString& path);
  // Widths of the pages of a TIFF document, in page order.
  static std::vector<int> TiffPageWidths(const QString& path);

  QTemporaryDir home;
  QDir outputDir;
  TDM dm;
  TPageList pages;
  TRecordingUi ui;
  TFakeSource source;
  TBackupSettings backup;
  std::map<int, QStringList> codesByWidth;  // what the stand-in reader finds on a sheet
  const QDateTime now{QDate(2020, 3, 7), QTime(14, 2, 9)};

 private:
  std::unique_ptr<TScanJob> job_;
};

}  // namespace quorvane::job_test
