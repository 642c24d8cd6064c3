#pragma once

#include <QDateTime>
#include <QString>

namespace quorvane {

// Full path of "Vantel.log" in the data folder.
QString LogFileName();

// Appends "[time stamp] text" and a line break to the log. The file is opened
// and closed for every line, so each line is on disk when the call returns.
// A log that cannot be written is reported as a warning and never stops the
// caller: losing a log line must not lose a scan.
void WriteLogMsg(const QString& text);

// The line WriteLogMsg writes at `now`, without the line break.
QString FormatLogLine(const QDateTime& now, const QString& text);

}  // namespace quorvane
