#include "scan/acquisition/image_folder_source.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>

#include "scan/image_file_reader.h"

namespace quorvane {

namespace {

const QStringList kImageFilePatterns = {"*.png", "*.jpg", "*.jpeg", "*.tif", "*.tiff", "*.bmp",
                                        "*.pbm", "*.pgm", "*.ppm", "*.pnm"};

std::optional<TColourMode> ModeOfFarbe(int farbe) {
  switch (farbe) {
    case 1: return TColourMode::BlackWhite;
    case 2: return TColourMode::Colour;
    case 3: return TColourMode::Grey;
    default: return std::nullopt;  // the image's own kind
  }
}

}  // namespace

QString TImageFolderSource::Description() const { return QStringLiteral("Bildordner (%1)").arg(folder_); }

TAcquireOutcome TImageFolderSource::Acquire(const TPageArrived& pageArrived) {
  const QDir dir(folder_);
  if (!dir.exists())
    throw TAcquisitionError(TAcquisitionErrorKind::DeviceError, QStringLiteral("Ordner nicht gefunden: ") + folder_);
  QStringList files = dir.entryList(kImageFilePatterns, QDir::Files | QDir::Readable);
  QCollator collator;
  collator.setNumericMode(true);
  std::sort(files.begin(), files.end(), collator);
  if (files.isEmpty()) throw TAcquisitionError(TAcquisitionErrorKind::NoPaper, QString());

  TAcquireOutcome outcome;
  for (const QString& file : files) {
    TPage page;
    try {
      page = ReadImageFile(dir.filePath(file), ModeOfFarbe(farbe_));
    } catch (const std::runtime_error& error) {
      // Like a jam: the sheets before stay, the rest of the stack is not read.
      const TAcquisitionError failure(TAcquisitionErrorKind::DeviceError, QString::fromLocal8Bit(error.what()));
      if (outcome.PageCount == 0) throw failure;
      outcome.Interrupted = failure;
      return outcome;
    }
    // The receiver's own errors are not the folder's: they go to the caller as they are.
    ++outcome.PageCount;
    pageArrived(std::move(page));
  }
  return outcome;
}

}  // namespace quorvane
