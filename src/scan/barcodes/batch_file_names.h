#pragma once

#include <QSet>
#include <QString>

namespace quorvane {

// Document names for the documents of one batch, which come straight from
// barcodes. A batch never writes outside the profile's folder and never
// overwrites a document: characters a file name must not hold become "_", and
// a name whose file exists, or that this batch has handed out already, gets
// "_2", "_3", ... Every name that differs from the one asked for is logged.
class TBatchFileNames {
 public:
  // `extension` with its dot: ".pdf" or ".tif".
  TBatchFileNames(const QString& folder, const QString& extension);

  // The name to save the document under (without folder and extension).
  QString DocumentName(const QString& wanted);
  // The full path of a name handed out by DocumentName, with `extension`.
  QString DocumentPath(const QString& name, const QString& extension) const;

 private:
  bool IsTaken(const QString& name) const;

  QString folder_;
  QString extension_;
  QSet<QString> handedOut_;
};

// `name` with every character IsValidFileName refuses replaced by "_";
// an empty name becomes "_".
QString SanitisedFileName(const QString& name);

}  // namespace quorvane
