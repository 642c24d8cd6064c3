#pragma once

#include <QString>
#include <QStringList>

#include <memory>

#include "scan/acquisition/device_source.h"

namespace quorvane {

// The scanners SANE offers, as descriptions: vendor, model and, in
// parentheses, the device name ("Noname frontend-tester virtual device (test:0)").
QStringList ListScannerDescriptions();

// Vendor and model: the description without its device name.
QString DisplayNameOf(const QString& description);

// Opens a scanner named by its description, its SANE device name or its
// display name. Throws TAcquisitionError when it cannot be opened.
std::unique_ptr<TDeviceSource> OpenScanner(const QString& source);

}  // namespace quorvane
