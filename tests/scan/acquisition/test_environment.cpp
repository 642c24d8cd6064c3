// Every test runs against the project's SANE folder alone (no trailing ":"),
// so only the test backend answers, and keeps its files in a temporary folder.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <memory>

namespace {

class AcquisitionTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    root_ = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(root_->isValid());
    qputenv("QUORVANE_HOME", root_->filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", root_->filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("SANE_CONFIG_DIR", QUORVANE_TEST_SANE_CONFIG);
  }

 private:
  std::unique_ptr<QTemporaryDir> root_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new AcquisitionTestEnvironment);

}  // namespace
