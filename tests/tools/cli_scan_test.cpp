// quorvane-cli scan on a temporary data folder, with an image folder as scanner.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "profiles/data_module.h"

namespace quorvane {
namespace {

struct CliResult {
  int exitCode = -1;
  QString out;
  QString err;
};

class CliScanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    qputenv("QUORVANE_HOME", home_.path().toUtf8());
    QDir(home_.path()).mkpath("stack");
    QDir(home_.path()).mkpath("out");
    for (const char* name : {"page1.pbm", "page2.pbm", "page10.pbm"}) WriteSheet(name);
  }

  // Writes the profile file the way the program does at exit.
  void WriteProfile(const QString& title, const QString& pattern, bool showPrefix, const QString& folder) {
    TDM dm;
    dm.DataModuleCreate();
    dm.MemData.Insert();
    dm.MemDataTitel.SetAsString(title);
    dm.MemDataFileName.SetAsString(pattern);
    dm.MemDataFolder.SetAsString(folder);
    dm.MemDataShowPrefix.SetAsBoolean(showPrefix);
    dm.MemDataFarbe.SetAsInteger(1);
    dm.MemDataSaveAsTif.SetAsBoolean(true);
    dm.MemData.Post();
    dm.DataModuleDestroy();
  }

  void WriteSheet(const char* name) {
    QFile file(home_.filePath(QString("stack/") + name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("P1\n16 4\n");
    for (int y = 0; y < 4; ++y) file.write(y == 2 ? "1 1 1 1 1 1 1 1 1 1 1 1 1 1 1 1\n" : "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0\n");
  }

  CliResult Scan(QStringList args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QUORVANE_HOME", home_.path());
    env.insert("XDG_CONFIG_HOME", home_.filePath("config"));
    process.setProcessEnvironment(env);
    process.start(QUORVANE_CLI, QStringList{"scan", "--source", "folder:" + home_.filePath("stack")} + args);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
  }

  int FileCount() {
    TDM dm;
    dm.DataModuleCreate();
    return dm.MemDataFileCount.AsInteger();
  }

  QString Out(const QString& name) const { return home_.filePath("out/" + name); }

  QTemporaryDir home_;
};

TEST_F(CliScanTest, SavesTheStackUnderTheProposedName) {
  WriteProfile("Post", QString::fromUtf8("Post_{Z\u00e4hler}"), false, home_.filePath("out"));
  const CliResult result = Scan({"--profile", "Post"});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_TRUE(QFile::exists(Out("Post_000.tif")));
  EXPECT_TRUE(result.out.contains("Page: 3"));
  EXPECT_EQ(FileCount(), 1);  // the advanced counter was saved at the end
}

TEST_F(CliScanTest, AnswersTheDialogFromTheArguments) {
  WriteProfile("Kunden", "", true, home_.filePath("out"));
  const CliResult result = Scan({"--profile", "Kunden", "--name", "Mai", "--knr", "4711"});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_TRUE(QFile::exists(Out("4711-Mai.tif")));
}

TEST_F(CliScanTest, ExitStatusTellsHowTheJobEnded) {
  WriteProfile("Post", "Brief", false, home_.filePath("out"));
  QFile(Out("Brief.tif")).open(QIODevice::WriteOnly);

  CliResult refused = Scan({"--profile", "Post"});  // exists: the dialog comes again and is cancelled
  EXPECT_EQ(refused.exitCode, 3);
  EXPECT_TRUE(refused.err.contains("Meldung: Diese Datei existiert bereits!")) << refused.err.toStdString();

  EXPECT_EQ(Scan({"--profile", "Post", "--cancel"}).exitCode, 3);
  EXPECT_EQ(Scan({"--profile", "Nirgends"}).exitCode, 1);

  WriteProfile("Weg", "Brief", false, home_.filePath("fehlt"));
  const CliResult missing = Scan({"--profile", "Weg", "--name", "Neu"});
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_TRUE(missing.err.contains(QString::fromUtf8("Meldung: Das Verzeichnis existiret nicht")));
}

}  // namespace
}  // namespace quorvane
