#pragma once

#include <cstdint>

#include "writers/common/page_bitmap.h"
#include "writers/tiff/tiff_ifd_writer.h"
#include "writers/tiff/tiff_stream.h"
#include "writers/tiff/tiff_writer_context.h"

namespace quorvane {

// About 512 KiB of in-memory rows per strip, so that each LZW code stream stays short.
constexpr std::uint64_t kTIFFStripTargetBytes = 524288;

struct TTIFFStripLayout {
  int RowsPerStrip = 0;
  int StripCount = 0;  // strips actually written; the last one takes the remaining rows
};

// requestedStrips is TIFF_StripCount: 0 computes the count from the in-memory row length.
TTIFFStripLayout ComputeTIFFStripLayout(int height, std::size_t memoryRowBytes, int requestedStrips);

// Writes the strips of one page from the current position on, then adds
// RowsPerStrip, StripOffsets and StripByteCounts to the entry list.
void WriteTIFFStrips(TTIFFStream& stream, const TPageBitmap& image, TTIFFIFDWriter& ifd,
                     const TTIFFWriterContext& context);

}  // namespace quorvane
