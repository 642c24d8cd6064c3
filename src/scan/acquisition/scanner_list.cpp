#include "scan/acquisition/scanner_list.h"

#include "app/client_routines.h"
#include "scan/acquisition/scanner_sources.h"

namespace quorvane {
namespace {

const QString kRegistryKey = QStringLiteral("Software\\Kestrow\\Quorvane\\Scanner");
const QString kRegistryValue = QStringLiteral("LastScanner");

}  // namespace

const QString TScannerList::kPlaceholder = QStringLiteral("Scanner Auswahl");

int GetLastScanner(const QStringList& items) {
  const qsizetype index = items.indexOf(ReadRegString(kRegistryKey, kRegistryValue));
  return index < 0 ? 0 : static_cast<int>(index);
}

void SetLastScanner(const QString& name) { WriteRegString(kRegistryKey, kRegistryValue, name); }

TScannerList::TScannerList(TScannerUi& ui) : ui_(ui) {}

void TScannerList::FillScannerList() {
  if (!items_.isEmpty()) return;
  try {
    sources_ = ListScannerDescriptions();
  } catch (const TAcquisitionError& error) {
    // No SANE at all is a machine without scanners, not a reason to stop.
    sources_.clear();
    ui_.ShowMessage(error.Message());
  }
  items_ << kPlaceholder;
  for (const QString& description : sources_) items_ << DisplayNameOf(description);
  SetCurrentIndex(GetLastScanner(items_));
}

QString TScannerList::CurrentText() const {
  return current_ >= 0 && current_ < items_.size() ? items_[current_] : QString();
}

void TScannerList::SetCurrentIndex(int index) {
  current_ = index;
  SelectScanner();
}

void TScannerList::SelectScanner() {
  if (current_ <= 0 || current_ > sources_.size()) return;
  const QString& description = sources_[current_ - 1];
  try {
    if (source_ && source_->Description() == description) {
      source_->RefreshCapabilities();
    } else {
      std::unique_ptr<TDeviceSource> opened = OpenScanner(description);
      opened->RefreshCapabilities();
      source_ = std::move(opened);
    }
  } catch (const std::exception& error) {
    ui_.ShowMessage(QString::fromUtf8(error.what()));
  }
}

std::optional<QByteArray> TScannerList::CaptureScannerSettings(const std::optional<QByteArray>& stored) {
  if (current_ <= 0 || !Source()) return std::nullopt;
  try {
    const std::optional<QByteArray> block =
        source_->EditSettings(stored, [this](TDeviceOptions& options) { return ui_.EditScannerOptions(options); });
    if (!block) return std::nullopt;
    if (block->isEmpty()) {
      ui_.ShowMessage(QStringLiteral("Das Speichern des Scannerprofils ist mit dem verwendeten Scanner/Treiber nicht möglich!"));
      return std::nullopt;
    }
    if (!ui_.Confirm(QStringLiteral("Möchten Sie die Scanner Einstellungen übernehmen?"))) return std::nullopt;
    return block;
  } catch (const std::exception& error) {
    ui_.ShowMessage(QString::fromUtf8(error.what()));
    return std::nullopt;
  }
}

TDeviceSource* TScannerList::Source() {
  if (!source_ && !sources_.isEmpty()) {
    try {
      source_ = OpenScanner(sources_.front());
    } catch (const TAcquisitionError& error) {
      ui_.ShowMessage(error.Message());
    }
  }
  return source_.get();
}

}  // namespace quorvane
