// A QApplication for the widget tests, and a temporary folder for the data
// folder, the settings store and temporary files, set before any test runs.
#include "widget_test_environment.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace quorvane::testing {
namespace {

std::unique_ptr<QTemporaryDir> root;

class WidgetTestEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    root = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(root->isValid());
    qputenv("QUORVANE_HOME", root->filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", root->filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", root->filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("TMPDIR", root->path().toLocal8Bit());
#ifdef QUORVANE_TEST_SANE_CONFIG
    qputenv("SANE_CONFIG_DIR", QUORVANE_TEST_SANE_CONFIG);
#endif
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    application_ = std::make_unique<QApplication>(argc_, argv_);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
  }
  void TearDown() override {
    application_.reset();
    root.reset();
  }

 private:
  int argc_ = 1;
  char name_[16] = "quorvane-test";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new WidgetTestEnvironment);

void ClickWhenShown(const QString& buttonText, const QElapsedTimer& since) {
  if (QWidget* box = QApplication::activeModalWidget()) {
    for (QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
      if (button->text() == buttonText) {
        button->click();
        return;
      }
    }
  }
  if (since.elapsed() > 5000) {
    ADD_FAILURE() << "no box with the button " << buttonText.toStdString() << " appeared";
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
    return;
  }
  QTimer::singleShot(20, [buttonText, since] { ClickWhenShown(buttonText, since); });
}

}  // namespace

QString WidgetTestRoot() { return root->path(); }

void AnswerNextBox(const QString& buttonText) {
  QElapsedTimer since;
  since.start();
  QTimer::singleShot(20, [buttonText, since] { ClickWhenShown(buttonText, since); });
}

}  // namespace quorvane::testing
