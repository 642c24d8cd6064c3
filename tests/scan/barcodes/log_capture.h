#pragma once

#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace quorvane::testing {

// Gives each test its own data folder, so its log starts empty.
class LogCapture : public ::testing::Test {
 protected:
  void SetUp() override;
  // The texts logged so far, without their time stamps.
  QStringList LogLines() const;
  QString Folder() const { return home_.path(); }

 private:
  QTemporaryDir home_;
};

}  // namespace quorvane::testing
