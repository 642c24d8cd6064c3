#include "app/log_time_stamp.h"

#include <QRegularExpression>

namespace quorvane {

namespace {

QString NumericDateFormat(const QLocale& locale) {
  QString format = locale.dateFormat(QLocale::ShortFormat);
  // Some locales (C among them) name the month in their short format.
  if (format.contains(QStringLiteral("MMM"))) {
    return QStringLiteral("yyyy-MM-dd");
  }
  static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
  return format.replace(twoDigitYear, QStringLiteral("yyyy"));
}

QString TimeFormatWithSeconds(const QLocale& locale) {
  // The long format is the one with seconds; it also carries the time zone.
  static const QRegularExpression timeZone(QStringLiteral("\\s*\\bt+\\b"));
  return locale.timeFormat(QLocale::LongFormat).remove(timeZone).trimmed();
}

}  // namespace

QString FormatLogTimeStamp(const QDateTime& when, const QLocale& locale) {
  const QString date = locale.toString(when.date(), NumericDateFormat(locale));
  if (when.time() == QTime(0, 0)) {
    return date;
  }
  return date + u' ' + locale.toString(when.time(), TimeFormatWithSeconds(locale));
}

}  // namespace quorvane
