#include "scan/barcodes/barcode_readers.h"

#include <exception>

#include "app/log.h"
#include "scan/barcodes/barcode_keywords.h"

namespace quorvane {

namespace {

void LogPageLine(const char* format, const QString& text, int pageNumber) {
  WriteLogMsg(QString::fromLatin1(format).arg(text, QString::number(pageNumber)));
}

void LogFoundCode(const QString& code, int pageNumber) {
  LogPageLine("Found Code %1 on Page %2", code, pageNumber);
}

void LogReadError(const QString& error, int pageNumber) {
  LogPageLine("Error: %1 on Page %2", error, pageNumber);
}

}  // namespace

bool IsBarcodePage(const QString& entry) {
  return !entry.isEmpty() && entry != kPageWithoutCode;
}

QString ReadBarcode(const TPageBitmap* image, const TPageCodeReader& reader) {
  if (image == nullptr) {
    LogReadError(QStringLiteral("Image not assigned"), 1);
    return {};
  }
  QString code;
  try {
    // The reader works on its own grey copy; the page itself is never touched.
    for (const QString& text : reader(image->View())) {
      if (text.isEmpty()) continue;
      code = text;
      LogFoundCode(text, 1);
    }
  } catch (const std::exception& error) {
    LogReadError(QString::fromLocal8Bit(error.what()), 1);
    return {};
  }
  return code;
}

void ReadPageBarcodes(const TPageView& page, int index, const QStringList& keyWords,
                      QStringList& stapelPages, const TPageCodeReader& reader) {
  const int pageNumber = index + 1;
  stapelPages[index] = kPageWithoutCode;
  QStringList texts;
  try {
    texts = reader(page);
  } catch (const std::exception& error) {
    LogReadError(QString::fromLocal8Bit(error.what()), pageNumber);
    return;
  }
  QStringList found;
  for (const QString& text : texts) {
    if (text.isEmpty()) continue;
    found.append(text);
    LogFoundCode(text, pageNumber);
  }
  for (const QString& code : found) {
    if (AcceptCode(code, keyWords, pageNumber)) stapelPages[index] = code;
  }
}

}  // namespace quorvane
