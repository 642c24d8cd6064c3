#include "profiles/data_module.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

#include "profile_file_builder.h"
#include "profiles/new_profile.h"
#include "profiles/profile_file_error.h"

namespace quorvane {
namespace {

using test::kLayout150;
using test::kLayout191;
using test::ProfileFileBuilder;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

// Files larger than `bytes` cannot be written while it lives, as on a full
// disk; it works for root as well, where a read-only folder would not.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

class DataModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    qputenv("QUORVANE_HOME", home_.path().toUtf8());
  }
  void TearDown() override { qunsetenv("QUORVANE_HOME"); }

  QString Path(const QString& name) const { return home_.filePath(name); }
  QStringList Files() const { return QDir(home_.path()).entryList(QDir::Files, QDir::Name); }
  QByteArray Log() const { return ReadAll(Path("Vantel.log")); }

  // A file with three profiles whose folders make it about 1.2 KB long.
  static QByteArray ThreeProfiles() {
    ProfileFileBuilder file(kLayout191);
    file.AllDescriptors();
    for (int id = 1; id <= 3; ++id) {
      file.Record({id, std::string("Profil ") + char('0' + id), {}, std::string(255, 'x'), {}, 1, 200, 0, 0, 300, {},
                   {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, 1, 0});
    }
    return file.Bytes();
  }

  QTemporaryDir home_;
};

TEST_F(DataModuleTest, FirstStartWritesTheEmptyFile) {
  TDM dm;
  dm.DataModuleCreate();
  EXPECT_EQ(dm.ProfileFileName(), Path("Vantel.dat"));
  EXPECT_EQ(ReadAll(Path("Vantel.dat")), ProfileFileBuilder(kLayout191).AllDescriptors().Bytes());
  EXPECT_EQ(dm.MemData.RecordCount(), 0);
  EXPECT_TRUE(dm.MemDataID.IsNull());
}

TEST_F(DataModuleTest, OlderLayoutIsLoadedAndSavedAs191WithPendingChanges) {
  WriteAll(Path("Vantel.dat"), ProfileFileBuilder(kLayout150)
                                   .AllDescriptors()
                                   .Record({5, std::string("Alt"), {}, std::string("/a"), {}, 2, 300, 0, 0, 250, 1, 0,
                                            0, {}, 0, {}, 0, 0, 0, {}, 0, 1, 8})
                                   .Bytes());
  TDM dm;
  dm.DataModuleCreate();
  ASSERT_EQ(dm.MemData.RecordCount(), 1);
  EXPECT_EQ(dm.MemDataTitel.AsString(), "Alt");
  dm.MemDataFileCount.SetAsInteger(dm.MemDataFileCount.AsInteger() + 1);  // left unposted
  dm.DataModuleDestroy();
  EXPECT_EQ(ReadAll(Path("Vantel.dat")),
            ProfileFileBuilder(kLayout191)
                .AllDescriptors()
                .Record({5, std::string("Alt"), {}, std::string("/a"), {}, 2, 300, 0, 0, 250, 1, 0, 0, {}, 0, {}, 0, 0,
                         0, {}, 0, 1, 9})
                .Bytes());
}

TEST_F(DataModuleTest, UnreadableFileIsMovedAsideBeforeTheTableIsWritten) {
  const QByteArray broken = ProfileFileBuilder(kLayout191).Le<qint32>(1).Le<qint32>(4).Le<quint16>(3).Le<quint16>(999).Bytes();
  WriteAll(Path("Vantel.dat"), broken);
  WriteAll(Path("Vantel.dat.defekt"), "older");
  WriteAll(Path("Vantel.dat.defekt.1"), "old");
  TDM dm;
  try {
    dm.DataModuleCreate();
    FAIL() << "loaded";
  } catch (const TProfileReadError& error) {
    EXPECT_STREQ(error.what(), qPrintable(Path("Vantel.dat") + ": Invalid stream format"));
  }
  EXPECT_EQ(dm.MemData.RecordCount(), 0);
  EXPECT_EQ(ReadAll(Path("Vantel.dat")), broken);  // untouched until something is written
  InsertNewProfile(dm.MemData);
  dm.DataModuleDestroy();

  EXPECT_EQ(ReadAll(Path("Vantel.dat.defekt.2")), broken);
  EXPECT_EQ(ReadAll(Path("Vantel.dat.defekt")), "older");
  EXPECT_EQ(ReadAll(Path("Vantel.dat.defekt.1")), "old");
  EXPECT_EQ(ReadAll(Path("Vantel.dat")).size(), 522);
  EXPECT_TRUE(Log().contains("Invalid stream format"));
  EXPECT_TRUE(Log().contains(qPrintable("moved to " + Path("Vantel.dat.defekt.2"))));
}

TEST_F(DataModuleTest, FileCutInsideARecordIsKeptBesideTheSavedTable) {
  const QByteArray cut = ThreeProfiles().chopped(10);
  WriteAll(Path("Vantel.dat"), cut);
  TDM dm;
  dm.DataModuleCreate();
  EXPECT_EQ(dm.MemData.RecordCount(), 2);
  dm.DataModuleDestroy();
  EXPECT_EQ(ReadAll(Path("Vantel.dat.defekt")), cut);
  EXPECT_EQ(ReadAll(Path("Vantel.dat")), ThreeProfiles().left(433 + 2 * 344));
  EXPECT_EQ(Files(), QStringList({"Vantel.dat", "Vantel.dat.defekt", "Vantel.log"}));
}

TEST_F(DataModuleTest, FileWithValuesTheTableCannotTakeIsKeptBesideTheSavedTable) {
  const QByteArray newer = ProfileFileBuilder(kLayout191)
                               .Le<qint32>(2)
                               .Descriptor("ID", 4, 12)
                               .Descriptor("Kommentar", 200, 1)
                               .Value('A', 1)
                               .Value('T', std::string("vom neueren Programm"))
                               .Bytes();
  WriteAll(Path("Vantel.dat"), newer);
  TDM dm;
  dm.DataModuleCreate();
  EXPECT_EQ(dm.MemData.RecordCount(), 1);
  dm.DataModuleDestroy();
  EXPECT_EQ(ReadAll(Path("Vantel.dat.defekt")), newer);
  EXPECT_TRUE(Log().contains("holds values the table cannot take"));
}

TEST_F(DataModuleTest, FailedWriteKeepsTheOldFileAndIsReported) {
  const QByteArray old = ThreeProfiles();
  WriteAll(Path("Vantel.dat"), old);
  TDM dm;
  dm.DataModuleCreate();
  InsertNewProfile(dm.MemData);
  {
    FileSizeLimit limit(1000);
    EXPECT_THROW(dm.DataModuleDestroy(), TProfileWriteError);
  }
  EXPECT_EQ(ReadAll(Path("Vantel.dat")), old);
  EXPECT_EQ(Files(), QStringList({"Vantel.dat", "Vantel.log"}));
  EXPECT_TRUE(Log().contains(qPrintable("Profile file could not be saved - " + Path("Vantel.dat"))));
}

}  // namespace
}  // namespace quorvane
