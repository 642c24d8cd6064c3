#include "scan/job/backup_settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace quorvane {
namespace {

TEST(BackupSettingsTest, ReadsTheBackupSectionOfVantelIni) {
  struct Case {
    const char* ini;  // nullptr: no file
    const char* path;
    bool doBackup;
  };
  const Case cases[] = {
      {nullptr, "", false},
      {"[BACKUP]\nPath=/srv/backup\nDoBackup=1\n", "/srv/backup", true},
      {"[BACKUP]\nPath=/srv/backup\nDoBackup=0\n", "/srv/backup", false},
      {"[BACKUP]\nDoBackup=1\n", "", true},  // switched on without a folder
      {"[backup]\r\npath = /a,b\r\ndobackup=true\r\n", "/a,b", true},
      {"[UPDATE]\nPath=/elsewhere\nDoBackup=1\n", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini ? c.ini : "no file");
    QTemporaryDir dir;
    const QString iniPath = dir.filePath("Vantel.ini");
    if (c.ini) {
      QFile file(iniPath);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(c.ini);
    }
    const TBackupSettings settings = ReadBackupSettings(iniPath);
    EXPECT_EQ(settings.BackupTifPath, QString::fromUtf8(c.path));
    EXPECT_EQ(settings.DoBackupAsTif, c.doBackup);
  }
}

}  // namespace
}  // namespace quorvane
