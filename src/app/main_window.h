#pragma once

#include <QMainWindow>
#include <QTimer>

#include <functional>
#include <memory>

#include "scan/acquisition/dialog/widget_scanner_ui.h"
#include "scan/acquisition/scanner_list.h"
#include "scan/job/backup_settings.h"
#include "scan/job/scan_job_ui.h"
#include "scan/page_list.h"

class QAction;

namespace quorvane {

class TDM;
class TFileNameDlg;
class TMemDataModel;
class TProfileEditor;
class TScanJob;
class TScanView;
class TTileBoard;
class TTileItem;
class TUpdateCheck;

// The main window: a full-window tile board whose profile tiles open the scan
// view and start a scan job, and whose settings tile opens the profile editor.
// It is the job's user interface: status line, message boxes and the
// file-name dialog.
class TMainFm : public QMainWindow, public TScanJobUi {
  Q_OBJECT

 public:
  explicit TMainFm(TDM& dm, QWidget* parent = nullptr);
  ~TMainFm() override;

  // Reads the backup settings and checks the barcode reader; false when the
  // program cannot work and has to end (the user has been told).
  bool FormCreate();
  // The first show runs FormShow.
  void setVisible(bool visible) override;
  // The dialog behind AskFileNameDialog, created after the window.
  void SetFileNameDlg(TFileNameDlg* dialog) { fileNameDlg_ = dialog; }

  void RebuildTiles();
  void acFullScreenExecute();
  void acAddVantelButtonExecute();
  void UpdateTimerTimer();
  void ScanTimerTimer();

  bool ScanInProgress() const;

  TTileBoard& TileBoard() const { return *dxTileControl_; }
  TTileItem& SettingsTile() const { return *dxTileControl1Item2_; }
  TProfileEditor& ProfileEditor() const { return *propertiePanel_; }
  TScanView& ScanView() const { return *panel1_; }
  TMemDataModel& MemDataModel() const { return *memDataModel_; }
  TUpdateCheck& UpdateCheck() const { return *updateCheck_; }
  QTimer& UpdateTimer() { return updateTimer_; }
  QTimer& ScanTimer() { return scanTimer_; }

  // TScanJobUi
  void ShowStatus(const QString& text) override;
  void ShowMessage(const QString& text) override;
  void ProcessMessages() override;
  void SetBusyCursor(bool busy) override;
  TFileNameAnswer AskFileNameDialog(const QString& fileName, bool showCustomerNumber) override;
  void PageListChanged() override;
  void JobClosed() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void FormShow();
  void FormCloseQuery(QCloseEvent* event);
  void FormDestroy();
  void FillScannerComboBox();
  void MemDataAfterDelete();
  void ItemActivateDetail(TTileItem& tile);
  bool ItemDeactivateDetail(TTileItem& tile);
  bool dxTileControl1Item2DeactivateDetail(TTileItem& tile);
  void CaptureScannerSettings();
  // Runs an event handler; an error it raises is shown in a message box and
  // does not end the program. False when it raised one.
  bool RunGuarded(const std::function<void()>& handler);

  TDM& dm_;
  TPageList pages_;
  TWidgetScannerUi scannerUi_;
  TScannerList scannerList_;
  TBackupSettings backup_;
  std::unique_ptr<TScanJob> job_;
  TMemDataModel* memDataModel_;
  TTileBoard* dxTileControl_;
  TTileItem* dxTileControl1Item2_;
  TScanView* panel1_;
  TProfileEditor* propertiePanel_;
  TUpdateCheck* updateCheck_;
  TFileNameDlg* fileNameDlg_ = nullptr;
  QAction* acAddVantelButton_;
  QAction* acFullScreen_;
  QTimer scanTimer_;
  QTimer updateTimer_;
  bool shown_ = false;
};

}  // namespace quorvane
