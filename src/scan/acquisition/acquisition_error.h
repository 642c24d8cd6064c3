#pragma once

#include <QString>

#include <stdexcept>

namespace quorvane {

enum class TAcquisitionErrorKind {
  NoPaper,      // the feeder was empty at the first page
  DeviceError,  // jam, open cover, I/O error, vanished device ...: the device's status text
};

// A failed acquisition, with the German text the user is shown.
class TAcquisitionError : public std::runtime_error {
 public:
  TAcquisitionError(TAcquisitionErrorKind kind, const QString& statusText);

  TAcquisitionErrorKind Kind() const { return kind_; }
  // The device's own words ("Document feeder jammed"); empty for NoPaper.
  const QString& StatusText() const { return statusText_; }
  // "Bitte legen Sie Papier ein." or "Scan Fehler: " + status text.
  QString Message() const;

 private:
  TAcquisitionErrorKind kind_;
  QString statusText_;
};

}  // namespace quorvane
