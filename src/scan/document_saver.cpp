#include "document_saver.h"

#include <QFile>
#include <QFileInfo>

#include <exception>
#include <stdexcept>

#include "app/client_routines.h"
#include "app/log.h"
#include "profiles/windows1252.h"
#include "scan/pixels_to_points.h"
#include "writers/pdf/pdf_document_writer.h"
#include "writers/tiff/tiff_document.h"

namespace quorvane {

namespace {

constexpr char kCreator[] = "Kestrow's Quorvane 3";
constexpr int kFallbackDpi = 150;  // for pages that carry no horizontal resolution

void WriteTiff(std::vector<TPage*>& pages, const QString& path) {
  TMultiPageIO io;
  io.Pages = pages;
  if (!SaveToFileTIFF(QFile::encodeName(path).toStdString(), io, false))
    throw std::runtime_error("the save was aborted");
}

void WritePdf(std::vector<TPage*>& pages, const QString& path) {
  TMultiPageIO io;
  io.Pages = pages;
  SaveToFilePDF(QFile::encodeName(path).toStdString(), io, false);
}

// The save step: the writer for the format, framed by the log lines.
TSaveResult SaveDocument(std::vector<TPage*>& pages, const QString& targetPath, bool saveAsTif) {
  TSaveResult result;
  result.Path = saveAsTif ? ReplaceFileExt(targetPath, ".tif") : targetPath;
  try {
    WriteLogMsg("Prepare save " + result.Path);
    if (saveAsTif)
      WriteTiff(pages, result.Path);
    else
      WritePdf(pages, result.Path);
    WriteLogMsg("Save to " + result.Path);
  } catch (const std::exception& error) {
    result.Error = QString::fromLocal8Bit(error.what());
    WriteLogMsg("Save Error " + result.Error);
  }
  return result;
}

}  // namespace

void PreparePageParameters(std::span<TPage* const> pages, const QString& targetPath, int outputSize) {
  const std::string title = EncodeWindows1252(QFileInfo(targetPath).fileName()).toStdString();
  for (TPage* page : pages) {
    TIOParams& params = page->Params;
    if (params.BitsPerSample == 1) {
      params.TIFF_Compression = ioTIFF_G4FAX;
      params.PDF_Compression = ioPDF_G4FAX;
    } else {
      params.TIFF_Compression = ioTIFF_LZW;
      params.PDF_Compression = ioPDF_JPEG;
      params.JPEG_Quality = 80;
      params.JPEG_OptimalHuffman = true;
    }
    if (outputSize == osAuto) {
      // Both sides from the horizontal resolution.
      const int dpi = params.DpiX > 0 ? params.DpiX : kFallbackDpi;
      params.PDF_PaperHeight = PixelsToPoints(page->Bitmap.Height(), dpi);
      params.PDF_PaperWidth = PixelsToPoints(page->Bitmap.Width(), dpi);
    }
    params.PDF_Title = title;
    params.PDF_Creator = kCreator;
  }
}

TSaveResult SaveAllPages(TPageList& pageList, const QString& targetPath, const TSaveOptions& options) {
  std::vector<TPage*> pages = pageList.Pages();
  PreparePageParameters(pages, targetPath, options.OutputSize);
  return SaveDocument(pages, targetPath, options.SaveAsTif);
}

void WriteBackupTiff(TPageList& pageList, const QString& path) {
  std::vector<TPage*> pages = pageList.Pages();
  WriteTiff(pages, path);
}

}  // namespace quorvane
