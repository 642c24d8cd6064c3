#include "app/client_routines.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSysInfo>
#include <QTemporaryDir>

namespace quorvane {
namespace {

struct NameCase {
  const char16_t* name;
  bool valid;
};

TEST(IsValidFileName, AcceptsDocumentNamesAndRefusesSeparatorsAndDots) {
  const NameCase cases[] = {
      {u"", false},
      {u"Rechnung 2024 Nr 17", true},
      {u"Bericht.final", false},
      {u"Was?", true},
      {u"a/b", false},
      {u"a\\b", false},
      {u"C:", false},
      {u"a*", false},
      {u"\"quoted\"", false},
      {u"<tag>", false},
      {u"pipe|", false},
      {u"..", false},
      {u"Größe_€_日本", true},
      {u"-_+#&%$!()[]{}'~", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsValidFileName(QString::fromUtf16(c.name)), c.valid) << QString::fromUtf16(c.name).toStdString();
  }
  EXPECT_FALSE(IsValidFileName(QStringLiteral("nul") + QChar(u'\0') + QStringLiteral("byte")));
}

struct PathCase {
  const char* input;
  const char* expected;
};

TEST(StripTrailingBackslash, RemovesExactlyOneClosingSeparator) {
  const PathCase cases[] = {
      {"", ""},
      {"/", ""},
      {"/tmp/scans/", "/tmp/scans"},
      {"/tmp/scans//", "/tmp/scans/"},
      {"/tmp/scans", "/tmp/scans"},
      {"relative\\", "relative\\"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StripTrailingBackslash(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected)) << c.input;
  }
}

TEST(ReplaceFileExt, SwapsOnlyTheExtensionOfTheLastPathComponent) {
  const PathCase cases[] = {
      {"2020_03_07_abc1A2F.TMP", "2020_03_07_abc1A2F.tif"},
      {"/home/u/archiv.2024/Rechnung", "/home/u/archiv.2024/Rechnung.tif"},
      {"/home/u/Rechnung.pdf", "/home/u/Rechnung.tif"},
      {"Rechnung", "Rechnung.tif"},
      {"a.b.pdf", "a.b.tif"},
      {"Rechnung.", "Rechnung.tif"},
      {"", ".tif"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplaceFileExt(QString::fromUtf8(c.input), QStringLiteral(".tif")), QString::fromUtf8(c.expected))
        << c.input;
  }
}

TEST(NewGuidString, IsBracedUpperCaseAndNewEveryTime) {
  static const QRegularExpression format(
      QStringLiteral("^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"));
  QSet<QString> seen;
  for (int i = 0; i < 20; ++i) {
    const QString guid = NewGuidString();
    EXPECT_EQ(guid.size(), 38);
    EXPECT_TRUE(format.match(guid).hasMatch()) << guid.toStdString();
    seen.insert(guid);
  }
  EXPECT_EQ(seen.size(), 20);
}

TEST(MachineFacts, UserNameIsTheOwnerOfOurFilesAndHostNameIsTheSystems) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  QFile file(folder.filePath(QStringLiteral("mine")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_EQ(GetLocalUserName(), QFileInfo(file.fileName()).owner());
  EXPECT_FALSE(GetComputerNameStr().isEmpty());
  EXPECT_EQ(GetComputerNameStr(), QSysInfo::machineHostName());
}

TEST(GetTempFolder, IsTheSystemTemporaryFolderWithoutClosingSeparator) {
  const QString folder = GetTempFolder();
  EXPECT_FALSE(folder.endsWith(u'/'));
  EXPECT_TRUE(QFileInfo(folder).isDir());
}

}  // namespace
}  // namespace quorvane
