#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace quorvane {

// The date in the locale's numeric date format with a four-digit year, a blank
// and the time with seconds (de_DE: "10.12.2026 14:03:07"). At exactly
// midnight only the date is written.
QString FormatLogTimeStamp(const QDateTime& when, const QLocale& locale);

}  // namespace quorvane
