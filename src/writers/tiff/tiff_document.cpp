#include "tiff_document.h"

#include "writers/tiff/tiff_page_writer.h"

namespace quorvane {

bool SaveToStreamTIFF(SeekableSink& stream, TMultiPageIO& io, bool selectedOnly) {
  const int count = io.PagesToSave(selectedOnly);
  if (count == 0) return true;
  const std::uint64_t headerStart = stream.Position();
  for (int k = 0; k < count; ++k) {
    if (io.Aborting) return false;
    stream.Seek(headerStart);
    TPage& page = io.PageToSave(k, selectedOnly);
    page.Params.TIFF_ImageIndex = k;
    WriteTIFFPage(stream, k != 0, page.Bitmap, page.Params);
    io.Progress().Report((k + 1) * 100 / count);
  }
  io.FinishWork();
  return true;
}

bool SaveToFileTIFF(const std::string& fileName, TMultiPageIO& io, bool selectedOnly) {
  AtomicFileSink file(fileName);
  if (!SaveToStreamTIFF(file, io, selectedOnly)) return false;
  file.Commit();
  return true;
}

}  // namespace quorvane
