#include <QFile>

#include <gtest/gtest.h>

#include "scan_job_fixture.h"

namespace quorvane::job_test {
namespace {

using TAnswer = TRecordingUi::TAnswer;

// A stack whose sheets 64, 72, ... carry the given codes ("" = none).
std::vector<TSheet> Stack(std::map<int, QStringList>& codesByWidth, const std::vector<QString>& codes) {
  std::vector<TSheet> sheets;
  for (std::size_t i = 0; i < codes.size(); ++i) {
    const int width = 64 + 8 * static_cast<int>(i);
    sheets.push_back({width});
    if (!codes[i].isEmpty()) codesByWidth[width] = QStringList{codes[i]};
  }
  return sheets;
}

class BatchTest : public ScanJobTest {
 protected:
  BatchTest() { SetProfile({{pfStapel, true}, {pfScanBarCode, true}, {pfSaveAsTif, true}}); }
};

TEST_F(BatchTest, SplitsAtBarcodePages) {
  struct Case {
    bool delete1StPage;
    std::vector<QString> codes;
    std::map<QString, std::vector<int>> documents;  // file -> page widths
  };
  const Case cases[] = {
      {false, {"B1", "", "", "B2", ""}, {{"B1.tif", {64, 72, 80}}, {"B2.tif", {88, 96}}}},
      {true, {"B1", "", "", "B2", ""}, {{"B1.tif", {72, 80}}, {"B2.tif", {96}}}},
      {true, {"B1", "B2", ""}, {{"B2.tif", {80}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.codes.size());
    for (const QString& file : OutputFiles()) QFile::remove(OutputPath(file));
    codesByWidth.clear();
    SetProfile({{pfDelete1StPage, c.delete1StPage}});
    source.sheets = Stack(codesByWidth, c.codes);

    EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Saved);

    QStringList expectedFiles;
    for (const auto& [file, widths] : c.documents) {
      expectedFiles << file;
      EXPECT_EQ(TiffPageWidths(OutputPath(file)), widths) << file.toStdString();
    }
    EXPECT_EQ(OutputFiles(), expectedFiles);
    EXPECT_EQ(pages.PageCount(), 0);
    EXPECT_EQ(ui.statuses.last(), "Das Dokument wurde gespeichert.");
  }
  EXPECT_TRUE(LogLines().contains("Stapel bearbeiten"));
  EXPECT_TRUE(LogLines().contains("Search Barcodes on 5 Pages"));
}

TEST_F(BatchTest, FirstPageWithoutCodeSavesNothing) {
  source.sheets = Stack(codesByWidth, {"", "B1", ""});
  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Failed);
  const QString text = QString::fromUtf8("Bitte \u00fcberpr\u00fcfen Sie den Stapel, auf Seite 1 wurde kein Barcode gefunden !");
  EXPECT_EQ(ui.messages, QStringList{text});
  EXPECT_TRUE(LogLines().contains(text));
  EXPECT_TRUE(OutputFiles().isEmpty());
  EXPECT_EQ(pages.PageCount(), 0);
}

TEST_F(BatchTest, KeywordsAndPatternNameTheDocuments) {
  SetProfile({{pfBARCODEWORDS, "LS\nRE"}, {pfAutoFileNameVar, QString::fromUtf8("Lieferschein_{barcode}_{Z\u00e4hler}")},
              {pfFileCount, 1}});
  // "xyz" passes no keyword: that page belongs to the document before it.
  source.sheets = Stack(codesByWidth, {"ls4711", "", "xyz", "RE9"});
  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Saved);
  EXPECT_EQ(OutputFiles(), (QStringList{"Lieferschein_RE9_002.tif", "Lieferschein_ls4711_001.tif"}));
  EXPECT_EQ(TiffPageWidths(OutputPath("Lieferschein_ls4711_001.tif")), (std::vector<int>{64, 72, 80}));
  EXPECT_EQ(dm.MemDataFileCount.AsInteger(), 3);
}

TEST_F(BatchTest, CodesNeverOverwriteOrEscapeTheFolder) {
  QFile(OutputPath("B1.tif")).open(QIODevice::WriteOnly);  // from an earlier day
  source.sheets = Stack(codesByWidth, {"B1", "", "B1", "../../x"});
  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Saved);
  EXPECT_EQ(OutputFiles(), (QStringList{"B1.tif", "B1_2.tif", "B1_3.tif", "______x.tif"}));
  EXPECT_EQ(QFile(OutputPath("B1.tif")).size(), 0);
  EXPECT_EQ(TiffPageWidths(OutputPath("B1_2.tif")), (std::vector<int>{64, 72}));
}

TEST_F(BatchTest, StackWithoutCodesBecomesOneNamedDocument) {
  source.sheets = Stack(codesByWidth, {"", "", ""});
  ui.answers = {TAnswer{true, "x.y", ""}, TAnswer{true, "Gesamt", ""}};
  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Saved);
  EXPECT_EQ(ui.dialogNames, (QStringList{"", "x.y"}));
  EXPECT_EQ(ui.messages, (QStringList{"Im Stapel konnte kein Barcode gefunden werden!",
                                      QString::fromUtf8("Dieser Dateiname ist ung\u00fcltig!")}));
  EXPECT_TRUE(LogLines().contains(QString::fromUtf8("Dieser Dateiname ist ung\u00fcltig! x.y")));
  EXPECT_TRUE(ui.statuses.contains("Speicher Datei: Gesamt.tif"));
  EXPECT_EQ(TiffPageCount(OutputPath("Gesamt.tif")), 3);
}

TEST_F(BatchTest, BatchNeedsBothSwitches) {
  SetProfile({{pfScanBarCode, false}});
  source.sheets = Stack(codesByWidth, {"B1", "", "B2"});
  ui.answers = {TAnswer{true, "Alles", ""}};
  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Saved);
  EXPECT_EQ(TiffPageCount(OutputPath("Alles.tif")), 3);
}

TEST_F(BatchTest, MissingFolderDiscardsTheStack) {
  SetProfile({{pfFolder, home.filePath("weg")}});
  source.sheets = Stack(codesByWidth, {"B1"});
  EXPECT_EQ(Job().ScanTimerTimer(), TJobOutcome::Failed);
  EXPECT_EQ(ui.messages, QStringList{QString::fromUtf8("Das Verzeichnis existiert nicht, pr\u00fcfen Sie bitte die Einstellungen!")});
  EXPECT_EQ(pages.PageCount(), 0);
}

}  // namespace
}  // namespace quorvane::job_test
