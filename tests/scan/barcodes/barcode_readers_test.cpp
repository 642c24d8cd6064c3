#include "scan/barcodes/barcode_readers.h"

#include <gtest/gtest.h>

#include <QFile>
#include <stdexcept>
#include <string>
#include <vector>

#include "log_capture.h"
#include "scan/barcodes/barcode_keywords.h"

namespace quorvane {
namespace {

// Stands in for the decoder: answers with fixed texts, or fails.
TPageCodeReader Answering(QStringList texts) {
  return [texts](const TPageView&) { return texts; };
}

TPageCodeReader Failing(const char* error) {
  return [error](const TPageView&) -> QStringList { throw std::runtime_error(error); };
}

using BarcodeReaders = testing::LogCapture;

struct BatchCase {
  std::string name;
  QStringList codes;      // what the decoder finds on the page, in its order
  QString memo;           // the profile's keyword memo
  int index;              // page index in the batch
  QString entry;          // expected batch entry of the page
  QStringList log;        // expected log lines
};

TEST_F(BarcodeReaders, ReadPageBarcodesAppliesKeywordsAndLogsEveryStep) {
  const std::vector<BatchCase> cases = {
      {"no keywords: the later code wins", {"111", "222"}, "", 0, "222",
       {"Found Code 111 on Page 1", "Found Code 222 on Page 1"}},
      {"first keyword fails, second matches", {"XLS-17"}, "RE\nLS", 2, "XLS-17",
       {"Found Code XLS-17 on Page 3", "Ignore Code XLS-17 on Page 3"}},
      {"no keyword matches", {"ABC"}, "RE\r\nLS\r\n", 1, "<Page>",
       {"Found Code ABC on Page 2", "Ignore Code ABC on Page 2", "Ignore Code ABC on Page 2"}},
      {"keyword compared in upper case", {"RE-2020"}, "re", 0, "RE-2020", {"Found Code RE-2020 on Page 1"}},
      {"umlauts are not upper-cased", {"XÄY"}, "ä", 0, "<Page>",
       {"Found Code XÄY on Page 1", "Ignore Code XÄY on Page 1"}},
      {"an empty line matches nothing", {"RE-1"}, "\n", 0, "<Page>",
       {"Found Code RE-1 on Page 1", "Ignore Code RE-1 on Page 1"}},
      {"empty texts are skipped", {"", "RE-1", ""}, "", 4, "RE-1", {"Found Code RE-1 on Page 5"}},
      {"a later rejected code keeps the earlier accepted one", {"RE-1", "XY"}, "RE", 0, "RE-1",
       {"Found Code RE-1 on Page 1", "Found Code XY on Page 1", "Ignore Code XY on Page 1"}},
      {"no code at all", {}, "RE", 0, "<Page>", {}},
      {"a code holding a placeholder is logged as it is", {"A%2B"}, "", 0, "A%2B", {"Found Code A%2B on Page 1"}},
  };
  const TPageBitmap page(8, 8, pf1Bit);
  for (const BatchCase& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(Folder() + "/Vantel.log");
    QStringList stapelPages(5);
    ReadPageBarcodes(page.View(), c.index, KeyWordLines(c.memo), stapelPages, Answering(c.codes));
    EXPECT_EQ(stapelPages[c.index], c.entry);
    EXPECT_EQ(LogLines(), c.log);
  }
}

TEST_F(BarcodeReaders, ReadPageBarcodesLogsAReadingErrorAndLeavesThePageWithoutCode) {
  const TPageBitmap page(8, 8, pf1Bit);
  QStringList stapelPages = {"RE-1", ""};
  ReadPageBarcodes(page.View(), 1, {}, stapelPages, Failing("bad image"));
  EXPECT_EQ(stapelPages, QStringList({"RE-1", "<Page>"}));
  EXPECT_EQ(LogLines(), QStringList{"Error: bad image on Page 2"});
}

TEST_F(BarcodeReaders, ReadBarcodeReturnsTheLastCodeWithoutKeywords) {
  const TPageBitmap page(8, 8, pf24RGB);
  EXPECT_EQ(ReadBarcode(&page, Answering({"111", "", "222"})), "222");
  EXPECT_EQ(LogLines(), QStringList({"Found Code 111 on Page 1", "Found Code 222 on Page 1"}));
}

TEST_F(BarcodeReaders, ReadBarcodeReportsAMissingPageAndReadingErrors) {
  const TPageBitmap page(8, 8, pf24RGB);
  EXPECT_EQ(ReadBarcode(nullptr, Answering({"111"})), "");
  EXPECT_EQ(ReadBarcode(&page, Failing("decoder failed")), "");
  EXPECT_EQ(LogLines(), QStringList({"Error: Image not assigned on Page 1", "Error: decoder failed on Page 1"}));
}

TEST(BarcodeKeywords, MemoLinesBecomeKeywords) {
  EXPECT_EQ(KeyWordLines(""), QStringList());
  EXPECT_EQ(KeyWordLines("RE"), QStringList({"RE"}));
  EXPECT_EQ(KeyWordLines("RE\r\nLS\r\n"), QStringList({"RE", "LS"}));
  EXPECT_EQ(KeyWordLines("RE\n\nLS"), QStringList({"RE", "", "LS"}));
  EXPECT_EQ(KeyWordLines("\r\n"), QStringList({""}));
}

TEST(BarcodeKeywords, UpperCasesOnlyAToZ) {
  EXPECT_EQ(UpperCaseAtoZ("abz-äöüß-é-AZ"), "ABZ-äöüß-é-AZ");
}

TEST(BatchEntries, OnlyEntriesWithACodeStartADocument) {
  EXPECT_TRUE(IsBarcodePage("RE-1"));
  EXPECT_FALSE(IsBarcodePage("<Page>"));
  // Left unread after a reading error.
  EXPECT_FALSE(IsBarcodePage(""));
}

}  // namespace
}  // namespace quorvane
