#include "scan/acquisition/acquisition_error.h"

namespace quorvane {
namespace {

QString MessageFor(TAcquisitionErrorKind kind, const QString& statusText) {
  if (kind == TAcquisitionErrorKind::NoPaper) return QStringLiteral("Bitte legen Sie Papier ein.");
  return QStringLiteral("Scan Fehler: ") + statusText;
}

}  // namespace

TAcquisitionError::TAcquisitionError(TAcquisitionErrorKind kind, const QString& statusText)
    : std::runtime_error(MessageFor(kind, statusText).toStdString()), kind_(kind), statusText_(statusText) {}

QString TAcquisitionError::Message() const { return MessageFor(kind_, statusText_); }

}  // namespace quorvane
