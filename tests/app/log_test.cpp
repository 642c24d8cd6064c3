#include "app/log.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "app/log_time_stamp.h"
#include "test_environment.h"

namespace quorvane {
namespace {

using testing::ScopedEnv;

struct StampCase {
  const char* locale;
  QDateTime when;
  const char* expected;
};

TEST(FormatLogTimeStamp, NumericDateWithFullYearAndTimeWithSeconds) {
  const QDate day(2026, 12, 10);
  const StampCase cases[] = {
      {"de_DE", QDateTime(day, QTime(14, 3, 7)), "10.12.2026 14:03:07"},
      {"de_DE", QDateTime(day, QTime(0, 0, 0, 1)), "10.12.2026 00:00:00"},
      {"de_DE", QDateTime(day, QTime(0, 0)), "10.12.2026"},
      {"en_GB", QDateTime(day, QTime(9, 5, 59)), "10/12/2026 09:05:59"},
      {"C", QDateTime(day, QTime(14, 3, 7)), "2026-12-10 14:03:07"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatLogTimeStamp(c.when, QLocale(QString::fromUtf8(c.locale))).toStdString(), c.expected) << c.locale;
  }
}

TEST(FormatLogLine, PutsTheStampInBracketsAndKeepsTheTextAsGiven) {
  const QDateTime when(QDate(2026, 12, 10), QTime(14, 3, 7));
  const QString stamp = FormatLogTimeStamp(when, QLocale::system());
  EXPECT_EQ(FormatLogLine(when, QStringLiteral("New Scan Job - Rechnungen")),
            u'[' + stamp + QStringLiteral("] New Scan Job - Rechnungen"));
  EXPECT_EQ(FormatLogLine(when, QStringLiteral("50% mit %1 und %2")), u'[' + stamp + QStringLiteral("] 50% mit %1 und %2"));
}

class WriteLogMsgTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(home_.isValid()); }
  QString Home() const { return home_.path(); }
  QByteArray LogBytes() const {
    QFile file(home_.filePath(QStringLiteral("Vantel.log")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

 private:
  QTemporaryDir home_;
  ScopedEnv env_{"QUORVANE_HOME", home_.path()};
};

TEST_F(WriteLogMsgTest, FirstCallCreatesTheLogWithOneLine) {
  EXPECT_EQ(LogFileName(), Home() + QStringLiteral("/Vantel.log"));
  WriteLogMsg(QStringLiteral("Erkenne Leerseiten..."));
  const QString log = QString::fromUtf8(LogBytes());
  static const QRegularExpression line(QStringLiteral("^\\[[^\\]\\n]+\\] Erkenne Leerseiten\\.\\.\\.\\n$"));
  EXPECT_TRUE(line.match(log).hasMatch()) << log.toStdString();
}

TEST_F(WriteLogMsgTest, LinesAreAppendedInCallOrderAsUtf8) {
  WriteLogMsg(QStringLiteral("Found Code 4711 on Page 1"));
  WriteLogMsg(QStringLiteral("Möchten Sie die Scanner Einstellungen übernehmen?"));
  WriteLogMsg(QStringLiteral("two\nlines"));
  const QList<QByteArray> lines = LogBytes().split('\n');
  ASSERT_EQ(lines.size(), 5);
  EXPECT_TRUE(lines[0].endsWith("] Found Code 4711 on Page 1"));
  EXPECT_TRUE(lines[1].endsWith("] M\xC3\xB6" "chten Sie die Scanner Einstellungen \xC3\xBC" "bernehmen?"));
  EXPECT_TRUE(lines[2].endsWith("] two"));
  EXPECT_EQ(lines[3], "lines");
  EXPECT_EQ(lines[4], "");
}

TEST_F(WriteLogMsgTest, ExistingLogIsNeverTruncated) {
  QFile file(Home() + QStringLiteral("/Vantel.log"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[earlier] kept\n");
  file.close();
  WriteLogMsg(QStringLiteral("next"));
  EXPECT_TRUE(LogBytes().startsWith("[earlier] kept\n["));
  EXPECT_TRUE(LogBytes().endsWith("] next\n"));
}

TEST_F(WriteLogMsgTest, UnwritableLogDoesNotStopTheCaller) {
  ASSERT_TRUE(QDir(Home()).mkdir(QStringLiteral("Vantel.log")));
  EXPECT_NO_THROW(WriteLogMsg(QStringLiteral("lost line")));
}

}  // namespace
}  // namespace quorvane
