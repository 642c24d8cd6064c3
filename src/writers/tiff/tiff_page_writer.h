#pragma once

#include "writers/common/byte_sink.h"
#include "writers/common/io_params.h"
#include "writers/common/page_bitmap.h"

namespace quorvane {

// Writes one page as a TIFF starting at the stream's current position. With
// append set, that position must hold a TIFF written by this writer: the page
// goes to the end of the stream and its directory is linked into the chain
// where params.TIFF_ImageIndex says (after the last directory for a page list).
// Errors (write failures, a foreign file, unsupported requests) throw; the
// page then has no directory.
void WriteTIFFPage(SeekableSink& stream, bool append, const TPageBitmap& image, const TIOParams& params);

}  // namespace quorvane
