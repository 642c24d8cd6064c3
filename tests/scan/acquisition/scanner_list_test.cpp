// The scanner list: sources, the remembered scanner, selection and the
// settings-only run, with the test backend as the machine's scanners.
#include <gtest/gtest.h>

#include "app/client_routines.h"
#include "scan/acquisition/scanner_list.h"
#include "test_scanner.h"

namespace quorvane {
namespace {

const QString kTestScanner = QStringLiteral("Noname frontend-tester");

// Answers like a user would, and records what the list asked.
class TScriptedUi : public TScannerUi {
 public:
  QStringList Messages;
  QStringList Questions;
  bool AnswerYes = true;
  bool AcceptDialog = true;
  int DialogRuns = 0;

  void ShowMessage(const QString& text) override { Messages << text; }
  bool Confirm(const QString& question) override {
    Questions << question;
    return AnswerYes;
  }
  bool EditScannerOptions(TDeviceOptions& options) override {
    ++DialogRuns;
    options.SetText(options.Find(QStringLiteral("test-picture")), QStringLiteral("Color pattern"));
    return AcceptDialog;
  }
};

TEST(ScannerList, ListsTheSourcesBehindThePlaceholder) {
  WriteRegString("Software\\Kestrow\\Quorvane\\Scanner", "LastScanner", "");
  TScriptedUi ui;
  TScannerList list(ui);
  list.FillScannerList();
  EXPECT_EQ(list.ScannerSources(),
            (QStringList{kTestScanner + " (test:0)", kTestScanner + " (test:1)"}));
  EXPECT_EQ(list.Items(), (QStringList{"Scanner Auswahl", kTestScanner, kTestScanner}));
  EXPECT_EQ(list.CurrentIndex(), 0);
  EXPECT_EQ(list.CurrentText(), QStringLiteral("Scanner Auswahl"));
  EXPECT_TRUE(ui.Messages.isEmpty());
}

TEST(ScannerList, RemembersTheLastScannerByItsText) {
  const QStringList items = {"Scanner Auswahl", "Acme Flachbett", kTestScanner};
  SetLastScanner(kTestScanner);
  EXPECT_EQ(GetLastScanner(items), 2);
  SetLastScanner("Scanner Auswahl");
  EXPECT_EQ(GetLastScanner(items), 0);
  SetLastScanner("Ein Scanner, der nicht mehr da ist");
  EXPECT_EQ(GetLastScanner(items), 0);

  SetLastScanner(kTestScanner);
  TScriptedUi ui;
  TScannerList list(ui);
  list.FillScannerList();
  EXPECT_EQ(list.CurrentIndex(), 1);
  ASSERT_NE(list.Source(), nullptr);
  EXPECT_EQ(list.Source()->Description(), kTestScanner + " (test:0)");
}

TEST(ScannerList, SettingsOnlyRunGivesTheBlockToStore) {
  struct Case {
    bool Accept, Yes, Stored;
  };
  for (const Case c : {Case{true, true, true}, Case{true, false, false}, Case{false, true, false}}) {
    TScriptedUi ui;
    ui.AcceptDialog = c.Accept;
    ui.AnswerYes = c.Yes;
    TScannerList list(ui);
    list.FillScannerList();
    list.SetCurrentIndex(1);
    const std::optional<QByteArray> block = list.CaptureScannerSettings(std::nullopt);
    EXPECT_EQ(block.has_value(), c.Stored);
    EXPECT_EQ(ui.Questions.size(), c.Accept ? 1 : 0);
    if (c.Accept) {
      EXPECT_EQ(ui.Questions.front(), QStringLiteral("Möchten Sie die Scanner Einstellungen übernehmen?"));
    }
  }
}

TEST(ScannerList, SettingsOnlyRunStartsFromTheStoredBlock) {
  TScriptedUi ui;
  TScannerList list(ui);
  list.FillScannerList();
  list.SetCurrentIndex(1);
  const std::optional<QByteArray> first = list.CaptureScannerSettings(std::nullopt);
  ASSERT_TRUE(first.has_value());
  // Someone changes the device; the next run starts from the stored block again.
  testing::SetOption(*list.Source(), "mode", QStringLiteral("Gray"));
  testing::SetOption(*list.Source(), "test-picture", QStringLiteral("Grid"));
  const std::optional<QByteArray> second = list.CaptureScannerSettings(first);
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(*second, *first);
}

TEST(ScannerList, WithoutAChosenScannerNothingRuns) {
  WriteRegString("Software\\Kestrow\\Quorvane\\Scanner", "LastScanner", "");
  TScriptedUi ui;
  TScannerList list(ui);
  list.FillScannerList();
  EXPECT_FALSE(list.CaptureScannerSettings(std::nullopt).has_value());
  EXPECT_EQ(ui.DialogRuns, 0);
  EXPECT_TRUE(ui.Questions.isEmpty());
}

}  // namespace
}  // namespace quorvane
