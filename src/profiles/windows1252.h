#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace quorvane {

// The profile file keeps texts in Windows-1252 so that files of the Windows
// program load unchanged. The five bytes that code page leaves undefined map
// to the control characters of the same number, so every byte survives a
// round trip through the program.
QString DecodeWindows1252(QByteArrayView bytes);

// One byte per character; a character Windows-1252 cannot hold becomes "?".
QByteArray EncodeWindows1252(const QString& text);

}  // namespace quorvane
