#include "scan/job/backup_settings.h"

#include <QFile>

#include "app/ini_text.h"

namespace quorvane {

TBackupSettings ReadBackupSettings(const QString& iniPath) {
  TBackupSettings settings;
  QFile file(iniPath);
  if (!file.open(QIODevice::ReadOnly)) return settings;
  const QString text = QString::fromUtf8(file.readAll());
  settings.BackupTifPath = ReadIniString(text, QStringLiteral("BACKUP"), QStringLiteral("Path"));
  const QString doBackup = ReadIniString(text, QStringLiteral("BACKUP"), QStringLiteral("DoBackup"));
  // An INI boolean is a number, non-zero for true; "true" written by hand counts too.
  bool isNumber = false;
  const int number = doBackup.toInt(&isNumber);
  settings.DoBackupAsTif = isNumber ? number != 0 : doBackup.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
  return settings;
}

}  // namespace quorvane
