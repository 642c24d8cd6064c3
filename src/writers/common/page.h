#pragma once

#include <span>

#include "writers/common/io_params.h"
#include "writers/common/page_bitmap.h"

namespace quorvane {

// One scanned page: its image and its parameters.
struct TPage {
  TPageBitmap Bitmap;
  TIOParams Params;
};

// The pages a writer writes, in document order. Writers may update the
// parameters (the chosen coding stays in the record after saving).
using TPageSpan = std::span<TPage* const>;

}  // namespace quorvane
