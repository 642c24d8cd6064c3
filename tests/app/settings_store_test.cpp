#include <gtest/gtest.h>

#include <QSettings>
#include <QStandardPaths>
#include <QUuid>

#include "app/client_routines.h"

namespace quorvane {
namespace {

// Every test writes under its own group so that the shared store does not link them.
QString FreshKey() {
  return QStringLiteral("Test/") + QUuid::createUuid().toString(QUuid::Id128);
}

QString StoreFile() {
  return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Kestrow/Quorvane.ini");
}

TEST(SettingsStore, LivesInTheConfigFolderOfTheTestEnvironment) {
  ASSERT_FALSE(qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME"));
  WriteRegString(QStringLiteral("Scanner"), QStringLiteral("LastScanner"), QStringLiteral("test:0"));
  QSettings file(StoreFile(), QSettings::IniFormat);
  EXPECT_EQ(file.value(QStringLiteral("Scanner/LastScanner")).toString(), QStringLiteral("test:0"));
}

TEST(SettingsStore, WrittenTextsReadBackUnchanged) {
  const QString key = FreshKey();
  const QString texts[] = {
      QStringLiteral("pixma:04A91912_123456"),
      QStringLiteral("Größe, mit Komma; und = Zeichen"),
      QStringLiteral("  leading and trailing blanks  "),
      QStringLiteral("two\nlines"),
  };
  for (const QString& text : texts) {
    WriteRegString(key, QStringLiteral("Value"), text);
    EXPECT_EQ(ReadRegString(key, QStringLiteral("Value")), text);
  }
}

TEST(SettingsStore, MissingGroupOrValueReadsEmpty) {
  const QString key = FreshKey();
  EXPECT_EQ(ReadRegString(key, QStringLiteral("LastScanner")), QString());
  WriteRegString(key, QStringLiteral("Other"), QStringLiteral("x"));
  EXPECT_EQ(ReadRegString(key, QStringLiteral("LastScanner")), QString());
}

TEST(SettingsStore, RegistryStyleKeysNameTheSameGroup) {
  const QString group = QUuid::createUuid().toString(QUuid::Id128);
  WriteRegString(QStringLiteral("Software\\Kestrow\\Quorvane\\FormStore\\") + group, QStringLiteral("Left"),
                 QStringLiteral("100"));
  EXPECT_EQ(ReadRegString(QStringLiteral("FormStore/") + group, QStringLiteral("Left")), QStringLiteral("100"));
  EXPECT_EQ(ReadRegString(QStringLiteral("FormStore\\") + group + u'\\', QStringLiteral("Left")),
            QStringLiteral("100"));
}

}  // namespace
}  // namespace quorvane
