#pragma once

#include <QString>

#include <span>

#include "scan/page_list.h"

namespace quorvane {

// The profile's OutputSize: the PDF page from the image size, or A4.
enum TOutputSize : int { osAuto = 0, osA4 = 1 };

// How a document is written; from the profile.
struct TSaveOptions {
  bool SaveAsTif = false;
  int OutputSize = osAuto;
};

// The outcome of a save: the path written (".tif" for TIFF output) and, when
// the document is not complete on disk, why.
struct TSaveResult {
  QString Path;
  QString Error;
  bool Ok() const { return Error.isEmpty(); }
};

// Sets each page's output parameters before writing: compression by bit
// depth (1 bit: Group 4 in both formats; else LZW in TIFF and JPEG of quality
// 80 with optimal Huffman tables in PDF), the PDF page size for OutputSize
// Auto, the title (the target's file name as passed) and the creator.
void PreparePageParameters(std::span<TPage* const> pages, const QString& targetPath, int outputSize);

// Writes all pages of the list, in list order, as one document to targetPath
// (a ".pdf" path; with SaveAsTif its ".tif" form). Logs "Prepare save ",
// "Save to " or "Save Error " with the path or the reason. The pages keep the
// parameters set here; nothing else of the list changes.
TSaveResult SaveAllPages(TPageList& pageList, const QString& targetPath, const TSaveOptions& options);

// Writes the pages as the backup copy does: TIFF, the parameters as acquired
// (uncompressed unless something set otherwise), exactly to path. Throws on failure.
void WriteBackupTiff(TPageList& pageList, const QString& path);

}  // namespace quorvane
