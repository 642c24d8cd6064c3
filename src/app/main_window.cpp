#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QPalette>

#include <QSignalBlocker>

#include <algorithm>
#include <exception>
#include <optional>

#include "app/client_routines.h"
#include "app/form_placement.h"
#include "app/log.h"
#include "app/message_boxes.h"
#include "app/update_check.h"
#include "profiles/data_module.h"
#include "profiles/new_profile.h"
#include "profiles/widgets/gear_picture.h"
#include "profiles/widgets/memdata_model.h"
#include "profiles/widgets/profile_editor.h"
#include "profiles/widgets/tile_board.h"
#include "profiles/widgets/windows_color.h"
#include "scan/barcodes/page_code_reader.h"
#include "scan/job/scan_job.h"
#include "scan/widgets/file_name_dlg.h"
#include "scan/widgets/scan_view.h"

namespace quorvane {
namespace {

const QString kCaption = QStringLiteral("Quorvane 3.7");
constexpr int kProfileGroup = 0;
constexpr int kSettingsGroup = 1;
constexpr int kScanTimerMs = 25;
constexpr int kUpdateTimerMs = 10000;
constexpr int kMinThumbnail = 60;
constexpr int kMaxThumbnail = 600;

}  // namespace

TMainFm::TMainFm(TDM& dm, QWidget* parent)
    : QMainWindow(parent),
      dm_(dm),
      scannerUi_(this),
      scannerList_(scannerUi_),
      memDataModel_(new TMemDataModel(dm.MemData, this)),
      updateCheck_(new TUpdateCheck(ReadUpdateServerUrl(), this)) {
  setObjectName(QStringLiteral("MainFm"));
  setWindowTitle(kCaption);
  resize(859, 742);

  acAddVantelButton_ = new QAction(QStringLiteral("Neuer Vantel Button"), this);
  acAddVantelButton_->setObjectName(QStringLiteral("acAddVantelButton"));
  connect(acAddVantelButton_, &QAction::triggered, this, [this] { RunGuarded([this] { acAddVantelButtonExecute(); }); });
  acFullScreen_ = new QAction(QStringLiteral("Vollbild"), this);
  acFullScreen_->setObjectName(QStringLiteral("acFullScreen"));
  acFullScreen_->setShortcut(QKeySequence(Qt::Key_F11));
  acFullScreen_->setShortcutContext(Qt::ApplicationShortcut);
  connect(acFullScreen_, &QAction::triggered, this, &TMainFm::acFullScreenExecute);
  addAction(acFullScreen_);

  dxTileControl_ = new TTileBoard(kCaption, this);
  dxTileControl_->setObjectName(QStringLiteral("dxTileControl"));
  connect(dxTileControl_, &TTileBoard::CloseRequested, this, &QWidget::close);
  setCentralWidget(dxTileControl_);

  panel1_ = new TScanView(pages_, this);
  panel1_->hide();
  propertiePanel_ = new TProfileEditor(*memDataModel_, this);
  propertiePanel_->hide();
  propertiePanel_->SetAddAction(acAddVantelButton_);
  connect(propertiePanel_, &TProfileEditor::ScannerSettingsRequested, this,
          [this] { RunGuarded([this] { CaptureScannerSettings(); }); });
  connect(propertiePanel_->ScannerComboBox(), &QComboBox::activated, this,
          [this](int index) { scannerList_.SetCurrentIndex(index); });

  dxTileControl1Item2_ = dxTileControl_->AddTile(kSettingsGroup);
  dxTileControl1Item2_->setObjectName(QStringLiteral("dxTileControl1Item2"));
  dxTileControl1Item2_->SetPicture(GearPicture(320, Qt::white));
  dxTileControl1Item2_->SetColor(palette().color(QPalette::Highlight));
  dxTileControl1Item2_->SetDetailCaption(QStringLiteral("Einstellungen"));
  dxTileControl1Item2_->SetDetailPage(propertiePanel_);
  dxTileControl1Item2_->OnActivateDetail = [this](TTileItem&) { memDataModel_->Refresh(); };
  dxTileControl1Item2_->OnDeactivateDetail = [this](TTileItem& tile) {
    return dxTileControl1Item2DeactivateDetail(tile);
  };

  scanTimer_.setSingleShot(true);
  scanTimer_.setInterval(kScanTimerMs);
  connect(&scanTimer_, &QTimer::timeout, this, &TMainFm::ScanTimerTimer);
  updateTimer_.setSingleShot(true);
  updateTimer_.setInterval(kUpdateTimerMs);
  connect(&updateTimer_, &QTimer::timeout, this, &TMainFm::UpdateTimerTimer);
}

TMainFm::~TMainFm() { FormDestroy(); }

bool TMainFm::FormCreate() {
  backup_ = ReadBackupSettings(GetProgramFolder() + QStringLiteral("/Vantel.ini"));
  job_ = std::make_unique<TScanJob>(dm_, pages_, *this, backup_, [this] { return scannerList_.Source(); });
  if (!IsBarcodePluginAvailable()) {
    ShowMessageBox(nullptr, QStringLiteral("This application requires the barcode plugin"));
    return false;
  }
  return true;
}

void TMainFm::setVisible(bool visible) {
  // The first show runs FormShow before the window appears, so a restored
  // placement is the first thing the user sees.
  if (visible && !shown_) {
    shown_ = true;
    FormShow();
  }
  QMainWindow::setVisible(visible);
}

void TMainFm::FormShow() {
  RebuildTiles();
  connect(&dm_.MemData, &TMemData::AfterDelete, this, &TMainFm::MemDataAfterDelete, Qt::UniqueConnection);
  RestoreFormPlacement(*this);
  setWindowTitle(kCaption);
  FillScannerComboBox();
  // Once per start: the timer stops itself when it fires.
  updateTimer_.start();
}

void TMainFm::FillScannerComboBox() {
  scannerList_.FillScannerList();
  QComboBox* combo = propertiePanel_->ScannerComboBox();
  const QSignalBlocker quiet(combo);
  combo->clear();
  combo->addItems(scannerList_.Items());
  combo->setCurrentIndex(scannerList_.CurrentIndex());
}

void TMainFm::closeEvent(QCloseEvent* event) { FormCloseQuery(event); }

void TMainFm::FormCloseQuery(QCloseEvent* event) {
  bool left = false;
  if (!RunGuarded([this, &left] { left = dxTileControl_->DeactivateDetail(); }) || !left) {
    event->ignore();
    return;
  }
  SetLastScanner(scannerList_.CurrentText());
  updateCheck_->Abort();
  event->accept();
}

void TMainFm::FormDestroy() {
  if (shown_) StoreFormPlacement(*this);
}

void TMainFm::acFullScreenExecute() {
  if (isMaximized()) {
    showNormal();
  } else {
    showMaximized();
  }
}

void TMainFm::RebuildTiles() {
  dxTileControl_->RemoveGroupTiles(kProfileGroup);
  TMemData& table = dm_.MemData;
  for (table.First(); !table.Eof(); table.Next()) {
    TTileItem* tile = dxTileControl_->AddTile(kProfileGroup);
    tile->SetTag(dm_.MemDataID.AsInteger());
    tile->SetDetailCaption(dm_.MemDataTitel.AsString());
    tile->setText(dm_.MemDataTitel.AsString());
    tile->SetColor(dm_.MemDataVantelColor.IsNull() ? QColor() : FromWindowsColor(dm_.MemDataVantelColor.AsInteger()));
    tile->SetDetailPage(panel1_);
    tile->OnActivateDetail = [this](TTileItem& item) { ItemActivateDetail(item); };
    tile->OnDeactivateDetail = [this](TTileItem& item) { return ItemDeactivateDetail(item); };
  }
  table.First();
  memDataModel_->Refresh();
}

void TMainFm::MemDataAfterDelete() { RebuildTiles(); }

void TMainFm::acAddVantelButtonExecute() {
  InsertNewProfile(dm_.MemData);
  RebuildTiles();
}

void TMainFm::ItemActivateDetail(TTileItem& tile) {
  ShowStatus(QStringLiteral("Neuer Scan Auftrag, ") + tile.DetailCaption());
  if (!dm_.MemData.Locate(tile.Tag())) return;
  scanTimer_.start();
  panel1_->SetThumbnailSize(std::clamp(dm_.MemDataPreviewSize.AsInteger(), kMinThumbnail, kMaxThumbnail));
}

bool TMainFm::ItemDeactivateDetail(TTileItem&) {
  scanTimer_.stop();
  return !ScanInProgress();
}

bool TMainFm::dxTileControl1Item2DeactivateDetail(TTileItem&) {
  return RunGuarded([this] {
    if (!dm_.MemData.Modified()) return;
    dm_.MemData.Post();
    WriteLogMsg(QStringLiteral("Modified - ") + dm_.MemDataTitel.AsString());
    RebuildTiles();
  });
}

void TMainFm::ScanTimerTimer() {
  scanTimer_.stop();
  RunGuarded([this] { job_->ScanTimerTimer(); });
  // The job closes its page itself; after an error it may still be open.
  if (!ScanInProgress()) dxTileControl_->DeactivateDetail();
  panel1_->SyncPages();
}

bool TMainFm::ScanInProgress() const { return job_ && job_->ScanInProgress(); }

void TMainFm::UpdateTimerTimer() {
  updateTimer_.stop();
  updateCheck_->CheckForUpdate();
}

void TMainFm::CaptureScannerSettings() {
  const QVariant stored = dm_.MemData.Value(pfSettings);
  const std::optional<QByteArray> block =
      scannerList_.CaptureScannerSettings(stored.isValid() ? std::optional<QByteArray>(stored.toByteArray()) : std::nullopt);
  if (!block) return;
  memDataModel_->SetFieldValue(pfSettings, *block);
  memDataModel_->Post();
}

bool TMainFm::RunGuarded(const std::function<void()>& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& error) {
    ShowMessageBox(this, QString::fromUtf8(error.what()));
  }
  return false;
}

void TMainFm::ShowStatus(const QString& text) {
  panel1_->SetStatusText(text);
  ProcessMessages();
}

void TMainFm::ShowMessage(const QString& text) {
  panel1_->SyncPages();
  ShowMessageBox(this, text);
}

void TMainFm::ProcessMessages() {
  panel1_->SyncPages();
  QCoreApplication::processEvents();
}

void TMainFm::SetBusyCursor(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

TFileNameAnswer TMainFm::AskFileNameDialog(const QString& fileName, bool showCustomerNumber) {
  panel1_->SyncPages();
  if (!fileNameDlg_) return {};
  return fileNameDlg_->Ask(fileName, showCustomerNumber);
}

void TMainFm::PageListChanged() { panel1_->SyncPages(); }

void TMainFm::JobClosed() { dxTileControl_->DeactivateDetail(); }

}  // namespace quorvane
