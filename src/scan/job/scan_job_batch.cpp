// Barcode batches: one scanned stack split into documents at barcode pages.
#include <QFileInfo>

#include <algorithm>

#include "app/client_routines.h"
#include "app/log.h"
#include "profiles/data_module.h"
#include "scan/barcodes/barcode_keywords.h"
#include "scan/barcodes/barcode_readers.h"
#include "scan/barcodes/batch_file_names.h"
#include "scan/job/file_name_pattern.h"
#include "scan/job/scan_job.h"
#include "scan/page_list.h"

namespace quorvane {

namespace {

void MessageAndLog(TScanJobUi& ui, const QString& text) {
  ui.ShowMessage(text);
  WriteLogMsg(text);
}

}  // namespace

TJobOutcome TScanJob::ProcessBatch() {
  pages_.DeselectAll();
  if (!QFileInfo(dm_.MemDataFolder.AsString()).isDir()) {
    MessageAndLog(ui_, QStringLiteral("Das Verzeichnis existiert nicht, pr\u00fcfen Sie bitte die Einstellungen!"));
    pages_.Clear();
    ui_.PageListChanged();
    return TJobOutcome::Failed;
  }
  TJobOutcome outcome = TJobOutcome::Failed;
  try {
    KeyWords = KeyWordLines(dm_.MemDataBARCODEWORDS.AsString());
    ReadBatchBarcodes();
    const bool anyBarcodePage = std::any_of(StapelPages.cbegin(), StapelPages.cend(), IsBarcodePage);
    outcome = anyBarcodePage ? SplitBatch() : SaveBatchWithoutBarcode();
  } catch (...) {
    pages_.Clear();
    ui_.PageListChanged();
    throw;
  }
  pages_.Clear();
  ui_.PageListChanged();
  return outcome;
}

bool TScanJob::ReadBatchBarcodes() {
  const int count = pages_.PageCount();
  StapelPages = QStringList(count, QString());
  ui_.ShowStatus(QStringLiteral("Erkenne Barcodes.."));
  WriteLogMsg(QStringLiteral("Search Barcodes on %1 Pages").arg(count));
  for (int i = 0; i < count; ++i) {
    ui_.ShowStatus(QString::asprintf("Erkenne Barcode auf Seite %d, bitte haben Sie etwas Geduld..", i + 1));
    try {
      TBorrowedImage image = pages_.BorrowImage(i);
      ReadPageBarcodes(image.Image().View(), i, KeyWords, StapelPages, readCodes_);
    } catch (const std::exception& error) {
      // Pages after the failure keep an empty entry: they join the document before them.
      ui_.ShowMessage(QString::fromLocal8Bit(error.what()));
      return false;
    }
    ui_.ProcessMessages();
  }
  return true;
}

TJobOutcome TScanJob::SaveBatchWithoutBarcode() {
  MessageAndLog(ui_, QStringLiteral("Im Stapel konnte kein Barcode gefunden werden!"));
  QString name;
  for (;;) {
    if (!AskFileName(name, dm_.MemDataShowPrefix.AsBoolean())) {
      ui_.ShowStatus(QStringLiteral("Dokument speichern abgebrochen.."));
      return TJobOutcome::Cancelled;
    }
    if (!CheckFileName(name)) {
      ui_.ShowMessage(QStringLiteral("Dieser Dateiname ist ung\u00fcltig!"));
      WriteLogMsg(QStringLiteral("Dieser Dateiname ist ung\u00fcltig! ") + name);
      continue;
    }
    const QString path = DocumentPath(name);
    if (QFileInfo::exists(path)) {
      ui_.ShowMessage(QStringLiteral("Diese Datei existiert bereits!"));
      WriteLogMsg(QStringLiteral("Diese Datei existiert bereits! ") + path);
      continue;
    }
    ui_.ShowStatus(QStringLiteral("Speicher Datei: ") + QFileInfo(path).fileName());
    const TSaveResult result = SaveAllPages(ReplaceFileExt(path, QStringLiteral(".pdf")));
    if (!result.Ok()) {
      ui_.ShowMessage(QStringLiteral("Das Dokument konnte nicht gespeichert werden: ") + result.Error);
      ui_.ShowStatus(QStringLiteral("Das Dokument wurde nicht gespeichert."));
      continue;
    }
    ui_.ShowStatus(QStringLiteral("Das Dokument wurde gespeichert."));
    return TJobOutcome::Saved;
  }
}

TJobOutcome TScanJob::SplitBatch() {
  const int count = pages_.PageCount();
  const bool deleteBarcodePage = dm_.MemDataDelete1StPage.AsBoolean();
  const QString pattern = dm_.MemDataFileName.AsString();
  const TSaveOptions options = SaveOptions();
  const QString extension = options.SaveAsTif ? QStringLiteral(".tif") : QStringLiteral(".pdf");
  TBatchFileNames names(StripTrailingBackslash(dm_.MemDataFolder.AsString()), extension);
  bool allSaved = true;

  pages_.BeginMultiSelection();
  int i = 0;
  while (i <= count - 1) {
    if (!IsBarcodePage(StapelPages[i])) {
      pages_.EndMultiSelection();
      MessageAndLog(ui_, QStringLiteral("Bitte \u00fcberpr\u00fcfen Sie den Stapel, auf Seite 1 wurde kein Barcode gefunden !"));
      return TJobOutcome::Failed;
    }
    const QString code = StapelPages[i];
    if (!deleteBarcodePage) pages_.SelectPage(i);
    ++i;
    while (i <= count - 1 && !IsBarcodePage(StapelPages[i])) {
      pages_.SelectPage(i);
      ++i;
    }
    if (!pages_.SelectedPages().empty()) {
      const QString wanted = pattern.contains(QStringLiteral("{barcode}"), Qt::CaseInsensitive)
                                 ? BuildFileName(pattern, code, QString())
                                 : code;
      const QString name = names.DocumentName(wanted);
      ui_.ShowStatus(QStringLiteral("Speicher Datei: ") + name + extension);
      const TSaveResult result = SaveSelectedPages(names.DocumentPath(name, QStringLiteral(".pdf")));
      if (result.Ok()) {
        ui_.ShowStatus(QStringLiteral("Das Dokument wurde gespeichert."));
      } else {
        allSaved = false;
        ui_.ShowMessage(QStringLiteral("Das Dokument konnte nicht gespeichert werden: ") + result.Error);
      }
    }
    pages_.DeselectAll();
  }
  pages_.EndMultiSelection();
  ui_.ShowStatus(QStringLiteral("Das Dokument wurde gespeichert."));
  return allSaved ? TJobOutcome::Saved : TJobOutcome::Failed;
}

}  // namespace quorvane
