#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "writers/common/page_bitmap.h"
#include "writers/tiff/tiff_writer_context.h"

namespace quorvane {

// Turns the page's rows, one at a time, into the rows the file holds:
// bilevel rows as in memory (1 = white), one byte per pixel for grey and
// palette, red-green-blue for colour, differenced when the predictor is on.
// Holds one output row; the page itself is never changed.
class TTIFFRowFormatter {
 public:
  TTIFFRowFormatter(const TPageBitmap& image, const TTIFFWriterContext& context);

  std::size_t RowBytes() const { return rowBytes_; }
  // Valid until the next call.
  const std::uint8_t* Row(int y);

 private:
  void Difference();

  const TPageBitmap& image_;
  const TTIFFWriterContext& context_;
  std::size_t rowBytes_;
  std::vector<std::uint8_t> row_;
};

}  // namespace quorvane
