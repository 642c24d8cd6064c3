#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/client_routines.h"
#include "test_environment.h"

namespace quorvane {
namespace {

using testing::ScopedEnv;

class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(root_.isValid()); }
  QString Under(const char* relative) const { return root_.filePath(QString::fromUtf8(relative)); }

 private:
  QTemporaryDir root_;
};

TEST_F(DataFolderTest, QuorvaneHomeWinsAndIsCreated) {
  const ScopedEnv home("QUORVANE_HOME", Under("custom/place"));
  const ScopedEnv data("XDG_DATA_HOME", Under("xdg"));
  EXPECT_EQ(GetProgramFolder(), Under("custom/place"));
  EXPECT_TRUE(QFileInfo(Under("custom/place")).isDir());
  EXPECT_FALSE(QFileInfo::exists(Under("xdg")));
}

TEST_F(DataFolderTest, ClosingSeparatorOfQuorvaneHomeIsDropped) {
  const ScopedEnv home("QUORVANE_HOME", Under("slash") + u'/');
  EXPECT_EQ(GetProgramFolder(), Under("slash"));
}

TEST_F(DataFolderTest, RelativeQuorvaneHomeBecomesAbsolute) {
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(Under("")));
  const ScopedEnv home("QUORVANE_HOME", QStringLiteral("rel"));
  const QString folder = GetProgramFolder();
  QDir::setCurrent(before);
  EXPECT_EQ(folder, QFileInfo(Under("rel")).absoluteFilePath());
}

TEST_F(DataFolderTest, WithoutQuorvaneHomeTheXdgDataFolderIsUsed) {
  for (const QString& unsetOrEmpty : {QString(), QStringLiteral("")}) {
    const ScopedEnv home("QUORVANE_HOME", unsetOrEmpty);
    const ScopedEnv data("XDG_DATA_HOME", Under("xdg"));
    EXPECT_EQ(GetProgramFolder(), Under("xdg/Quorvane"));
    EXPECT_TRUE(QFileInfo(Under("xdg/Quorvane")).isDir());
  }
}

TEST_F(DataFolderTest, WithoutEitherTheDefaultBelowHomeIsUsed) {
  const ScopedEnv home("QUORVANE_HOME", QString());
  const ScopedEnv userHome("HOME", Under("user"));
  for (const QString& unsetOrRelative : {QString(), QStringLiteral("relative/data")}) {
    const ScopedEnv data("XDG_DATA_HOME", unsetOrRelative);
    EXPECT_EQ(GetProgramFolder(), Under("user/.local/share/Quorvane"));
  }
  EXPECT_TRUE(QFileInfo(Under("user/.local/share/Quorvane")).isDir());
}

}  // namespace
}  // namespace quorvane
