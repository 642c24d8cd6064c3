// The project's SANE folder in front of the system's: the test backend is
// added to the system's dll.d entries instead of hiding them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "scan/acquisition/sane/sane_config.h"

namespace quorvane {
namespace {

// Sets variables for one test and puts the previous values back.
class TEnvironmentGuard {
 public:
  explicit TEnvironmentGuard(std::initializer_list<const char*> names) {
    for (const char* name : names) saved_.push_back({name, qEnvironmentVariableIsSet(name), qgetenv(name)});
  }
  ~TEnvironmentGuard() {
    for (const TSaved& s : saved_) s.Set ? qputenv(s.Name, s.Value) : qunsetenv(s.Name);
  }
  TEnvironmentGuard(const TEnvironmentGuard&) = delete;
  TEnvironmentGuard& operator=(const TEnvironmentGuard&) = delete;

 private:
  struct TSaved {
    const char* Name;
    bool Set;
    QByteArray Value;
  };
  std::vector<TSaved> saved_;
};

TEST(SaneConfig, ShippedFolderGoesInFrontWithTheSystemsBackends) {
  TEnvironmentGuard guard({"SANE_CONFIG_DIR", "QUORVANE_SANE_CONFIG", "XDG_RUNTIME_DIR"});
  QTemporaryDir runtime;
  QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  qputenv("QUORVANE_SANE_CONFIG", QUORVANE_TEST_SANE_CONFIG);
  qunsetenv("SANE_CONFIG_DIR");

  UseProjectSaneConfig();

  const QString merged = runtime.filePath("quorvane-sane.d");
  EXPECT_EQ(qEnvironmentVariable("SANE_CONFIG_DIR"), merged + ":");
  EXPECT_TRUE(QFile::exists(merged + "/test.conf"));
  EXPECT_FALSE(QFile::exists(merged + "/dll.conf"));  // the system's list of backends stays in force
  QStringList expected = QDir(QUORVANE_TEST_SANE_CONFIG "/dll.d").entryList(QDir::Files);
  expected += QDir("/etc/sane.d/dll.d").entryList(QDir::Files);
  expected.sort();
  EXPECT_EQ(QDir(merged + "/dll.d").entryList(QDir::Files, QDir::Name), expected);
}

TEST(SaneConfig, CallersChoiceIsLeftAlone) {
  TEnvironmentGuard guard({"SANE_CONFIG_DIR"});
  qputenv("SANE_CONFIG_DIR", "/somewhere/else");
  UseProjectSaneConfig();
  EXPECT_EQ(qEnvironmentVariable("SANE_CONFIG_DIR"), QStringLiteral("/somewhere/else"));
}

}  // namespace
}  // namespace quorvane
