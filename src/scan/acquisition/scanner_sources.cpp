#include "scan/acquisition/scanner_sources.h"

#include "scan/acquisition/sane/sane_device.h"
#include "scan/acquisition/sane/sane_library.h"

namespace quorvane {
namespace {

QString DescriptionOf(const TSaneDeviceInfo& device) {
  // A device without vendor and model is shown by its name.
  QString label = QStringLiteral("%1 %2").arg(device.Vendor, device.Model).trimmed();
  if (label.isEmpty()) label = device.Name;
  return QStringLiteral("%1 (%2)").arg(label, device.Name);
}

// Position of the "(" that opens the description's closing device name, or -1.
qsizetype DeviceNameStart(const QString& description) {
  if (!description.endsWith(QLatin1Char(')'))) return -1;
  int depth = 0;
  for (qsizetype i = description.size() - 1; i >= 0; --i) {
    if (description[i] == QLatin1Char(')')) ++depth;
    else if (description[i] == QLatin1Char('(') && --depth == 0) return i;
  }
  return -1;
}

QString DeviceNameOf(const QString& description) {
  const qsizetype start = DeviceNameStart(description);
  return start < 0 ? QString() : description.mid(start + 1, description.size() - start - 2);
}

TAcquisitionError OpenError(const TDeviceStatusError& error) {
  return TAcquisitionError(TAcquisitionErrorKind::DeviceError, QString::fromUtf8(error.what()));
}

}  // namespace

QStringList ListScannerDescriptions() {
  QStringList descriptions;
  try {
    for (const TSaneDeviceInfo& device : ListSaneDevices()) descriptions << DescriptionOf(device);
  } catch (const TDeviceStatusError& error) {
    throw OpenError(error);
  }
  return descriptions;
}

QString DisplayNameOf(const QString& description) {
  const qsizetype start = DeviceNameStart(description);
  return start < 0 ? description : description.left(start).trimmed();
}

std::unique_ptr<TDeviceSource> OpenScanner(const QString& source) {
  QString deviceName = DeviceNameOf(source);
  QString description = source;
  if (deviceName.isEmpty()) {
    // A device name or a display name: the list tells which, and gives the description.
    const QStringList descriptions = ListScannerDescriptions();
    for (const QString& listed : descriptions) {
      if (DeviceNameOf(listed) == source || DisplayNameOf(listed) == source) {
        deviceName = DeviceNameOf(listed);
        description = listed;
        break;
      }
    }
    if (deviceName.isEmpty()) deviceName = source;
  }
  try {
    return std::make_unique<TDeviceSource>(std::make_unique<TSaneDevice>(deviceName), description);
  } catch (const TDeviceStatusError& error) {
    throw OpenError(error);
  }
}

}  // namespace quorvane
