#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "scan_job_fixture.h"

namespace quorvane::job_test {
namespace {

using TAnswer = TRecordingUi::TAnswer;

TEST_F(ScanJobTest, PatternNameIsProposedSavedAndCounted) {
  SetProfile({{pfAutoFileNameVar, QString::fromUtf8("Scan_{Datum}_{Z\u00e4hler}")}, {pfFileCount, 5}, {pfSaveAsTif, true}});
  source.sheets = {{64}, {72}};
  ui.answers = {TAnswer{}};

  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Saved);

  EXPECT_EQ(ui.dialogNames, QStringList{"Scan_2020_03_07_005"});
  EXPECT_EQ(dm.MemDataFileCount.AsInteger(), 6);
  EXPECT_EQ(TiffPageCount(OutputPath("Scan_2020_03_07_005.tif")), 2);
  EXPECT_EQ(ui.statuses.last(), "Das Dokument wurde gespeichert.");
  EXPECT_TRUE(ui.statuses.contains("Page: 2"));
  EXPECT_EQ(pages.PageCount(), 0);
  EXPECT_FALSE(Job().ScanInProgress());
  EXPECT_EQ(ui.closed, 1);
  EXPECT_TRUE(LogLines().contains("New Scan Job - Rechnungen"));
}

TEST_F(ScanJobTest, ProfileValuesReachTheScanner) {
  SetProfile({{pfDPI, 300}, {pfFarbe, 3}, {pfInputSize, 1}, {pfDuplex, true}, {pfSettings, QByteArray("\0\x80\xff", 3)}});
  Job().ScanTimerTimer();
  EXPECT_EQ(source.prepared.DPI, 300);
  EXPECT_EQ(source.prepared.Farbe, 3);
  EXPECT_EQ(source.prepared.InputSize, 1);
  EXPECT_TRUE(source.prepared.Duplex);
  EXPECT_EQ(source.prepared.Settings, QByteArray("\0\x80\xff", 3));
}

struct BarcodeNamingCase {
  const char* title;
  bool scanBarCode;
  bool delete1StPage;
  const char* pattern;
  QStringList codesOnPage1;
  const char* proposed;
  int savedPages;
};

TEST_F(ScanJobTest, FirstPageBarcodeNamesTheDocument) {
  const BarcodeNamingCase cases[] = {
      {"code is the name", true, false, "Scan_{Datum}", {"INV-17"}, "INV-17", 3},
      {"last code wins", true, false, "", {"A1", "B2"}, "B2", 3},
      {"code page deleted", true, true, "", {"INV-17"}, "INV-17", 2},
      {"no code gives an empty name, page deleted all the same", true, true, "X", {}, "", 2},
      {"pattern variable read without ScanBarCode", false, false, "Lief_{BarCode}", {"4711"}, "Lief_4711", 3},
      {"pattern variable, page deleted", false, true, "Lief_{barcode}", {"4711"}, "Lief_4711", 2},
      {"no variable, no reading", false, true, "Plain", {"4711"}, "Plain", 3},
  };
  for (const BarcodeNamingCase& c : cases) {
    SCOPED_TRACE(c.title);
    SetProfile({{pfScanBarCode, c.scanBarCode}, {pfDelete1StPage, c.delete1StPage},
                {pfAutoFileNameVar, QString::fromUtf8(c.pattern)}, {pfSaveAsTif, true}});
    source.sheets = {{64}, {72}, {80}};
    codesByWidth = {{64, c.codesOnPage1}};
    ui = TRecordingUi();
    ui.answers = {TAnswer{true, QString("doc_%1").arg(&c - cases), ""}};

    EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Saved);
    EXPECT_EQ(ui.dialogNames, QStringList{QString::fromUtf8(c.proposed)});
    EXPECT_EQ(TiffPageCount(OutputPath(QString("doc_%1.tif").arg(&c - cases))), c.savedPages);
  }
}

TEST_F(ScanJobTest, RefusedNamesComeBackWithTheirPrefixes) {
  SetProfile({{pfTypStr, "RE"}, {pfShowPrefix, true}, {pfSaveAsTif, true}});
  source.sheets = {{64}};
  QFile(OutputPath("RE-4711-Mai.tif")).open(QIODevice::WriteOnly);
  QFile(OutputPath("RE-RE-4711-Mai.pdf")).open(QIODevice::WriteOnly);  // a PDF does not block a TIFF
  ui.answers = {TAnswer{true, "a.b", ""}, TAnswer{true, "Mai", "4711"}, TAnswer{true, std::nullopt, ""}};

  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Saved);

  EXPECT_EQ(ui.dialogNames, (QStringList{"", "RE-a.b", "RE-4711-Mai"}));
  EXPECT_EQ(ui.messages, (QStringList{QString::fromUtf8("Dieser Dateiname ist ung\u00fcltig!"), "Diese Datei existiert bereits!"}));
  EXPECT_TRUE(ui.dialogShowedCustomerNumber.front());
  EXPECT_EQ(TiffPageCount(OutputPath("RE-RE-4711-Mai.tif")), 1);
}

TEST_F(ScanJobTest, CancelledDialogDiscardsThePages) {
  source.sheets = {{64}};
  ui.answers = {TAnswer{false, "Name", ""}};
  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Cancelled);
  EXPECT_EQ(ui.statuses.last(), "Dokument speichern abgebrochen..");
  EXPECT_TRUE(OutputFiles().isEmpty());
  EXPECT_EQ(pages.PageCount(), 0);
}

TEST_F(ScanJobTest, MissingFolderEndsTheJobAfterTheDialog) {
  SetProfile({{pfFolder, home.filePath("nirgends")}});
  source.sheets = {{64}};
  ui.answers = {TAnswer{true, "Name", ""}};
  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Failed);
  EXPECT_EQ(ui.messages, QStringList{QString::fromUtf8("Das Verzeichnis existiret nicht, pr\u00fcfen Sie bitte die Einstellungen!")});
  EXPECT_EQ(pages.PageCount(), 0);
}

TEST_F(ScanJobTest, ScannerProblemsEndTheJobBeforeTheDialog) {
  struct Case {
    const char* title;
    bool emptyFeeder;
    std::optional<TAcquisitionError> failure;
    QString message;
  };
  const Case cases[] = {
      {"empty feeder", true, std::nullopt, "Bitte legen Sie Papier ein."},
      {"no paper at the first sheet", false, TAcquisitionError(TAcquisitionErrorKind::NoPaper, ""), "Bitte legen Sie Papier ein."},
      {"device error", false, TAcquisitionError(TAcquisitionErrorKind::DeviceError, "Scanner cover is open"),
       "Scan Fehler: Scanner cover is open"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.title);
    ui = TRecordingUi();
    source.emptyFeeder = c.emptyFeeder;
    source.failBeforeFirstPage = c.failure;
    source.sheets = {{64}};
    EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Failed);
    EXPECT_EQ(ui.messages, QStringList{c.message});
    EXPECT_TRUE(ui.dialogNames.isEmpty());
    EXPECT_TRUE(LogLines().contains(c.message));
    EXPECT_EQ(pages.PageCount(), 0);
    EXPECT_EQ(ui.closed, 1);
  }
}

TEST_F(ScanJobTest, PagesBeforeAJamAreKeptForSaving) {
  SetProfile({{pfSaveAsTif, true}});
  source.sheets = {{64}, {72}, {80}, {88}};
  source.failAfterPages = 2;
  ui.answers = {TAnswer{true, "Teil", ""}};
  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Saved);
  EXPECT_EQ(ui.messages, QStringList{"Scan Fehler: Document feeder jammed"});
  EXPECT_EQ(TiffPageCount(OutputPath("Teil.tif")), 2);
}

TEST_F(ScanJobTest, FailedSaveKeepsThePagesAndAsksAgain) {
  SetProfile({{pfSaveAsTif, true}});
  source.sheets = {{64}};
  const QString tooLong(300, QLatin1Char('a'));  // valid characters, but no file system takes it
  ui.answers = {TAnswer{true, tooLong, ""}, TAnswer{true, "Kurz", ""}};

  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Saved);

  ASSERT_EQ(ui.messages.size(), 1);
  EXPECT_TRUE(ui.messages[0].startsWith("Das Dokument konnte nicht gespeichert werden: ")) << ui.messages[0].toStdString();
  EXPECT_TRUE(ui.statuses.contains("Das Dokument wurde nicht gespeichert."));
  EXPECT_EQ(TiffPageCount(OutputPath("Kurz.tif")), 1);
  EXPECT_EQ(OutputFiles(), QStringList{"Kurz.tif"});  // nothing half-written stays behind
  const QStringList log = LogLines();
  EXPECT_TRUE(std::any_of(log.cbegin(), log.cend(), [](const QString& line) { return line.startsWith("Save Error "); }));
}

TEST_F(ScanJobTest, BlankPagesAreRemovedBeforeNaming) {
  SetProfile({{pfRemoveBlankPage, true}, {pfRBPToleranz, 5}, {pfSaveAsTif, true}});
  source.sheets = {{64}, {72, true}, {80}, {88, true}};
  ui.answers = {TAnswer{true, "Ohne", ""}};
  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Saved);
  EXPECT_EQ(TiffPageWidths(OutputPath("Ohne.tif")), (std::vector<int>{64, 80}));
  EXPECT_TRUE(LogLines().contains("Erkenne Leerseiten..."));
}

TEST_F(ScanJobTest, EmptyStackStillOffersThePatternName) {
  SetProfile({{pfAutoFileNameVar, "Leer"}, {pfScanBarCode, true}, {pfStapel, true}});
  ui.answers = {TAnswer{false, std::nullopt, ""}};
  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Cancelled);
  EXPECT_EQ(ui.dialogNames, QStringList{"Leer"});
}

TEST_F(ScanJobTest, BackupHoldsEveryPageAsScanned) {
  backup.DoBackupAsTif = true;
  backup.BackupTifPath = home.filePath("backup") + "/";
  QDir(home.path()).mkdir("backup");
  SetProfile({{pfRemoveBlankPage, true}, {pfSaveAsTif, true}});
  source.sheets = {{64}, {72, true}};
  ui.answers = {TAnswer{true, "A", ""}, TAnswer{true, "B", ""}};

  Job().ScanTimerTimer();
  source.sheets = {{64}};
  Job().ScanTimerTimer();

  const QDir backupDir(home.filePath("backup"));
  EXPECT_EQ(backupDir.entryList(QDir::Files, QDir::Name),
            (QStringList{"2020_03_07_QVB1.tif", "2020_03_07_QVB2.tif", "QVB1.TMP", "QVB2.TMP"}));
  EXPECT_EQ(TiffPageCount(backupDir.filePath("2020_03_07_QVB1.tif")), 2);
  EXPECT_TRUE(LogLines().contains("Backup Scan to:" + backupDir.filePath("2020_03_07_QVB1.tif")));
}

TEST_F(ScanJobTest, NoBackupWithoutFolder) {
  backup.DoBackupAsTif = true;
  source.sheets = {{64}};
  Job().ScanTimerTimer();
  const QStringList log = LogLines();
  EXPECT_FALSE(std::any_of(log.cbegin(), log.cend(), [](const QString& line) { return line.startsWith("Backup"); }));
}

}  // namespace
}  // namespace quorvane::job_test
