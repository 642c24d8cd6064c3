#include "scan/acquisition/sane/sane_config.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace quorvane {
namespace {

constexpr char kSystemConfigDir[] = "/etc/sane.d";

// Copies the files of `from` into `to`, replacing what is there.
void CopyFiles(const QString& from, const QString& to) {
  const QDir source(from);
  for (const QString& name : source.entryList(QDir::Files)) {
    QFile::remove(to + QLatin1Char('/') + name);
    QFile::copy(source.filePath(name), to + QLatin1Char('/') + name);
  }
}

}  // namespace

QString ShippedSaneConfigDir() {
  const QString configured = qEnvironmentVariable("QUORVANE_SANE_CONFIG");
  if (!configured.isEmpty()) return configured;
  for (const char* dir : {QUORVANE_SANE_CONFIG_INSTALLED, QUORVANE_SANE_CONFIG_SOURCE})
    if (QFileInfo::exists(QString::fromUtf8(dir) + QStringLiteral("/test.conf"))) return QString::fromUtf8(dir);
  return {};
}

void UseProjectSaneConfig() {
  if (qEnvironmentVariableIsSet("SANE_CONFIG_DIR")) return;
  const QString shipped = ShippedSaneConfigDir();
  // The user's runtime folder; without one (no login session) the cache folder,
  // which is just as private and does not make Qt warn.
  QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (runtime.isEmpty()) runtime = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  if (shipped.isEmpty() || runtime.isEmpty()) return;
  const QString merged = runtime + QStringLiteral("/quorvane-sane.d");
  QDir(merged + QStringLiteral("/dll.d")).removeRecursively();
  if (!QDir().mkpath(merged + QStringLiteral("/dll.d"))) return;
  CopyFiles(shipped, merged);
  CopyFiles(QString::fromUtf8(kSystemConfigDir) + QStringLiteral("/dll.d"), merged + QStringLiteral("/dll.d"));
  CopyFiles(shipped + QStringLiteral("/dll.d"), merged + QStringLiteral("/dll.d"));
  // The trailing ":" lets SANE search its default folders after ours.
  qputenv("SANE_CONFIG_DIR", QFile::encodeName(merged) + ':');
}

}  // namespace quorvane
