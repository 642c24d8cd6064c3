#include "scan/job/file_name_pattern.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include "app/client_routines.h"

namespace quorvane {
namespace {

const QDateTime k7March2020(QDate(2020, 3, 7), QTime(14, 2, 9));

struct PatternCase {
  const char* pattern;
  const char* barcode;
  const char* customerNumber;
  QDateTime now;
  int counter;
  const char* expected;
  bool counterUsed;
};

TEST(FileNamePatternTest, ExpandsVariablesInOrderAndCase) {
  const PatternCase cases[] = {
      {"Scan_{Datum}_{Z\u00e4hler}", "", "", k7March2020, 5, "Scan_2020_03_07_005", true},
      {"{jahr}{monat}{tag}-{std}{min}{sec}", "", "", QDateTime(QDate(2021, 2, 1), QTime(9, 5, 3)), 0,
       "20210201-090503", false},
      {"{JAHR}-{Monat}", "", "", k7March2020, 0, "2020-03", false},
      {"{Z\u00e4hler}/{Z\u00e4hler}", "", "", k7March2020, 7, "007/007", true},
      {"{Z\u00e4hler}", "", "", k7March2020, 1234, "1234", true},
      {"Rechnung", "", "", k7March2020, 9, "Rechnung", false},
      {"A{KNR}B", "", "", k7March2020, 0, "AB", false},
      {"A{knr}B", "", "4711", k7March2020, 0, "A4711B", false},
      {"X{BarCode}Y", "", "", k7March2020, 0, "XY", false},
      {"X{barcode}Y", "R-17", "", k7March2020, 0, "XR-17Y", false},
      // Only the exact spelling advances the counter; other spellings stay as they are.
      {"n{z\u00e4hler}", "", "", k7March2020, 3, "n{z\u00e4hler}", false},
      // A barcode carrying a later variable has it replaced as well.
      {"{barcode}", "INV{Z\u00e4hler}", "", k7March2020, 12, "INV012", true},
      {"{barcode}", "{Jahr}", "", k7March2020, 0, "{Jahr}", false},
      {"", "", "", k7March2020, 0, "", false},
  };
  for (const PatternCase& c : cases) {
    SCOPED_TRACE(c.pattern);
    const TExpandedName result = ExpandFileNamePattern(QString::fromUtf8(c.pattern), QString::fromUtf8(c.barcode),
                                                       QString::fromUtf8(c.customerNumber), c.now, c.counter);
    EXPECT_EQ(result.name, QString::fromUtf8(c.expected));
    EXPECT_EQ(result.counterUsed, c.counterUsed);
  }
}

TEST(FileNamePatternTest, MachineVariablesComeFromTheSystemOnEveryCall) {
  const QString first = ExpandFileNamePattern("{UID}", "", "", k7March2020, 0).name;
  const QString second = ExpandFileNamePattern("{uid}", "", "", k7March2020, 0).name;
  const QRegularExpression guid("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$");
  EXPECT_TRUE(guid.match(first).hasMatch()) << first.toStdString();
  EXPECT_NE(first, second);
  EXPECT_EQ(ExpandFileNamePattern("{User}@{HOST}", "", "", k7March2020, 0).name,
            GetLocalUserName() + "@" + GetComputerNameStr());
}

TEST(FileNamePatternTest, ChecksNames) {
  EXPECT_FALSE(CheckFileName("a.b"));
  EXPECT_FALSE(CheckFileName("x/y"));
  EXPECT_FALSE(CheckFileName(""));
  EXPECT_TRUE(CheckFileName("Warum?"));
  EXPECT_TRUE(CheckFileName(QString::fromUtf8("\u00dcbersicht")));
}

TEST(FileNamePatternTest, PrefixesConfirmedNames) {
  EXPECT_EQ(PrefixFileName("Mai", true, "4711", "RE"), "RE-4711-Mai");
  EXPECT_EQ(PrefixFileName("Mai", true, "", "RE"), "RE-Mai");
  EXPECT_EQ(PrefixFileName("Mai", false, "4711", ""), "Mai");
  EXPECT_EQ(PrefixFileName("", false, "", ""), "");
  EXPECT_EQ(PrefixFileName("", false, "", "RE"), "RE-");
}

}  // namespace
}  // namespace quorvane
