#include "app/ini_text.h"

#include <QRegularExpression>
#include <QStringList>

namespace quorvane {

QString ReadIniString(const QString& text, const QString& section, const QString& key) {
  bool inSection = false;
  const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
  for (const QString& rawLine : lines) {
    const QString line = rawLine.trimmed();
    if (line.startsWith(u'[')) {
      const qsizetype end = line.indexOf(u']');
      inSection = end > 0 && line.mid(1, end - 1).trimmed().compare(section, Qt::CaseInsensitive) == 0;
      continue;
    }
    if (!inSection || line.startsWith(u';')) continue;
    const qsizetype equals = line.indexOf(u'=');
    if (equals < 0) continue;
    if (line.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
      const QString value = line.mid(equals + 1).trimmed();
      return value.isNull() ? QStringLiteral("") : value;
    }
  }
  return {};
}

int ReadIniInteger(const QString& text, const QString& section, const QString& key, int fallback) {
  bool ok = false;
  const int value = ReadIniString(text, section, key).toInt(&ok);
  return ok ? value : fallback;
}

}  // namespace quorvane
