#include "scan/job/scan_job.h"

#include <QDir>
#include <QFileInfo>

#include <exception>

#include "app/client_routines.h"
#include "app/log.h"
#include "profiles/data_module.h"
#include "scan/acquisition/acquisition_source.h"
#include "scan/barcodes/barcode_readers.h"
#include "scan/blank/blank_pages.h"
#include "scan/job/file_name_pattern.h"
#include "scan/page_list.h"

namespace quorvane {

namespace {

const QString kSavedStatus = QStringLiteral("Das Dokument wurde gespeichert.");
const QString kCancelledStatus = QStringLiteral("Dokument speichern abgebrochen..");

QString ErrorText(const std::exception& error) {
  if (const auto* acquisition = dynamic_cast<const TAcquisitionError*>(&error)) return acquisition->Message();
  return QString::fromLocal8Bit(error.what());
}

}  // namespace

TScanJob::TScanJob(TDM& dm, TPageList& pages, TScanJobUi& ui, TBackupSettings backup, TSourceProvider source)
    : dm_(dm),
      pages_(pages),
      ui_(ui),
      backup_(std::move(backup)),
      source_(std::move(source)),
      clock_([] { return QDateTime::currentDateTime(); }),
      readCodes_(ReadPageCodes) {}

TJobOutcome TScanJob::ScanTimerTimer() {
  scanInProgress_ = true;
  TJobOutcome outcome = TJobOutcome::Failed;
  try {
    outcome = RunJob();
  } catch (...) {
    // The pages stay for the user to see; the caller reports the error.
    Close();
    throw;
  }
  Close();
  return outcome;
}

TJobOutcome TScanJob::RunJob() {
  if (!NewScanJob()) {
    pages_.Clear();
    ui_.PageListChanged();
    return TJobOutcome::Failed;
  }
  if (backup_.DoBackupAsTif) SaveBackupTiff();

  if (dm_.MemDataRemoveBlankPage.AsBoolean()) {
    const QString text = QStringLiteral("Erkenne Leerseiten...");
    ui_.ShowStatus(text);
    WriteLogMsg(text);
    ui_.SuspendPainting();
    try {
      RemoveBlankPages(pages_, dm_.MemDataRBPToleranz.AsInteger() / 1000.0);
    } catch (...) {
      ui_.ResumePainting();
      throw;
    }
    ui_.ResumePainting();
    ui_.PageListChanged();
  }

  if (pages_.PageCount() > 0 && dm_.MemDataStapel.AsBoolean() && dm_.MemDataScanBarCode.AsBoolean()) {
    WriteLogMsg(QStringLiteral("Stapel bearbeiten"));
    return ProcessBatch();
  }

  const QString pattern = dm_.MemDataFileName.AsString();
  QString name;
  const bool readFirstPage =
      pages_.PageCount() > 0 &&
      (dm_.MemDataScanBarCode.AsBoolean() || pattern.contains(QStringLiteral("{barcode}"), Qt::CaseInsensitive));
  if (readFirstPage) {
    ReadFirstPageBarcode();
    name = dm_.MemDataScanBarCode.AsBoolean() ? aBarCode : BuildFileName(pattern, aBarCode, QString());
    if (dm_.MemDataDelete1StPage.AsBoolean()) {
      pages_.DeletePage(0);
      ui_.PageListChanged();
    }
  } else {
    name = BuildFileName(pattern, QString(), QString());
  }

  ui_.ShowStatus(QStringLiteral("Sie k\u00f6nnen das Dokument jetzt speichern!"));
  const TJobOutcome outcome = NamingLoop(name);
  pages_.Clear();
  ui_.PageListChanged();
  return outcome;
}

TJobOutcome TScanJob::NamingLoop(QString name) {
  for (;;) {
    if (!AskFileName(name, dm_.MemDataShowPrefix.AsBoolean())) {
      ui_.ShowStatus(kCancelledStatus);
      return TJobOutcome::Cancelled;
    }
    if (!QFileInfo(dm_.MemDataFolder.AsString()).isDir()) {
      ui_.ShowMessage(QStringLiteral("Das Verzeichnis existiret nicht, pr\u00fcfen Sie bitte die Einstellungen!"));
      return TJobOutcome::Failed;
    }
    if (!CheckFileName(name)) {
      ui_.ShowMessage(QStringLiteral("Dieser Dateiname ist ung\u00fcltig!"));
      continue;
    }
    const QString path = DocumentPath(name);
    if (QFileInfo::exists(path)) {
      ui_.ShowMessage(QStringLiteral("Diese Datei existiert bereits!"));
      continue;
    }
    const TSaveResult result = SaveAllPages(ReplaceFileExt(path, QStringLiteral(".pdf")));
    if (!result.Ok()) {
      // The pages are kept: the user picks another name or cancels.
      ui_.ShowMessage(QStringLiteral("Das Dokument konnte nicht gespeichert werden: ") + result.Error);
      ui_.ShowStatus(QStringLiteral("Das Dokument wurde nicht gespeichert."));
      continue;
    }
    ui_.ShowStatus(kSavedStatus);
    return TJobOutcome::Saved;
  }
}

bool TScanJob::NewScanJob() {
  WriteLogMsg(QStringLiteral("New Scan Job - ") + dm_.MemDataTitel.AsString());
  TAcquisitionSource* source = source_();
  if (!source) {
    const QString text = QStringLiteral("Scan Fehler: ") + QStringLiteral("Kein Scanner gefunden.");
    ui_.ShowMessage(text);
    WriteLogMsg(text);
    return false;
  }
  bool result = false;
  try {
    source->RefreshCapabilities();
    if (source->PaperState().IsEmptyFeeder()) {
      const QString text = QStringLiteral("Bitte legen Sie Papier ein.");
      ui_.ShowMessage(text);
      WriteLogMsg(text);
      return false;
    }
    TScanSettings settings;
    settings.DPI = dm_.MemDataDPI.AsInteger();
    settings.Farbe = dm_.MemDataFarbe.AsInteger();
    settings.InputSize = dm_.MemDataInputSize.AsInteger();
    settings.Duplex = dm_.MemDataDuplex.AsBoolean();
    if (!dm_.MemDataSettings.IsNull()) settings.Settings = dm_.MemDataSettings.AsBytes();
    source->Prepare(settings);

    if (pages_.CurrentPage() >= 0) pages_.UnselectPage(pages_.CurrentPage());
    ui_.SetBusyCursor(true);
    ui_.ProcessMessages();
    try {
      const TAcquireOutcome outcome = source->Acquire([this](TPage&& page) {
        // The newest page is shown selected; the next one still goes behind it.
        if (pages_.CurrentPage() >= 0) pages_.UnselectPage(pages_.CurrentPage());
        const int index = pages_.AddPage(std::move(page));
        PageIOAfterAcquireBitmap(index);
      });
      if (outcome.Interrupted) {
        // A failure after some sheets keeps the pages that arrived.
        const QString text = outcome.Interrupted->Message();
        ui_.ShowMessage(text);
        WriteLogMsg(text);
      }
      result = true;
    } catch (const TAcquisitionError& error) {
      ui_.ShowMessage(error.Message());
      WriteLogMsg(error.Message());
    }
    ui_.SetBusyCursor(false);
  } catch (const std::exception& error) {
    ui_.SetBusyCursor(false);
    const QString text = ErrorText(error);
    ui_.ShowMessage(text);
    WriteLogMsg(QStringLiteral("Error: ") + text);
    return false;
  }
  return result;
}

void TScanJob::PageIOAfterAcquireBitmap(int index) {
  pages_.SelectLastPage();
  ui_.PageListChanged();
  ui_.ShowStatus(QStringLiteral("Page: %1").arg(index + 1));
  ui_.ProcessMessages();
}

void TScanJob::ReadFirstPageBarcode() {
  TBorrowedImage image = pages_.BorrowImage(0);
  ui_.ShowStatus(QStringLiteral("Erkenne Barcode auf Seite 1, bitte haben Sie etwas Geduld.."));
  ui_.ProcessMessages();
  aBarCode = ReadBarcode(&image.Image(), readCodes_);
  ui_.ProcessMessages();
  if (aBarCode.isEmpty()) {
    const QString text = QStringLiteral("Es konnte kein Barcode gefunden werden!");
    ui_.ShowStatus(text);
    WriteLogMsg(text);
  } else {
    ui_.ShowStatus(QStringLiteral("Barcode gefunden!"));
  }
}

QString TScanJob::BuildFileName(const QString& pattern, const QString& barcode, const QString& customerNumber) {
  const TExpandedName expanded =
      ExpandFileNamePattern(pattern, barcode, customerNumber, clock_(), dm_.MemDataFileCount.AsInteger());
  if (expanded.counterUsed) {
    dm_.MemData.Edit();
    dm_.MemDataFileCount.SetAsInteger(dm_.MemDataFileCount.AsInteger() + 1);
    dm_.MemData.Post();
  }
  return expanded.name;
}

bool TScanJob::AskFileName(QString& name, bool showPrefix) {
  const TFileNameAnswer answer = ui_.AskFileNameDialog(name, showPrefix);
  name = PrefixFileName(answer.fileName, showPrefix, answer.customerNumber, dm_.MemDataTypStr.AsString());
  return answer.confirmed;
}

TSaveOptions TScanJob::SaveOptions() const {
  TSaveOptions options;
  options.SaveAsTif = dm_.MemDataSaveAsTif.AsBoolean();
  options.OutputSize = dm_.MemDataOutputSize.AsInteger();
  return options;
}

QString TScanJob::DocumentPath(const QString& name) const {
  const QString extension = SaveOptions().SaveAsTif ? QStringLiteral(".tif") : QStringLiteral(".pdf");
  return StripTrailingBackslash(dm_.MemDataFolder.AsString()) + QLatin1Char('/') + name + extension;
}

TSaveResult TScanJob::SaveAllPages(const QString& path) {
  return quorvane::SaveAllPages(pages_, path, SaveOptions());
}

TSaveResult TScanJob::SaveSelectedPages(const QString& path) {
  if (pages_.SelectedPages().empty()) {
    const QString text = QStringLiteral("Keine Seite vorhanden, pr\u00fcfen Sie die L\u00f6schoption der Barcode Seite");
    ui_.ShowMessage(text);
    WriteLogMsg(text);
    return TSaveResult{path, text};
  }
  // A list of copies: the job's own pages keep their parameters untouched.
  TPageList selected;
  for (const int index : pages_.SelectedPages()) {
    const TPage& source = pages_.Page(index);
    TPage copy;
    copy.Bitmap = source.Bitmap;
    copy.Params.DpiX = source.Params.DpiX;
    copy.Params.DpiY = source.Params.DpiY;
    copy.Params.BitsPerSample = source.Params.BitsPerSample;
    copy.Params.SamplesPerPixel = source.Params.SamplesPerPixel;
    selected.AddPage(std::move(copy));
  }
  return quorvane::SaveAllPages(selected, path, SaveOptions());
}

void TScanJob::SaveBackupTiff() {
  const QString folder = backup_.BackupTifPath;
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) return;
  const QDate today = clock_().date();
  const QString placeholder = GetUniqueTempFileName(QStringLiteral("QVB"), 0, folder, false);
  const QString name = ReplaceFileExt(
      QString::asprintf("%d_%.2d_%.2d_", today.year(), today.month(), today.day()) + placeholder,
      QStringLiteral(".tif"));
  const QString path = StripTrailingBackslash(folder) + QLatin1Char('/') + name;
  WriteBackupTiff(pages_, path);
  WriteLogMsg(QStringLiteral("Backup Scan to:") + path);
}

void TScanJob::Close() {
  scanInProgress_ = false;
  ui_.JobClosed();
}

}  // namespace quorvane
