#include "test_environment.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

namespace quorvane::testing {

ScopedEnv::ScopedEnv(const char* name, const QString& value)
    : name_(name), wasSet_(qEnvironmentVariableIsSet(name)), previous_(qgetenv(name)) {
  if (value.isNull()) {
    qunsetenv(name);
  } else {
    qputenv(name, value.toLocal8Bit());
  }
}

ScopedEnv::~ScopedEnv() {
  if (wasSet_) {
    qputenv(name_, previous_);
  } else {
    qunsetenv(name_);
  }
}

namespace {

// Points the data folder and the settings store at a temporary folder before
// any test runs, so no test touches the user's own files.
class ShellTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    root_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(root_->isValid());
    qputenv("QUORVANE_HOME", root_->filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", root_->filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", root_->filePath(QStringLiteral("config")).toLocal8Bit());
  }
  void TearDown() override { root_.reset(); }

 private:
  std::unique_ptr<QTemporaryDir> root_;
};

[[maybe_unused]] const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ShellTestEnvironment);

}  // namespace

}  // namespace quorvane::testing
