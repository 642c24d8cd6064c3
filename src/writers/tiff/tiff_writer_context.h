#pragma once

#include <cstdint>
#include <optional>

#include "writers/common/io_params.h"
#include "writers/common/page_bitmap.h"
#include "writers/tiff/tiff_pixel_mapper.h"

namespace quorvane {

enum class TTIFFOutputKind : std::uint8_t { Bilevel, Grey, Palette, Rgb };

enum : std::uint32_t {
  kTIFFCompressionNone = 1,
  kTIFFCompressionGroup4 = 4,
  kTIFFCompressionLzw = 5,
};

// How one page is written; made at the start of the page, discarded after it.
struct TTIFFWriterContext {
  TTIFFOutputKind Kind = TTIFFOutputKind::Rgb;
  std::uint32_t Compression = kTIFFCompressionNone;
  std::uint32_t T4Options = 0;
  std::uint32_t FillOrder = 1;
  std::uint8_t Photomet = 2;
  std::uint32_t Predictor = 1;  // 2 = horizontal differencing
  std::uint32_t BitsPerSample = 8;
  std::uint32_t SamplesPerPixel = 3;
  std::optional<TTIFFPixelMapper> qt;  // only for a 24-bit image written with one sample
  const TIOParams* RefParams = nullptr;
};

// The output follows the parameters' bits per sample and samples per pixel,
// not the image: 1 bit is bilevel, one sample is grey (or palette when the
// image is not grey), three samples are RGB. Throws TTIFFError for requests
// this writer cannot fulfil.
TTIFFWriterContext MakeTIFFWriterContext(const TPageBitmap& image, const TIOParams& params);

}  // namespace quorvane
