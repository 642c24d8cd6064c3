#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

#include "scan/acquisition/device_source.h"
#include "scan/acquisition/scanner_ui.h"

namespace quorvane {

// Index of the remembered scanner ("LastScanner") in `items`; 0 when it is not there.
int GetLastScanner(const QStringList& items);
// Remembers the text of the list's current item.
void SetLastScanner(const QString& name);

// The application's scanner list: the sources as descriptions, the drop-down
// items with the placeholder first, and the selected source.
class TScannerList {
 public:
  static const QString kPlaceholder;  // "Scanner Auswahl"

  explicit TScannerList(TScannerUi& ui);

  // Fills the list once and makes the remembered scanner current.
  void FillScannerList();
  const QStringList& ScannerSources() const { return sources_; }  // aScannerSource
  const QStringList& Items() const { return items_; }
  int CurrentIndex() const { return current_; }
  QString CurrentText() const;
  // The drop-down's change: makes `index` current and selects its scanner.
  void SetCurrentIndex(int index);

  // Makes the current item's scanner the source; errors become a message box
  // and leave the previous source selected.
  void SelectScanner();

  // The settings-only run from the stored block (nullopt = none). Returns the
  // block to store in the profile, nullopt when the profile stays as it is.
  std::optional<QByteArray> CaptureScannerSettings(const std::optional<QByteArray>& stored);

  // The selected source; without a selection the first scanner SANE lists,
  // opened on first use. nullptr when there is no scanner at all.
  TDeviceSource* Source();

 private:
  TScannerUi& ui_;
  QStringList sources_;
  QStringList items_;
  int current_ = -1;
  std::unique_ptr<TDeviceSource> source_;
};

}  // namespace quorvane
