#pragma once

#include "writers/common/byte_sink.h"
#include "writers/common/io_params.h"
#include "writers/common/multi_page_io.h"
#include "writers/common/page_bitmap.h"

namespace quorvane {

// Codes a page image as a complete JPEG file (libjpeg) with the JPEG_* settings
// of params: quality with baseline tables, optimised Huffman tables, DCT method,
// smoothing, progressive, YCbCr sampling, density from DpiX/DpiY and the
// marker list (APP14 left out). Alpha is composited onto white. A page image
// in a PDF is DeviceGray or DeviceRGB, so CMYK and YCCK are coded as YCbCr.
// Reports per-row progress; throws std::runtime_error on a coder error.
void EncodeJPEG(const TPageBitmap& bitmap, const TIOParams& params, ByteSink& out,
                const TProgressRecord& progress);

}  // namespace quorvane
