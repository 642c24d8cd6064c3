#include "scan/job/backup_settings.h"

#include <QFileInfo>
#include <QSettings>

namespace quorvane {

TBackupSettings ReadBackupSettings(const QString& iniPath) {
  TBackupSettings settings;
  if (!QFileInfo(iniPath).isFile()) return settings;
  const QSettings ini(iniPath, QSettings::IniFormat);
  settings.BackupTifPath = ini.value(QStringLiteral("BACKUP/Path")).toString();
  const QString doBackup = ini.value(QStringLiteral("BACKUP/DoBackup")).toString().trimmed();
  // An INI boolean is a number, non-zero for true; "true" written by hand counts too.
  bool isNumber = false;
  const int number = doBackup.toInt(&isNumber);
  settings.DoBackupAsTif = isNumber ? number != 0 : doBackup.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
  return settings;
}

}  // namespace quorvane
