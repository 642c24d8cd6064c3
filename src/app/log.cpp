#include "app/log.h"

#include <QFile>
#include <QLocale>
#include <QtDebug>

#include "app/client_routines.h"
#include "app/log_time_stamp.h"

namespace quorvane {

QString LogFileName() {
  return GetProgramFolder() + QStringLiteral("/Vantel.log");
}

QString FormatLogLine(const QDateTime& now, const QString& text) {
  return QStringLiteral("[%1] %2").arg(FormatLogTimeStamp(now, QLocale::system()), text);
}

void WriteLogMsg(const QString& text) {
  const QByteArray line = FormatLogLine(QDateTime::currentDateTime(), text).toUtf8() + '\n';
  QFile file(LogFileName());
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(line) != line.size() || !file.flush()) {
    qWarning("Cannot write the log %s: %s", qUtf8Printable(file.fileName()), qUtf8Printable(file.errorString()));
  }
}

}  // namespace quorvane
