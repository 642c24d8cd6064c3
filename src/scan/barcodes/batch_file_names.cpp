#include "scan/barcodes/batch_file_names.h"

#include <QFileInfo>

#include "app/client_routines.h"
#include "app/log.h"

namespace quorvane {

namespace {

// Longest file name most Linux file systems take, in bytes.
constexpr qsizetype kMaxFileNameBytes = 255;

// `name` shortened until name + suffix + extension fits the file system.
QString FittedName(QString name, const QString& tail) {
  while (!name.isEmpty() && (name + tail).toUtf8().size() > kMaxFileNameBytes) {
    name.chop(name.size() >= 2 && name.back().isLowSurrogate() ? 2 : 1);
  }
  return name;
}

}  // namespace

QString SanitisedFileName(const QString& name) {
  if (name.isEmpty()) return QStringLiteral("_");
  QString sanitised = name;
  for (QChar& c : sanitised) {
    if (!IsValidFileName(QString(c))) c = u'_';
  }
  return sanitised;
}

TBatchFileNames::TBatchFileNames(const QString& folder, const QString& extension)
    : folder_(StripTrailingBackslash(folder)), extension_(extension) {}

QString TBatchFileNames::DocumentPath(const QString& name, const QString& extension) const {
  return folder_ + u'/' + name + extension;
}

bool TBatchFileNames::IsTaken(const QString& name) const {
  return handedOut_.contains(name) || QFileInfo::exists(DocumentPath(name, extension_));
}

QString TBatchFileNames::DocumentName(const QString& wanted) {
  const QString base = SanitisedFileName(wanted);
  QString name = FittedName(base, extension_);
  for (int number = 2; IsTaken(name); ++number) {
    const QString suffix = u'_' + QString::number(number);
    name = FittedName(base, suffix + extension_) + suffix;
  }
  handedOut_.insert(name);
  if (name != wanted) {
    WriteLogMsg(QStringLiteral("Batch File Name %1 changed to %2").arg(wanted, name));
  }
  return name;
}

}  // namespace quorvane
