#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <memory>

#include "profiles/memdata.h"
#include "profiles/widgets/color_edit.h"
#include "profiles/widgets/memdata_model.h"
#include "profiles/widgets/profile_editor.h"
#include "widget_test_environment.h"

namespace quorvane {
namespace {

using testing::AnswerNextBox;

class ProfileEditorTest : public ::testing::Test {
 protected:
  // Puts the rows in, shows the editor and makes the first row current.
  void Start(const std::vector<TProfileValues>& rows) {
    table_.LoadRows(rows);
    model_ = std::make_unique<TMemDataModel>(table_);
    editor_ = std::make_unique<TProfileEditor>(*model_);
    editor_->resize(900, 700);
    editor_->show();
    QApplication::setActiveWindow(editor_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor_.get()));
  }

  static TProfileValues Profile(const QString& title) {
    TProfileValues values;
    values[pfVantelTitel] = title;
    return values;
  }

  template <typename T>
  T* Control(const char* name) const {
    T* control = editor_->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
  }

  void DoubleClickVariable(const QString& variable) {
    auto* list = Control<QListWidget>("FnParamListBox");
    const QList<QListWidgetItem*> items = list->findItems(variable, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    const QPoint at = list->visualItemRect(items[0]).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  }

  TMemData table_;
  std::unique_ptr<TMemDataModel> model_;
  std::unique_ptr<TProfileEditor> editor_;
};

TEST_F(ProfileEditorTest, VariableIntoAnEmptyPatternIsPostedAtOnce) {
  Start({Profile(QStringLiteral("Akten"))});
  auto* pattern = Control<QLineEdit>("AutoFileNameVarEdit");
  pattern->setFocus();
  pattern->end(false);
  DoubleClickVariable(QStringLiteral("{Zähler}"));
  EXPECT_EQ(table_.Value(pfAutoFileNameVar).toString(), QStringLiteral("{Zähler}"));
  EXPECT_FALSE(table_.Modified());
  EXPECT_EQ(pattern->text(), QStringLiteral("{Zähler}"));
}

TEST_F(ProfileEditorTest, VariableReplacesTheSelectionTheListTookTheFocusFrom) {
  TProfileValues profile = Profile(QStringLiteral("Akten"));
  profile[pfAutoFileNameVar] = QStringLiteral("Rechnung_XXX_Ende");
  Start({profile});
  auto* pattern = Control<QLineEdit>("AutoFileNameVarEdit");
  pattern->setFocus();
  pattern->setSelection(9, 3);
  DoubleClickVariable(QStringLiteral("{Datum}"));
  EXPECT_EQ(table_.Value(pfAutoFileNameVar).toString(), QStringLiteral("Rechnung_{Datum}_Ende"));
}

TEST_F(ProfileEditorTest, BatchSwitchEnablesTheWordsAndKeepsThem) {
  TProfileValues profile = Profile(QStringLiteral("Akten"));
  profile[pfStapel] = true;
  profile[pfBARCODEWORDS] = QStringLiteral("RE\nLS");
  Start({profile});
  auto* words = Control<QPlainTextEdit>("BarcodeWordsMemo");
  EXPECT_TRUE(words->isEnabled());
  QTest::mouseClick(Control<QCheckBox>("StapelCheckbox"), Qt::LeftButton);
  EXPECT_FALSE(words->isEnabled());
  EXPECT_EQ(words->toPlainText(), QStringLiteral("RE\nLS"));
  EXPECT_FALSE(table_.Value(pfStapel).toBool());
  EXPECT_TRUE(table_.Modified()) << "a switch is not posted by itself";
}

struct ClearCase {
  const char* answer;
  bool cleared;
};

class ClearScannerSettings : public ProfileEditorTest, public ::testing::WithParamInterface<ClearCase> {};

TEST_P(ClearScannerSettings, OnlyYesClearsAndPosts) {
  TProfileValues profile = Profile(QStringLiteral("Akten"));
  profile[pfSettings] = QByteArray("driver block");
  Start({profile});
  AnswerNextBox(QString::fromUtf8(GetParam().answer));
  QTest::mouseClick(Control<QPushButton>("cxButton3"), Qt::LeftButton);
  EXPECT_EQ(table_.Value(pfSettings).isValid(), !GetParam().cleared);
  EXPECT_FALSE(table_.Modified());
}

INSTANTIATE_TEST_SUITE_P(Answers, ClearScannerSettings,
                         ::testing::Values(ClearCase{"Ja", true}, ClearCase{"Nein", false}));

TEST_F(ProfileEditorTest, ChoosingAnotherRowPostsTheEditAndFollowsTheTitleOrder) {
  Start({Profile(QStringLiteral("Alpha")), Profile(QStringLiteral("Beta"))});
  auto* title = Control<QLineEdit>("VantelDBText");
  title->selectAll();
  QTest::keyClicks(title, QStringLiteral("Zulu"));
  EXPECT_EQ(model_->index(0, pfVantelTitel).data().toString(), QStringLiteral("Zulu")) << "the grid shows the edit";
  QTableView* grid = editor_->Grid();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(model_->index(1, pfVantelTitel)).center());
  EXPECT_FALSE(table_.Modified());
  EXPECT_EQ(table_.Value(pfVantelTitel).toString(), QStringLiteral("Beta"));
  EXPECT_EQ(title->text(), QStringLiteral("Beta"));
  EXPECT_EQ(model_->index(1, pfVantelTitel).data().toString(), QStringLiteral("Zulu"));
  EXPECT_EQ(grid->currentIndex().row(), 0);
}

TEST_F(ProfileEditorTest, CtrlDelClearsTheTileColourWithoutPosting) {
  TProfileValues profile = Profile(QStringLiteral("Akten"));
  profile[pfVantelColor] = 0x00FF00;
  Start({profile});
  auto* color = Control<TColorEdit>("VantelColorEdit");
  EXPECT_EQ(color->Color(), QColor(0, 255, 0));
  color->setFocus();
  QTest::keyClick(color, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_FALSE(table_.Value(pfVantelColor).isValid());
  EXPECT_TRUE(table_.Modified());
}

TEST_F(ProfileEditorTest, FolderBrowserFillsTheFolderWithoutPosting) {
  Start({Profile(QStringLiteral("Akten"))});
  const QString chosen = testing::WidgetTestRoot() + QStringLiteral("/Ablage");
  ASSERT_TRUE(QDir().mkpath(chosen));
  QElapsedTimer waited;
  waited.start();
  std::function<void()> choose = [&] {
    auto* browser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!browser) {
      if (waited.elapsed() < 5000) QTimer::singleShot(20, choose);
      return;
    }
    EXPECT_EQ(browser->windowTitle(), QStringLiteral("Pellidor Ablage Ordner"));
    browser->setDirectory(chosen);
    static_cast<QDialog*>(browser)->accept();
  };
  QTimer::singleShot(20, choose);
  editor_->DBFolderEditPropertiesButtonClick();
  EXPECT_EQ(table_.Value(pfFolder).toString(), chosen);
  EXPECT_EQ(Control<QLineEdit>("DBFolderEdit")->text(), chosen);
  EXPECT_TRUE(table_.Modified());
}

TEST_F(ProfileEditorTest, WithoutProfilesOnlyTheAddButtonWorks) {
  Start({});
  EXPECT_FALSE(Control<QLineEdit>("VantelDBText")->isEnabled());
  EXPECT_FALSE(Control<QPushButton>("cxButton3")->isEnabled());
  EXPECT_TRUE(Control<QPushButton>("AddVantelButton")->isEnabled());
}

}  // namespace
}  // namespace quorvane
