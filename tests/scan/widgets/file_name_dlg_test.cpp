#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "scan/widgets/file_name_dlg.h"
#include "widget_test_environment.h"

namespace quorvane {
namespace {

// What the user does once the dialog is up, and what it must give back.
struct DialogCase {
  const char* name;
  bool showCustomerNumber;
  std::function<void(TFileNameDlg&)> act;
  TFileNameAnswer expected;
};

void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
void Press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

class FileNameDialog : public ::testing::TestWithParam<DialogCase> {};

TEST_P(FileNameDialog, AnswersAsTheKeysSay) {
  const DialogCase& dialogCase = GetParam();
  TFileNameDlg dialog;
  bool acted = false;
  QTimer::singleShot(0, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QLineEdit* expectedFocus = dialogCase.showCustomerNumber ? dialog.KnrTextEdit() : dialog.FileNameTextEdit();
    EXPECT_EQ(QApplication::focusWidget(), expectedFocus);
    EXPECT_EQ(dialog.KnrTextEdit()->isVisible(), dialogCase.showCustomerNumber);
    acted = true;
    dialogCase.act(dialog);
    if (dialog.isVisible()) {
      ADD_FAILURE() << "the dialog is still open";
      dialog.reject();
    }
  });
  const TFileNameAnswer answer = dialog.Ask(QStringLiteral("Vorschlag"), dialogCase.showCustomerNumber);
  EXPECT_TRUE(acted);
  EXPECT_EQ(answer.confirmed, dialogCase.expected.confirmed);
  EXPECT_EQ(answer.fileName, dialogCase.expected.fileName);
  EXPECT_EQ(answer.customerNumber, dialogCase.expected.customerNumber);
  EXPECT_TRUE(dialog.KnrTextEdit()->text().isEmpty());
  EXPECT_TRUE(dialog.FileNameTextEdit()->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FileNameDialog,
    ::testing::Values(
        DialogCase{"EnterInTheNameConfirms", false, [](TFileNameDlg&) { Press(Qt::Key_Return); },
                   {true, QStringLiteral("Vorschlag"), QString()}},
        DialogCase{"EnterInTheCustomerNumberMovesOn", true,
                   [](TFileNameDlg& dialog) {
                     Type(QStringLiteral("4711"));
                     Press(Qt::Key_Return);
                     EXPECT_TRUE(dialog.isVisible());
                     EXPECT_EQ(QApplication::focusWidget(), dialog.FileNameTextEdit());
                     Type(QStringLiteral("_2"));
                     Press(Qt::Key_Enter);
                   },
                   {true, QStringLiteral("Vorschlag_2"), QStringLiteral("4711")}},
        DialogCase{"EscapeCancels", true,
                   [](TFileNameDlg&) {
                     Type(QStringLiteral("12"));
                     Press(Qt::Key_Escape);
                   },
                   {false, QStringLiteral("Vorschlag"), QStringLiteral("12")}},
        DialogCase{"SaveButtonConfirms", false,
                   [](TFileNameDlg& dialog) {
                     QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("SaveButton")), Qt::LeftButton);
                   },
                   {true, QStringLiteral("Vorschlag"), QString()}},
        DialogCase{"CancelButtonCancels", false,
                   [](TFileNameDlg& dialog) {
                     QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CancelButton")), Qt::LeftButton);
                   },
                   {false, QStringLiteral("Vorschlag"), QString()}}),
    [](const ::testing::TestParamInfo<DialogCase>& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace quorvane
