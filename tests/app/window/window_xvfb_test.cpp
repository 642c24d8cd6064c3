// The program's window in a real X server: a tile click scans a stack from
// SANE's test scanner, the file-name dialog is answered with keys, and the
// PDF is in the profile's folder. Screenshots of the board, the editor, the
// scan view and the dialog go to the build folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/client_routines.h"
#include "app/demo_home.h"
#include "app/main_window.h"
#include "profiles/data_module.h"
#include "profiles/widgets/tile_board.h"
#include "scan/acquisition/scanner_list.h"
#include "scan/widgets/file_name_dlg.h"
#include "scan/widgets/scan_view.h"
#include "widget_test_environment.h"

namespace quorvane {
namespace {

const QString kScreenshots = QStringLiteral(QUORVANE_SCREENSHOT_DIR);

void SaveScreenshot(QWidget& widget, const QString& name) {
  QDir().mkpath(kScreenshots);
  EXPECT_TRUE(widget.grab().save(kScreenshots + u'/' + name + QStringLiteral(".png"))) << name.toStdString();
}

template <typename Condition>
bool WaitFor(Condition condition, int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > milliseconds) return false;
    QTest::qWait(20);
  }
  return true;
}

TEST(WindowInXvfb, TileClickScansTheStackAndSavesTheNamedPdf) {
  ASSERT_NE(QApplication::platformName(), QStringLiteral("offscreen"));
  const QString output = testing::WidgetTestRoot() + QStringLiteral("/Ablage");
  ASSERT_TRUE(QDir().mkpath(output));
  const QString scanner = TestScannerDisplayName();
  ASSERT_FALSE(scanner.isEmpty()) << "SANE does not list its test scanner";
  SetLastScanner(scanner);

  TDM dm;
  dm.DataModuleCreate();
  AddDemoProfiles(dm.MemData, output);
  TMainFm window(dm);
  ASSERT_TRUE(window.FormCreate());
  TFileNameDlg dialog(&window);
  window.SetFileNameDlg(&dialog);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  SaveScreenshot(window, QStringLiteral("board"));

  QTest::mouseClick(&window.SettingsTile(), Qt::LeftButton);
  QTest::qWait(100);
  SaveScreenshot(window, QStringLiteral("editor"));
  ASSERT_TRUE(window.TileBoard().DeactivateDetail());

  // The grey archive profile shows the customer number field and prefixes "ARC".
  TTileItem* tile = nullptr;
  for (TTileItem* candidate : window.TileBoard().GroupTiles(0)) {
    if (candidate->text() == QStringLiteral("Graustufen Archiv")) tile = candidate;
  }
  ASSERT_NE(tile, nullptr);

  bool answered = false;
  std::function<void()> answer = [&] {
    if (!dialog.isVisible() || !QTest::qWaitForWindowActive(&dialog, 2000)) {
      QTimer::singleShot(50, answer);
      return;
    }
    QTest::qWait(200);  // the thumbnails paint
    SaveScreenshot(window, QStringLiteral("scan-view"));
    // The view has followed the stack to its newest page.
    const QAbstractItemModel* thumbnails = window.ScanView().PageView()->model();
    EXPECT_GE(thumbnails->rowCount(), 2);
    const QRect newest = window.ScanView().PageView()->visualRect(thumbnails->index(thumbnails->rowCount() - 1, 0));
    EXPECT_TRUE(window.ScanView().PageView()->viewport()->rect().intersects(newest));
    SaveScreenshot(dialog, QStringLiteral("file-name-dialog"));
    EXPECT_EQ(QApplication::focusWidget(), dialog.KnrTextEdit());
    // While the job runs, neither closing the window nor going back leaves the scan view.
    EXPECT_FALSE(window.close());
    EXPECT_FALSE(window.TileBoard().DeactivateDetail());
    EXPECT_EQ(window.TileBoard().ActiveDetailTile(), tile);
    ASSERT_EQ(QApplication::focusWidget(), dialog.KnrTextEdit());
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("4711"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible()) << "Enter in the customer number field closed the dialog";
    EXPECT_EQ(QApplication::focusWidget(), dialog.FileNameTextEdit());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Lieferschein"));
    answered = true;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  };
  QTimer::singleShot(50, answer);

  QTest::mouseClick(tile, Qt::LeftButton);
  ASSERT_TRUE(WaitFor([&] { return answered && !window.TileBoard().ActiveDetailTile(); }, 60000))
      << "status: " << window.ScanView().StatusText().toStdString();
  EXPECT_EQ(window.ScanView().StatusText(), QStringLiteral("Das Dokument wurde gespeichert."));
  EXPECT_EQ(window.ScanView().PageView()->model()->rowCount(), 0) << "the pages of a saved job are gone";

  const QString pdf = output + QStringLiteral("/ARC-4711-Lieferschein.pdf");
  ASSERT_TRUE(QFileInfo::exists(pdf)) << QDir(output).entryList().join(u' ').toStdString();
  QProcess qpdf;
  qpdf.start(QStringLiteral("qpdf"), {QStringLiteral("--show-npages"), pdf});
  ASSERT_TRUE(qpdf.waitForFinished(20000));
  EXPECT_EQ(qpdf.exitCode(), 0);
  EXPECT_GE(qpdf.readAllStandardOutput().trimmed().toInt(), 2) << "the feeder's stack is one document";

  window.close();
  dm.DataModuleDestroy();
}

}  // namespace
}  // namespace quorvane
