#pragma once

#include <QByteArray>
#include <QString>

namespace quorvane {

// Whether an image file states its resolution. Qt gives an image without one
// its own default density, which cannot be told from a file that states that
// same density, so the file's header is asked. format is QImageReader's name
// ("png", "jpeg", "tiff", "bmp", ...); formats that cannot record one give false.
bool FileRecordsResolution(const QString& path, const QByteArray& format);

}  // namespace quorvane
