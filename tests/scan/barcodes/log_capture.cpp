#include "log_capture.h"

#include <QFile>

#include "app/log.h"

namespace quorvane::testing {

void LogCapture::SetUp() {
  ASSERT_TRUE(home_.isValid());
  qputenv("QUORVANE_HOME", home_.path().toLocal8Bit());
}

QStringList LogCapture::LogLines() const {
  QFile log(LogFileName());
  if (!log.open(QIODevice::ReadOnly)) return {};
  QStringList lines;
  for (const QString& line : QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
    // "[time stamp] text"
    lines.append(line.mid(line.indexOf(QStringLiteral("] ")) + 2));
  }
  return lines;
}

}  // namespace quorvane::testing
