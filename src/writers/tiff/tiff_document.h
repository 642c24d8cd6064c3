#pragma once

#include <string>

#include "writers/common/byte_sink.h"
#include "writers/common/multi_page_io.h"

namespace quorvane {

// Writes the pages (or, with selectedOnly, the selected pages in selection
// order) as one multi-page TIFF whose header starts at the stream's current
// position; nothing for no pages. Sets each written page's TIFF_ImageIndex.
// Returns false when the save was aborted between pages; errors throw.
bool SaveToStreamTIFF(SeekableSink& stream, TMultiPageIO& io, bool selectedOnly);

// The same into a file: written beside it and renamed into place only when
// complete, so a failed or aborted save leaves whatever was there before.
// No pages give an empty file. Errors name the file and the reason.
bool SaveToFileTIFF(const std::string& fileName, TMultiPageIO& io, bool selectedOnly);

}  // namespace quorvane
