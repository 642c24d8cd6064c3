#include "profiles/atomic_file.h"

#include <QSaveFile>

#include "profiles/profile_file_error.h"

namespace quorvane {

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  // QSaveFile writes beside the target, syncs and renames on commit; without
  // the direct-write fallback it never writes the target in place. Unbuffered,
  // because a write that fails while the buffer is flushed (a full disk) would
  // not stop the commit.
  QSaveFile file(path);
  file.setDirectWriteFallback(false);
  const bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(bytes) == bytes.size() &&
                       file.commit();
  if (!written) throw TProfileWriteError(QStringLiteral("%1: %2").arg(path, file.errorString()).toStdString());
}

}  // namespace quorvane
