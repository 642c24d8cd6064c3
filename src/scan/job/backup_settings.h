#pragma once

#include <QString>

namespace quorvane {

// The optional backup copy of every scanned stack, from "Vantel.ini" in the
// data folder (section "BACKUP": "Path" and "DoBackup"). The file is only read.
struct TBackupSettings {
  QString BackupTifPath;
  bool DoBackupAsTif = false;
};

TBackupSettings ReadBackupSettings(const QString& iniPath);

}  // namespace quorvane
