#include "profiles/damaged_file.h"

#include <QFile>
#include <QFileInfo>

#include "profiles/profile_file_error.h"

namespace quorvane {

QString MoveAsideDamagedFile(const QString& path) {
  if (!QFileInfo::exists(path)) return {};
  const QString base = path + QStringLiteral(".defekt");
  for (int number = 0;; ++number) {
    const QString target = number == 0 ? base : QStringLiteral("%1.%2").arg(base).arg(number);
    if (QFileInfo::exists(target)) continue;
    // QFile::rename never replaces an existing file, so a name taken meanwhile is not lost.
    QFile file(path);
    if (file.rename(target)) return target;
    if (!QFileInfo::exists(target)) {
      throw TProfileWriteError(
          QStringLiteral("%1: cannot move to %2: %3").arg(path, target, file.errorString()).toStdString());
    }
  }
}

}  // namespace quorvane
