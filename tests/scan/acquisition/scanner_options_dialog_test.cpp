// The options dialog built from the test backend's descriptors, with its test
// options switched on so that every option shape appears.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>

#include "scan/acquisition/dialog/scanner_options_dialog.h"
#include "test_scanner.h"

namespace quorvane {
namespace {

TEST(ScannerOptionsDialog, ShowsTheDevicesGroupsAndOptions) {
  int argc = 1;
  char name[] = "qv_scanner_dialog_test";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  auto source = testing::OpenTestScanner();
  testing::SetOption(*source, "enable-test-options", 1);

  QStringList groups;
  int editable = 0;
  for (const TOptionDescriptor& option : source->Options().All()) {
    if (option.Type == SANE_TYPE_GROUP) groups << option.Title;
    else if (option.Type == SANE_TYPE_BUTTON || option.Type == SANE_TYPE_STRING || option.WordCount() == 1) ++editable;
  }
  --editable;  // option 0, the count, is no setting

  TScannerOptionsDialog dialog(source->Options());
  QStringList shown;
  for (const QGroupBox* box : dialog.findChildren<QGroupBox*>()) shown << box->title();
  EXPECT_EQ(shown, groups);
  EXPECT_EQ(dialog.EditorCount(), editable);
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Scanner Einstellungen"));
  testing::SetOption(*source, "enable-test-options", 0);
}

}  // namespace
}  // namespace quorvane
