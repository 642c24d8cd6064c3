// Runs the built quorvane-cli on a temporary data folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "profiles/profile_file_builder.h"

namespace {

using quorvane::test::FixtureFields;
using quorvane::test::FixtureLayout;
using quorvane::test::FixtureValue;
using quorvane::test::kLayout150;
using quorvane::test::kLayout187;
using quorvane::test::kLayout191;
using quorvane::test::kNoHeader;
using quorvane::test::ProfileFileBuilder;

struct CliResult {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

class CliProfilesTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(home_.isValid()); }

  // `shell` runs before the tool in the same process ("$0" is the tool).
  CliResult Run(const QStringList& args, const QString& shell = QString()) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QUORVANE_HOME", home_.path());
    process.setProcessEnvironment(env);
    if (shell.isEmpty()) {
      process.start(QUORVANE_CLI, args);
    } else {
      process.start("/bin/sh", QStringList{"-c", shell + "; exec \"$0\" \"$@\"", QUORVANE_CLI} + args);
    }
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            process.readAllStandardError()};
  }

  QString ProfileFile() const { return home_.filePath("Vantel.dat"); }
  QByteArray ReadProfileFile() const {
    QFile file(ProfileFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void WriteProfileFile(const QByteArray& bytes) const {
    QFile file(ProfileFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QStringList Files() const { return QDir(home_.path()).entryList(QDir::Files, QDir::Name); }

  QTemporaryDir home_;
};

// Two profiles in title order; the second is null wherever a layout allows.
std::vector<FixtureValue> FullProfile() {
  return {3, std::string("Beleg \x80"), 0x336699, std::string("/srv/scans/Gr\xF6\xDF" "e"), std::string("{Z\xE4hler}"),
          2, 300, 1, 0, 250, 1, 0, 1, std::string("\x00\xFFSANE", 6), 1, std::string("RE"), 0, 1, 20,
          std::string("EINS\r\nZWEI"), 1, 0, 41};
}
std::vector<FixtureValue> SparseProfile(bool numbersCanBeNull) {
  std::vector<FixtureValue> values(FixtureFields().size());
  values[0] = 7;
  values[1] = std::string("Rechnung");
  if (!numbersCanBeNull) {
    for (std::size_t i = 0; i < values.size(); ++i) {
      const char kind = FixtureFields()[i].kind;
      if (kind != 'T' && kind != 'M' && i != 0) values[i] = 0;
    }
  }
  return values;
}

TEST_F(CliProfilesTest, FirstStartPrintsAnEmptyTableAndWritesTheFile) {
  const CliResult result = Run({"profiles", "--json"});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_EQ(result.out.trimmed(), "[]");
  EXPECT_EQ(ReadProfileFile(), ProfileFileBuilder(kLayout191).AllDescriptors().Bytes());
}

TEST_F(CliProfilesTest, ShowsProfilesOfEveryLayoutAndWritesThemAs191) {
  for (const FixtureLayout layout : {kNoHeader, kLayout150, kLayout187, kLayout191}) {
    SCOPED_TRACE(layout.header ? layout.version : 0.0);
    const bool numbersCanBeNull = layout.header;
    WriteProfileFile(ProfileFileBuilder(layout)
                         .AllDescriptors()
                         .Record(FullProfile())
                         .Record(SparseProfile(numbersCanBeNull))
                         .Bytes());
    const CliResult result = Run({"profiles", "--json"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();

    QJsonParseError error;
    const QJsonArray rows = QJsonDocument::fromJson(result.out, &error).array();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << result.out.toStdString();
    ASSERT_EQ(rows.size(), 2);
    const QJsonObject full = rows[0].toObject();
    EXPECT_EQ(full.value("ID"), 3);
    EXPECT_EQ(full.value("VantelTitel"), QStringLiteral("Beleg €"));
    EXPECT_EQ(full.value("VantelColor"), 0x336699);
    EXPECT_EQ(full.value("Folder"), QStringLiteral("/srv/scans/Größe"));
    EXPECT_EQ(full.value("AutoFileNameVar"), QStringLiteral("{Zähler}"));
    EXPECT_EQ(full.value("Farbe"), 2);
    EXPECT_EQ(full.value("Duplex"), true);
    EXPECT_EQ(full.value("ScanBarCode"), false);
    EXPECT_EQ(full.value("Settings"), QStringLiteral("AP9TQU5F"));
    EXPECT_EQ(full.value("BARCODEWORDS"), QStringLiteral("EINS\r\nZWEI"));
    EXPECT_EQ(full.value("FileCount"), 41);
    const QJsonObject sparse = rows[1].toObject();
    EXPECT_EQ(sparse.value("VantelTitel"), QStringLiteral("Rechnung"));
    EXPECT_EQ(sparse.value("Folder"), QJsonValue::Null);
    EXPECT_EQ(sparse.value("Settings"), QStringLiteral(""));
    EXPECT_EQ(sparse.value("VantelColor"), numbersCanBeNull ? QJsonValue(QJsonValue::Null) : QJsonValue(0));

    // Keys in field order, as the file has them.
    QStringList keys;
    const QString firstRow = QString::fromUtf8(result.out).section('\n', 1, 1);
    for (const QRegularExpressionMatch& match : QRegularExpression(R"re("(\w+)": )re").globalMatch(firstRow)) keys << match.captured(1);
    QStringList fieldNames;
    for (const auto& field : FixtureFields()) fieldNames << field.name;
    EXPECT_EQ(keys, fieldNames);

    EXPECT_EQ(ReadProfileFile(), ProfileFileBuilder(kLayout191)
                                     .AllDescriptors()
                                     .Record(FullProfile())
                                     .Record(SparseProfile(numbersCanBeNull))
                                     .Bytes());
  }
}

TEST_F(CliProfilesTest, UnreadableFileIsReportedAndLeftAlone) {
  const QByteArray broken = ProfileFileBuilder(kLayout191).Le<qint32>(1).Le<qint32>(4).Le<quint16>(3).Le<quint16>(300).Bytes();
  WriteProfileFile(broken);
  const CliResult result = Run({"profiles", "--json"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_TRUE(result.out.isEmpty());
  EXPECT_TRUE(result.err.contains("nicht lesbar")) << result.err.toStdString();
  EXPECT_TRUE(result.err.contains("Invalid stream format")) << result.err.toStdString();
  EXPECT_EQ(ReadProfileFile(), broken);
  EXPECT_EQ(Files(), QStringList({"Vantel.dat", "Vantel.log"}));
}

TEST_F(CliProfilesTest, FileCutInsideAProfileIsShownAndKeptAside) {
  const QByteArray cut =
      ProfileFileBuilder(kLayout191).AllDescriptors().Record(FullProfile()).Record(SparseProfile(true)).Bytes().chopped(3);
  WriteProfileFile(cut);
  const CliResult result = Run({"profiles", "--json"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(QJsonDocument::fromJson(result.out).array().size(), 1);
  EXPECT_TRUE(result.err.contains(home_.filePath("Vantel.dat.defekt").toUtf8())) << result.err.toStdString();
  EXPECT_EQ(Files(), QStringList({"Vantel.dat", "Vantel.dat.defekt", "Vantel.log"}));
  QFile kept(home_.filePath("Vantel.dat.defekt"));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), cut);
}

TEST_F(CliProfilesTest, FailedSaveAtTheEndIsReportedAndKeepsTheFile) {
  ProfileFileBuilder file(kLayout191);
  file.AllDescriptors();
  for (int i = 0; i < 8; ++i) file.Record(FullProfile());
  const QByteArray old = file.Bytes();
  ASSERT_GT(old.size(), 1024);
  WriteProfileFile(old);
  // Files over one 1024-byte block cannot grow, as on a full disk.
  const CliResult result = Run({"profiles", "--json"}, "trap '' XFSZ; ulimit -f 1");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(result.err.contains("nicht gespeichert")) << result.err.toStdString();
  EXPECT_EQ(ReadProfileFile(), old);
  EXPECT_EQ(Files(), QStringList({"Vantel.dat", "Vantel.log"}));
}

TEST_F(CliProfilesTest, WrongArgumentsShowTheUsage) {
  const CliResult result = Run({"profiles"});
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_TRUE(result.err.contains("profiles --json"));
}

}  // namespace
