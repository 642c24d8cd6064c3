#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <vector>

#include "app/client_routines.h"

namespace quorvane {
namespace {

class GetUniqueTempFileNameTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
  QString Folder() const { return folder_.path(); }
  bool Exists(const QString& name) const { return QFile::exists(folder_.filePath(name)); }

 private:
  QTemporaryDir folder_;
};

TEST_F(GetUniqueTempFileNameTest, NameIsThreePrefixCharactersUpperHexAndTmp) {
  static const QRegularExpression format(QStringLiteral("^Bac[0-9A-F]{1,4}\\.TMP$"));
  const QString name = GetUniqueTempFileName(QStringLiteral("Backup"), 0, Folder(), false);
  EXPECT_TRUE(format.match(name).hasMatch()) << name.toStdString();
  EXPECT_TRUE(Exists(name)) << "the name is reserved by an empty file";
  EXPECT_EQ(QFile(QDir(Folder()).filePath(name)).size(), 0);
}

TEST_F(GetUniqueTempFileNameTest, ShortPrefixIsKeptWhole) {
  const QString name = GetUniqueTempFileName(QStringLiteral("q"), 0, Folder(), false);
  EXPECT_TRUE(name.startsWith(u'q'));
  EXPECT_FALSE(name.at(1) == u'q');
}

TEST_F(GetUniqueTempFileNameTest, FullPathSwitchGivesFolderAndName) {
  const QString path = GetUniqueTempFileName(QStringLiteral("abc"), 0, Folder(), true);
  EXPECT_EQ(QFileInfo(path).absolutePath(), QFileInfo(Folder()).absoluteFilePath());
  EXPECT_TRUE(QFile::exists(path));
  const QString withSlash = GetUniqueTempFileName(QStringLiteral("abc"), 0, Folder() + u'/', true);
  EXPECT_FALSE(withSlash.contains(QStringLiteral("//")));
}

TEST_F(GetUniqueTempFileNameTest, ExistingNamesAreSkipped) {
  for (const char* taken : {"abc1.TMP", "abc2.TMP", "abc4.TMP"}) {
    QFile file(QDir(Folder()).filePath(QString::fromUtf8(taken)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep");
  }
  EXPECT_EQ(GetUniqueTempFileName(QStringLiteral("abc"), 0, Folder(), false), QStringLiteral("abc3.TMP"));
  EXPECT_EQ(GetUniqueTempFileName(QStringLiteral("abc"), 0, Folder(), false), QStringLiteral("abc5.TMP"));
  QFile kept(QDir(Folder()).filePath(QStringLiteral("abc1.TMP")));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "keep") << "an existing file is never overwritten";
}

TEST_F(GetUniqueTempFileNameTest, ConcurrentCallersNeverShareAName) {
  constexpr int kPerThread = 150;
  std::vector<QString> first, second;
  const auto take = [this](std::vector<QString>& out) {
    for (int i = 0; i < kPerThread; ++i) {
      out.push_back(GetUniqueTempFileName(QStringLiteral("abc"), 0, Folder(), false));
    }
  };
  std::thread a(take, std::ref(first));
  std::thread b(take, std::ref(second));
  a.join();
  b.join();
  QSet<QString> all(first.begin(), first.end());
  all.unite(QSet<QString>(second.begin(), second.end()));
  EXPECT_EQ(all.size(), 2 * kPerThread);
  EXPECT_EQ(QDir(Folder()).entryList(QDir::Files).size(), 2 * kPerThread);
}

TEST_F(GetUniqueTempFileNameTest, GivenNumberIsOnlyFormatted) {
  EXPECT_EQ(GetUniqueTempFileName(QStringLiteral("abcdef"), 0x1A2F, Folder(), false), QStringLiteral("abc1A2F.TMP"));
  EXPECT_FALSE(Exists(QStringLiteral("abc1A2F.TMP")));
  EXPECT_EQ(GetUniqueTempFileName(QStringLiteral("x"), 0xFFFF, Folder(), false), QStringLiteral("xFFFF.TMP"));
}

TEST_F(GetUniqueTempFileNameTest, MissingFolderIsAnErrorNamingTheFolder) {
  const QString missing = Folder() + QStringLiteral("/not-there");
  try {
    GetUniqueTempFileName(QStringLiteral("abc"), 0, missing, false);
    FAIL() << "expected an error";
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code(), std::errc::no_such_file_or_directory);
    EXPECT_NE(std::string(error.what()).find("not-there"), std::string::npos) << error.what();
  }
}

TEST_F(GetUniqueTempFileNameTest, PrefixThatWouldLeaveTheFolderIsRefused) {
  EXPECT_THROW(GetUniqueTempFileName(QStringLiteral("../x"), 0, Folder(), false), std::invalid_argument);
  EXPECT_THROW(GetUniqueTempFileName(QStringLiteral("a/"), 0, Folder(), false), std::invalid_argument);
  EXPECT_TRUE(QDir(Folder()).isEmpty());
}

}  // namespace
}  // namespace quorvane
