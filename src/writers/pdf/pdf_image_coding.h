#pragma once

#include <memory>

#include "writers/common/io_params.h"
#include "writers/common/multi_page_io.h"
#include "writers/common/page_bitmap.h"
#include "writers/pdf/pdf_objects.h"

namespace quorvane {

// The image stream of a page image: its coded data and the keys "Filter",
// "DecodeParms", "ColorSpace" and "BitsPerComponent" after "Length"; the
// caller adds Type, Subtype, Width, Height and SMask.

// 1-bit rows; ioPDF_JPEG is not defined for them and becomes ioPDF_G3FAX2D in params.
std::unique_ptr<TPDFStreamObject> CodeBilevelImage(const TPageBitmap& bitmap, TIOParams& params);
// Every other image: JPEG, LZW, or uncoded RGB rows.
std::unique_ptr<TPDFStreamObject> CodeColourImage(const TPageBitmap& bitmap, const TIOParams& params,
                                                  const TProgressRecord& progress);
// The alpha channel as an 8-bit DeviceGray image, uncoded.
std::unique_ptr<TPDFStreamObject> MakeSoftMask(const TPageBitmap& bitmap);

}  // namespace quorvane
