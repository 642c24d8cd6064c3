#include "scan/job/file_name_pattern.h"

#include "app/client_routines.h"

namespace quorvane {

namespace {

QString TwoDigits(int value) { return QString::asprintf("%.2d", value); }

void ReplaceAnyCase(QString& text, const QString& variable, const QString& value) {
  text.replace(variable, value, Qt::CaseInsensitive);
}

}  // namespace

TExpandedName ExpandFileNamePattern(const QString& pattern, const QString& barcode,
                                    const QString& customerNumber, const QDateTime& now,
                                    int counter) {
  const QDate date = now.date();
  const QTime time = now.time();
  QString text = pattern;
  ReplaceAnyCase(text, QStringLiteral("{Monat}"), TwoDigits(date.month()));
  ReplaceAnyCase(text, QStringLiteral("{Jahr}"), QString::number(date.year()));
  ReplaceAnyCase(text, QStringLiteral("{Tag}"), TwoDigits(date.day()));
  ReplaceAnyCase(text, QStringLiteral("{Std}"), TwoDigits(time.hour()));
  ReplaceAnyCase(text, QStringLiteral("{Min}"), TwoDigits(time.minute()));
  ReplaceAnyCase(text, QStringLiteral("{Sec}"), TwoDigits(time.second()));
  ReplaceAnyCase(text, QStringLiteral("{Datum}"),
                 QString::asprintf("%d_%.2d_%.2d", date.year(), date.month(), date.day()));
  ReplaceAnyCase(text, QStringLiteral("{UID}"), NewGuidString());
  ReplaceAnyCase(text, QStringLiteral("{User}"), GetLocalUserName());
  ReplaceAnyCase(text, QStringLiteral("{Host}"), GetComputerNameStr());
  ReplaceAnyCase(text, QStringLiteral("{barcode}"), barcode);
  ReplaceAnyCase(text, QStringLiteral("{KNR}"), customerNumber);

  TExpandedName result;
  const QString counterVariable = QStringLiteral("{Z\u00e4hler}");
  if (text.contains(counterVariable, Qt::CaseSensitive)) {
    ReplaceAnyCase(text, counterVariable, QString::asprintf("%.3d", counter));
    result.counterUsed = true;
  }
  result.name = text;
  return result;
}

bool CheckFileName(const QString& name) { return IsValidFileName(name); }

QString PrefixFileName(const QString& typedName, bool showPrefix, const QString& customerNumber,
                       const QString& typePrefix) {
  QString name = typedName;
  if (showPrefix && !customerNumber.isEmpty()) name = customerNumber + QLatin1Char('-') + name;
  if (!typePrefix.isEmpty()) name = typePrefix + QLatin1Char('-') + name;
  return name;
}

}  // namespace quorvane
