#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>

#include "app/client_routines.h"
#include "app/log.h"
#include "app/main_window.h"
#include "app/update_check.h"
#include "profiles/data_module.h"
#include "profiles/widgets/memdata_model.h"
#include "profiles/widgets/profile_editor.h"
#include "profiles/widgets/tile_board.h"
#include "profiles/widgets/windows_color.h"
#include "scan/widgets/file_name_dlg.h"
#include "scan/widgets/scan_view.h"
#include "widget_test_environment.h"

namespace quorvane {
namespace {

using testing::AnswerNextBox;

struct TProfileSeed {
  QString title;
  QVariant color;
};

// A fresh data folder and settings store, the data module, the window and
// the dialog, created as the program does; profiles can be put in first.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QDir(GetProgramFolder()).removeRecursively();
    QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).removeRecursively();
  }
  void TearDown() override {
    if (window_) {
      window_->close();
      dialog_.reset();
      window_.reset();
    }
    if (dm_) dm_->DataModuleDestroy();
  }

  void Start(const std::vector<TProfileSeed>& profiles = {}) {
    dm_ = std::make_unique<TDM>();
    dm_->DataModuleCreate();
    for (const TProfileSeed& seed : profiles) {
      dm_->MemData.Insert();
      dm_->MemData.SetValue(pfVantelTitel, seed.title);
      dm_->MemData.SetValue(pfVantelColor, seed.color);
      dm_->MemData.SetValue(pfPreviewSize, 120);
      dm_->MemData.Post();
    }
    window_ = std::make_unique<TMainFm>(*dm_);
    ASSERT_TRUE(window_->FormCreate());
    dialog_ = std::make_unique<TFileNameDlg>(window_.get());
    window_->SetFileNameDlg(dialog_.get());
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }

  QStringList TileTexts() const {
    QStringList texts;
    for (const TTileItem* tile : window_->TileBoard().GroupTiles(0)) texts << tile->text();
    return texts;
  }

  TTileItem* Tile(const QString& text) const {
    for (TTileItem* tile : window_->TileBoard().GroupTiles(0)) {
      if (tile->text() == text) return tile;
    }
    return nullptr;
  }

  QString Log() const {
    QFile log(LogFileName());
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
  }

  std::unique_ptr<TDM> dm_;
  std::unique_ptr<TMainFm> window_;
  std::unique_ptr<TFileNameDlg> dialog_;
};

TEST_F(MainWindowTest, FirstStartShowsOnlyTheSettingsTileInTheDesignSize) {
  Start();
  EXPECT_TRUE(TileTexts().isEmpty());
  EXPECT_EQ(window_->TileBoard().GroupTiles(1), QList<TTileItem*>{&window_->SettingsTile()});
  EXPECT_EQ(window_->size(), QSize(859, 742));
  EXPECT_EQ(QFileInfo(dm_->ProfileFileName()).size(), 433);
  EXPECT_TRUE(window_->UpdateTimer().isActive());
  EXPECT_TRUE(window_->UpdateTimer().isSingleShot());
  EXPECT_EQ(window_->UpdateTimer().interval(), 10000);
}

TEST_F(MainWindowTest, TilesFollowTitleOrderWithTheProfileColour) {
  Start({{QStringLiteral("beta"), 0x0000FF}, {QStringLiteral("Alpha"), QVariant()}, {QStringLiteral("gamma"), 0xFF0000}});
  EXPECT_EQ(TileTexts(), (QStringList{QStringLiteral("Alpha"), QStringLiteral("beta"), QStringLiteral("gamma")}));
  EXPECT_EQ(Tile(QStringLiteral("beta"))->Color(), QColor(255, 0, 0));
  EXPECT_EQ(Tile(QStringLiteral("gamma"))->Color(), QColor(0, 0, 255));
  EXPECT_EQ(Tile(QStringLiteral("Alpha"))->Color(), TTileItem(0).Color()) << "a null colour is the board's";
  // The tile's tag leads to its own row, also for equal titles.
  for (TTileItem* tile : window_->TileBoard().GroupTiles(0)) {
    ASSERT_TRUE(dm_->MemData.Locate(tile->Tag()));
    EXPECT_EQ(dm_->MemDataTitel.AsString(), tile->text());
  }
}

TEST_F(MainWindowTest, AddingAProfileRebuildsTheBoardWithTheFirstRowCurrent) {
  Start({{QStringLiteral("Akten"), QVariant()}});
  window_->findChild<QAction*>(QStringLiteral("acAddVantelButton"))->trigger();
  EXPECT_EQ(TileTexts(), (QStringList{QStringLiteral("Akten"), QStringLiteral("Neuer Button")}));
  EXPECT_EQ(dm_->MemDataTitel.AsString(), QStringLiteral("Akten"));
}

TEST_F(MainWindowTest, ProfileTileOpensTheScanViewAndLeavingItBeforeTheTimerStartsNoJob) {
  Start({{QStringLiteral("Post"), QVariant()}, {QStringLiteral("Akten"), QVariant()}});
  TTileItem* tile = Tile(QStringLiteral("Post"));
  QTest::mouseClick(tile, Qt::LeftButton);
  EXPECT_EQ(window_->TileBoard().ActiveDetailTile(), tile);
  EXPECT_EQ(window_->ScanView().StatusText(), QStringLiteral("Neuer Scan Auftrag, Post"));
  EXPECT_EQ(dm_->MemDataTitel.AsString(), QStringLiteral("Post"));
  EXPECT_TRUE(window_->ScanTimer().isActive());
  EXPECT_EQ(window_->ScanTimer().interval(), 25);

  QTest::mouseClick(window_->TileBoard().findChild<QWidget*>(QStringLiteral("BackButton")), Qt::LeftButton);
  EXPECT_EQ(window_->TileBoard().ActiveDetailTile(), nullptr);
  EXPECT_FALSE(window_->ScanTimer().isActive());
}

TEST_F(MainWindowTest, LeavingTheEditorPostsAChangedTitleLogsItAndRebuilds) {
  Start({{QStringLiteral("Akten"), QVariant()}});
  QTest::mouseClick(&window_->SettingsTile(), Qt::LeftButton);
  auto* title = window_->ProfileEditor().findChild<QLineEdit*>(QStringLiteral("VantelDBText"));
  title->selectAll();
  QTest::keyClicks(title, QStringLiteral("Zeugnisse"));
  EXPECT_TRUE(dm_->MemData.Modified());
  ASSERT_TRUE(window_->TileBoard().DeactivateDetail());
  EXPECT_FALSE(dm_->MemData.Modified());
  EXPECT_EQ(TileTexts(), QStringList{QStringLiteral("Zeugnisse")});
  EXPECT_TRUE(Log().contains(QStringLiteral("] Modified - Zeugnisse\n")));
}

TEST_F(MainWindowTest, LeavingTheEditorWithoutChangesKeepsTheTiles) {
  Start({{QStringLiteral("Akten"), QVariant()}});
  TTileItem* before = Tile(QStringLiteral("Akten"));
  QTest::mouseClick(&window_->SettingsTile(), Qt::LeftButton);
  ASSERT_TRUE(window_->TileBoard().DeactivateDetail());
  EXPECT_EQ(Tile(QStringLiteral("Akten")), before);
  EXPECT_FALSE(Log().contains(QStringLiteral("Modified - ")));
}

TEST_F(MainWindowTest, DeletingInTheGridAsksAndRebuildsTheBoard) {
  Start({{QStringLiteral("Akten"), QVariant()}, {QStringLiteral("Post"), QVariant()}});
  QTest::mouseClick(&window_->SettingsTile(), Qt::LeftButton);
  QTableView* grid = window_->ProfileEditor().Grid();
  grid->setFocus();
  AnswerNextBox(QStringLiteral("Nein"));
  QTest::keyClick(grid, Qt::Key_Delete);
  EXPECT_EQ(TileTexts().size(), 2);
  AnswerNextBox(QStringLiteral("Ja"));
  QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
  EXPECT_EQ(TileTexts(), QStringList{QStringLiteral("Post")});
  EXPECT_EQ(window_->MemDataModel().rowCount(), 1);
}

TEST_F(MainWindowTest, CloseFromTheEditorPostsTheEditAndStoresTheScannerChoice) {
  Start({{QStringLiteral("Akten"), QVariant()}});
  QTest::mouseClick(&window_->SettingsTile(), Qt::LeftButton);
  auto* pattern = window_->ProfileEditor().findChild<QLineEdit*>(QStringLiteral("AutoFileNameVarEdit"));
  QTest::keyClicks(pattern, QStringLiteral("Brief_{Datum}"));
  EXPECT_TRUE(window_->close());
  EXPECT_FALSE(dm_->MemData.Modified());
  EXPECT_EQ(dm_->MemData.Value(pfAutoFileNameVar).toString(), QStringLiteral("Brief_{Datum}"));
  EXPECT_TRUE(Log().contains(QStringLiteral("] Modified - Akten\n")));
  EXPECT_EQ(ReadRegString(QStringLiteral("Software\\Kestrow\\Quorvane\\Scanner"), QStringLiteral("LastScanner")),
            window_->ProfileEditor().ScannerComboBox()->currentText());
}

TEST_F(MainWindowTest, SettingsOfTheChosenScannerGoIntoTheProfile) {
  Start({{QStringLiteral("Akten"), QVariant()}});
  QTest::mouseClick(&window_->SettingsTile(), Qt::LeftButton);
  QComboBox* scanners = window_->ProfileEditor().ScannerComboBox();
  ASSERT_GT(scanners->count(), 1) << "SANE lists no test scanner";
  EXPECT_EQ(scanners->itemText(0), QStringLiteral("Scanner Auswahl"));
  scanners->setCurrentIndex(1);
  emit scanners->activated(1);
  AnswerNextBox(QStringLiteral("OK"));  // the scanner's options
  AnswerNextBox(QStringLiteral("Ja"));  // "Möchten Sie die Scanner Einstellungen übernehmen?"
  QTest::mouseClick(window_->ProfileEditor().findChild<QPushButton*>(QStringLiteral("cxButton2")), Qt::LeftButton);
  EXPECT_FALSE(dm_->MemData.Value(pfSettings).toByteArray().isEmpty());
  EXPECT_FALSE(dm_->MemData.Modified());
}

TEST_F(MainWindowTest, TheActionBarCloseEndsTheWindow) {
  Start();
  QTest::mouseClick(window_->TileBoard().findChild<QWidget*>(QStringLiteral("dxTileControlActionBarItem1")),
                    Qt::LeftButton);
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(MainWindowTest, F11SwitchesBetweenMaximisedAndNormal) {
  Start();
  QTest::keyClick(window_.get(), Qt::Key_F11);
  EXPECT_TRUE(window_->isMaximized());
  QTest::keyClick(window_.get(), Qt::Key_F11);
  EXPECT_FALSE(window_->isMaximized());
}

TEST_F(MainWindowTest, TheUpdateTimerRunsTheCheckOnce) {
  Start();
  window_->UpdateTimerTimer();
  EXPECT_FALSE(window_->UpdateTimer().isActive());
  EXPECT_FALSE(window_->UpdateCheck().NewUpdateExist());
}

}  // namespace
}  // namespace quorvane
