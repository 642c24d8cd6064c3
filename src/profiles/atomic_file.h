#pragma once

#include <QByteArray>
#include <QString>

namespace quorvane {

// Replaces the file at `path` by `bytes`: they go to a temporary file in the
// same folder, which is flushed to disk and then renamed over the old one, so
// a crash or a full disk leaves either the old file or the new one, never a
// mix. Throws TProfileWriteError naming the file and the reason.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

}  // namespace quorvane
