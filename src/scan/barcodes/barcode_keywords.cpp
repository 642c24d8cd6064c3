#include "scan/barcodes/barcode_keywords.h"

#include <QRegularExpression>

#include "app/log.h"

namespace quorvane {

QStringList KeyWordLines(const QString& memo) {
  if (memo.isEmpty()) return {};
  static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
  QStringList lines = memo.split(lineBreak);
  // A closing line break ends the last line; it does not start another one.
  if (lines.last().isEmpty()) lines.removeLast();
  return lines;
}

QString UpperCaseAtoZ(const QString& text) {
  QString upper = text;
  for (QChar& c : upper) {
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - (u'a' - u'A'));
  }
  return upper;
}

bool AcceptCode(const QString& code, const QStringList& keyWords, int pageNumber) {
  if (keyWords.isEmpty()) return true;
  const QString upperCode = UpperCaseAtoZ(code);
  for (const QString& keyWord : keyWords) {
    // An empty keyword never matches, although every text contains "".
    if (!keyWord.isEmpty() && upperCode.contains(UpperCaseAtoZ(keyWord))) return true;
    WriteLogMsg(QStringLiteral("Ignore Code %1 on Page %2").arg(code, QString::number(pageNumber)));
  }
  return false;
}

}  // namespace quorvane
