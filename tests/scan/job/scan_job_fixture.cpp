#include "scan_job_fixture.h"

#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>
#include <tiffio.h>

#include "app/log.h"

namespace quorvane::job_test {

TPage MakeSheetPage(const TSheet& sheet) {
  TPage page;
  page.Bitmap = TPageBitmap(sheet.width, 48, pf1Bit);
  page.Params.BitsPerSample = 1;
  page.Params.SamplesPerPixel = 1;
  page.Params.DpiX = page.Params.DpiY = 200;
  if (!sheet.blank) {
    // A few lines of "text": well above any blank-page tolerance.
    for (int y = 8; y < 40; y += 6)
      for (int x = 4; x < sheet.width - 4; ++x) page.Bitmap.SetWhite(x, y, false);
  }
  return page;
}

TPaperState TFakeSource::PaperState() {
  TPaperState state;
  state.CanDetectPaper = true;
  state.FeederEnabled = true;
  state.FeederLoaded = !emptyFeeder;
  return state;
}

TAcquireOutcome TFakeSource::Acquire(const TPageArrived& pageArrived) {
  if (failBeforeFirstPage) throw *failBeforeFirstPage;
  TAcquireOutcome outcome;
  for (const TSheet& sheet : sheets) {
    if (outcome.PageCount == failAfterPages) {
      outcome.Interrupted = TAcquisitionError(TAcquisitionErrorKind::DeviceError, "Document feeder jammed");
      return outcome;
    }
    pageArrived(MakeSheetPage(sheet));
    ++outcome.PageCount;
  }
  return outcome;
}

TFileNameAnswer TRecordingUi::AskFileNameDialog(const QString& fileName, bool showCustomerNumber) {
  dialogNames << fileName;
  dialogShowedCustomerNumber.push_back(showCustomerNumber);
  if (answers.empty()) return TFileNameAnswer{false, fileName, QString()};
  const TAnswer answer = answers.front();
  answers.pop_front();
  return TFileNameAnswer{answer.confirmed, answer.fileName.value_or(fileName), answer.customerNumber};
}

ScanJobTest::ScanJobTest() {
  qputenv("QUORVANE_HOME", home.path().toUtf8());
  QDir(home.path()).mkdir("out");
  outputDir = QDir(home.filePath("out"));
  dm.MemData.Insert();
  dm.MemDataTitel.SetAsString("Rechnungen");
  dm.MemDataFolder.SetAsString(outputDir.path());
  dm.MemData.Post();
}

void ScanJobTest::SetProfile(std::initializer_list<std::pair<TProfileField, QVariant>> values) {
  dm.MemData.Edit();
  for (const auto& [field, value] : values) dm.MemData.SetValue(field, value);
  dm.MemData.Post();
}

TScanJob& ScanJobTest::Job() {
  if (!job_) {
    job_ = std::make_unique<TScanJob>(dm, pages, ui, backup, [this] { return &source; });
    job_->SetClock([this] { return now; });
    job_->SetCodeReader([this](const TPageView& page) {
      const auto found = codesByWidth.find(page.width);
      return found == codesByWidth.end() ? QStringList() : found->second;
    });
  }
  return *job_;
}

QStringList ScanJobTest::OutputFiles() const { return outputDir.entryList(QDir::Files, QDir::Name); }

QStringList ScanJobTest::LogLines() const {
  QFile file(LogFileName());
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    // "[time stamp] text": keep the text.
    lines << line.mid(line.indexOf(QLatin1String("] ")) + 2);
  }
  return lines;
}

std::vector<int> ScanJobTest::TiffPageWidths(const QString& path) {
  std::vector<int> widths;
  TIFF* tif = TIFFOpen(path.toLocal8Bit().constData(), "r");
  if (!tif) return widths;
  do {
    uint32_t width = 0;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &width);
    widths.push_back(static_cast<int>(width));
  } while (TIFFReadDirectory(tif));
  TIFFClose(tif);
  return widths;
}

int ScanJobTest::TiffPageCount(const QString& path) { return static_cast<int>(TiffPageWidths(path).size()); }

}  // namespace quorvane::job_test
